// The way a user came to what the window shows must not matter: seeded random
// sequences of user actions (clicks, list choices, values typed and left with
// Tab, so that refusals happen as for a user) run on a window; a fresh window
// then gets only the final view, and both must give the same engine input.
#include "Testhilfen.h"
#include "kern/Uebergabeschreiber.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

// One user action or one item of a view: a control's object name and what it is set to.
struct Schritt { QString name, wert; };
using Schritte = QList<Schritt>;

const QStringList kTippwerte = {"", "0", "-3", "7", "12,5", "25", "60", "80", "150", "400", "600", "1200", "x"};

struct Fenster : Testfenster {
    using Testfenster::Testfenster;
    QList<QComboBox*> listen() const { return {e.ASchiene, e.Combo1[0], e.Combo1[1], e.Combo1[4], e.Combo1[2], e.Combo1[3]}; }
    QList<QCheckBox*> haken() const { return {e.Schienemittragend, e.HschieneCheck, e.HUGCheck}; }
    QList<QLineEdit*> felder() const
    {
        QList<QLineEdit*> f(e.Abmessung.begin(), e.Abmessung.end());
        f.append(QList<QLineEdit*>(e.hwert.begin(), e.hwert.end()));
        for (size_t i = 0; i < 5; ++i)
            f << e.Stort[i] << e.StLang1[i] << e.StLang2[i] << e.StDick[i];
        f.removeAll(nullptr); // indices without a field
        return f;
    }

    // Shown, usable and not covered by the rolled profile's group, which lies over the welded groups.
    bool nutzbar(const QWidget* w) const
    {
        return w->isVisible() && w->isEnabled() && (!e.FrameHprofil->isVisible() || e.FrameHprofil->isAncestorOf(w));
    }

    // What a user sees, in the order it is entered again: what resets lists or
    // fields (family, form, ticks, rail) comes before what it would reset.
    Schritte ansicht() const
    {
        Schritte s;
        if (e.Familiengruppe->checkedId() >= 0)
            s.append({"Familie", QString::number(e.Familiengruppe->checkedId())});
        if (nutzbar(e.Querschnitt) && e.Querschnitt->currentIndex() >= 0)
            s.append({"Querschnitt", e.Querschnitt->currentData().toString()});
        for (QCheckBox* h : haken())
            if (nutzbar(h))
                s.append({h->objectName(), h->isChecked() ? "1" : "0"});
        for (QComboBox* l : listen())
            if (nutzbar(l))
                s.append({l->objectName(), l->currentText()});
        for (QLineEdit* f : felder())
            if (nutzbar(f))
                s.append({f->objectName(), f->text()});
        s.append(Schritt{"Ansicht-Taste", e.Traegerergebnis->isVisible() ? "da" : "fehlt"}); // seen, not entered
        return s;
    }

    // Every action of one kind a user can take now, the control and what it is set to: a family
    // option, a form of the family's list, an entry of another list (profiles, web profile,
    // catalog rail), a check box, a typed value.
    Schritte moeglich(int art) const
    {
        Schritte s;
        for (int i = 0; art == 0 && i < 8; ++i)
            s.append({"Familie", QString::number(i)});
        for (int i = 0; art == 1 && nutzbar(e.Querschnitt) && i < e.Querschnitt->count(); ++i)
            s.append({"Querschnitt", e.Querschnitt->itemData(i).toString()});
        for (QComboBox* l : listen())
            for (int i = 0; art == 2 && nutzbar(l) && i < l->count(); ++i)
                s.append({l->objectName(), l->itemText(i)});
        for (QCheckBox* h : haken())
            if (art == 3 && nutzbar(h))
                s.append({h->objectName(), h->isChecked() ? "0" : "1"});
        for (QLineEdit* f : felder())
            for (const QString& w : kTippwerte)
                if (art == 4 && nutzbar(f))
                    s.append({f->objectName(), w});
        return s;
    }

    // Takes one step as a user does; false when its control is not there to be used.
    bool tue(const Schritt& s)
    {
        QWidget* w = form.findChild<QWidget*>(s.name);
        if (s.name == "Familie")
            klickeFamilie(e, s.wert.toInt());
        else if (!w || !nutzbar(w))
            return false;
        if (auto* l = qobject_cast<QComboBox*>(w)) {
            const int i = l == e.Querschnitt ? l->findData(s.wert.toInt()) : l->findText(s.wert);
            if (i < 0)
                return false;
            l->setFocus(Qt::MouseFocusReason); // a list is opened with the mouse and keeps the focus
            waehleAus(l, i);
        } else if (auto* h = qobject_cast<QCheckBox*>(w); h && h->isChecked() != (s.wert == "1")) {
            QTest::mouseClick(h, Qt::LeftButton);
        } else if (auto* f = qobject_cast<QLineEdit*>(w)) {
            return tippeEin(f, s.wert);
        }
        QCoreApplication::processEvents();
        return true;
    }

    // The engine's input file as the window gives it, with a fixed rail catalog and message texts.
    QString uebergabe() const
    {
        const Querschnittsdaten q = e.querschnitt();
        const auto message = [](int n) { return QStringLiteral("M%1").arg(n); };
        const auto fussbreite = [](const QString& schiene) { return 2.5f * schiene.mid(1).toFloat(); };
        const Uebergabeinhalt u = q.familie == kWalzprofil ? baueHProfilUebergabe(q, message)
                                                          : baueUebergabe(q, e.beschriftungen(), 1, fussbreite, message);
        return QStringList{QString::number(u.ok), QString::number(u.dateiGeschrieben), u.zeilen.join(' '),
                           u.meldungen.join(" | "), u.Fehlliste}.join('\n');
    }
};

} // namespace

class TestVerlauf : public QObject {
    Q_OBJECT
    Testsuite m_suite;

private slots:
    void gleicheAnsichtGleicheUebergabe_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 200; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void gleicheAnsichtGleicheUebergabe()
    {
        QFETCH(quint32, seed);
        QRandomGenerator zufall(seed);
        QStringList verlauf;
        Schritte ansicht;
        QString erwartet;
        {
            Fenster a(m_suite);
            QVERIFY(a.bereit);
            const int laenge = zufall.bounded(4, 30);
            while (verlauf.size() < laenge) {
                // A kind of action drawn by how often a user takes it (2, 3, 3, 2 and 10 times in 20),
                // then one of its actions, if it has any now.
                const int art = QByteArrayLiteral("00111222334444444444").at(zufall.bounded(20)) - '0';
                if (const Schritte m = a.moeglich(art); !m.isEmpty())
                    if (const Schritt s = m[zufall.bounded(int(m.size()))]; a.tue(s))
                        verlauf.append(s.name + '=' + s.wert);
            }
            ansicht = a.ansicht();
            erwartet = a.uebergabe();
        }
        Fenster b(m_suite);
        QVERIFY(b.bereit);
        for (const Schritt& s : ansicht) {
            const Schritte jetzt = b.ansicht();
            const bool gezeigt = std::any_of(jetzt.begin(), jetzt.end(), [&](const Schritt& x) { return x.name == s.name && x.wert == s.wert; });
            if (s.name == "Familie" || s.name == "Querschnitt" || !gezeigt)
                b.tue(s);
        }
        const QString frisch = b.uebergabe();
        QVERIFY2(frisch == erwartet, qPrintable(QStringLiteral("seed %1: die Übergabe hängt vom Verlauf ab\nVerlauf: %2\n"
                                                              "nach dem Verlauf:\n%3\nfrisch:\n%4")
                                                   .arg(seed).arg(verlauf.join(", "), erwartet, frisch)));
    }
};

QTEST_MAIN(TestVerlauf)
#include "tst_verlauf.moc"
