// The way a user came to what the window shows must not matter: seeded random
// sequences of user actions (clicks, list choices, values typed and left with
// Tab, so that refusals happen as for a user) run on a window; a fresh window
// then gets only the final view, and both must give the same engine input.
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "kern/Uebergabeschreiber.h"
#include "section/Eingabeseite.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <optional>

namespace {

// One user action or one item of a view: a control's object name and what it is set to.
struct Schritt {
    QString name, wert;
};
using Schritte = QList<Schritt>;

QString text(const Schritte& s)
{
    QString t;
    for (const Schritt& x : s)
        t += x.name + "=\"" + x.wert + "\", ";
    return t;
}

const QStringList kTippwerte = {"", "0", "-3", "7", "12,5", "25", "60", "80", "150", "400", "600", "1200", "x"};

// A window started as the suite starts it; closed without asking.
struct Fenster {
    Hauptform form;
    Eingabeseite* e = nullptr;
    bool bereit = false;
    explicit Fenster(Testsuite& suite)
    {
        suite.übergabe("\"Test\"\r\n\"D\"\r\n");
        bereit = form.starte(suite.exefiles());
        e = form.eingabe;
        form.show();
        bereit = bereit && QTest::qWaitForWindowActive(&form);
    }
    ~Fenster() { form.Rückkehrmodus = 9; }

    QList<QComboBox*> listen() const { return {e->ASchiene, e->Combo1[0], e->Combo1[1], e->Combo1[4], e->Combo1[2], e->Combo1[3]}; }
    QList<QCheckBox*> haken() const { return {e->Schienemittragend, e->HschieneCheck, e->HUGCheck}; }
    QList<QLineEdit*> felder() const
    {
        QList<QLineEdit*> f(e->Abmessung.begin(), e->Abmessung.end());
        f.append(QList<QLineEdit*>(e->hwert.begin(), e->hwert.end()));
        for (size_t i = 0; i < 5; ++i)
            f << e->Stort[i] << e->StLang1[i] << e->StLang2[i] << e->StDick[i];
        f.removeAll(nullptr); // indices without a field
        return f;
    }

    // Shown, usable and not covered by the rolled profile's group, which lies over the welded groups.
    bool nutzbar(const QWidget* w) const
    {
        return w->isVisible() && w->isEnabled() && (!e->FrameHprofil->isVisible() || e->FrameHprofil->isAncestorOf(w));
    }

    // What a user sees, in the order it is entered again: what resets lists or
    // fields (family, form, ticks, rail) comes before what it would reset.
    Schritte ansicht() const
    {
        Schritte s;
        if (e->Familiengruppe->checkedId() >= 0)
            s.append({"Familie", QString::number(e->Familiengruppe->checkedId())});
        if (nutzbar(e->Querschnitt) && e->Querschnitt->currentIndex() >= 0)
            s.append({"Querschnitt", e->Querschnitt->currentData().toString()});
        for (QCheckBox* h : haken())
            if (nutzbar(h))
                s.append({h->objectName(), h->isChecked() ? "1" : "0"});
        for (QComboBox* l : listen())
            if (nutzbar(l))
                s.append({l->objectName(), l->currentText()});
        for (QLineEdit* f : felder())
            if (nutzbar(f))
                s.append({f->objectName(), f->text()});
        s.append(Schritt{"Ansicht-Taste", e->Trägerergebnis->isVisible() ? "da" : "fehlt"}); // seen, not entered
        return s;
    }

    // Every action of one kind a user can take now (see kGewichte): the control and what it is set to.
    Schritte moeglich(int art) const
    {
        Schritte s;
        for (int i = 0; art == 0 && i < 8; ++i)
            s.append({"Familie", QString::number(i)});
        for (int i = 0; art == 1 && nutzbar(e->Querschnitt) && i < e->Querschnitt->count(); ++i)
            s.append({"Querschnitt", e->Querschnitt->itemData(i).toString()});
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

    // What a shown control holds now, in the terms of a step.
    QString wert(const QString& name) const
    {
        for (const Schritt& s : ansicht())
            if (s.name == name)
                return s.wert;
        return {};
    }

    // Takes one step as a user does; false when its control is not there to be used.
    bool tue(const Schritt& s)
    {
        if (s.name == "Ansicht-Taste")
            return false;
        if (s.name == "Familie") {
            QTest::mouseClick(e->Option1[size_t(s.wert.toInt())], Qt::LeftButton, {}, QPoint(6, 8));
            return true;
        }
        QWidget* w = form.findChild<QWidget*>(s.name);
        if (!w || !nutzbar(w))
            return false;
        if (auto* l = qobject_cast<QComboBox*>(w)) {
            const int i = l == e->Querschnitt ? l->findData(s.wert.toInt()) : l->findText(s.wert);
            if (i < 0)
                return false;
            l->setFocus(Qt::MouseFocusReason); // a list is opened with the mouse and keeps the focus
            l->setCurrentIndex(i);
            emit l->activated(i);
        } else if (auto* h = qobject_cast<QCheckBox*>(w)) {
            if (h->isChecked() != (s.wert == "1"))
                QTest::mouseClick(h, Qt::LeftButton);
        } else if (auto* f = qobject_cast<QLineEdit*>(w)) {
            f->setFocus(Qt::MouseFocusReason);
            if (!QTest::qWaitFor([f] { return f->hasFocus(); }, 500))
                return false;
            f->selectAll();
            if (s.wert.isEmpty())
                QTest::keyClick(f, Qt::Key_Backspace);
            QTest::keyClicks(f, s.wert);
            QTest::keyClick(f, Qt::Key_Tab);
        }
        QCoreApplication::processEvents(); // a refused entry takes the focus back on the next turn
        return true;
    }

    // The engine's input file as the window gives it, with a fixed rail catalog and message texts.
    QString übergabe() const
    {
        const Querschnittsdaten q = e->querschnitt();
        const auto message = [](int n) { return QStringLiteral("M%1").arg(n); };
        const auto fussbreite = [](const QString& schiene) { return 2.5f * schiene.mid(1).toFloat(); };
        const Übergabeinhalt u = q.familie == kWalzprofil
                                     ? baueHProfilÜbergabe(q, message)
                                     : baueÜbergabe(q, e->beschriftungen(), 1, fussbreite, message);
        return QStringList{QString::number(u.ok), QString::number(u.dateiGeschrieben), u.zeilen.join(' '),
                           u.meldungen.join(" | "), u.Fehlliste}.join('\n');
    }
};

// How often each kind of action is drawn: a family option, a form of the family's list, an
// entry of another list (profiles, web profile, catalog rail), a check box, a typed value.
const int kGewichte[5] = {2, 3, 3, 2, 10};

// Draws a kind of action by its weight, then one of its actions; none when the kind has none now.
std::optional<Schritt> ziehe(const Fenster& f, QRandomGenerator& zufall)
{
    int r = zufall.bounded(20), art = 0;
    while (r >= kGewichte[art])
        r -= kGewichte[art++];
    const Schritte moeglich = f.moeglich(art);
    if (moeglich.isEmpty())
        return std::nullopt;
    return moeglich[zufall.bounded(int(moeglich.size()))];
}

} // namespace

class TestVerlauf : public QObject {
    Q_OBJECT
    Testsuite m_suite;
    Meldungsrekorder m_rekorder; // refused entries are told here instead of in message boxes

private slots:
    void gleicheAnsichtGleicheUebergabe_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 200; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void gleicheAnsichtGleicheUebergabe()
    {
        QFETCH(quint32, seed);
        QRandomGenerator zufall(seed);
        Schritte verlauf, ansicht;
        QString erwartet;
        {
            Fenster a(m_suite);
            QVERIFY(a.bereit);
            const int länge = zufall.bounded(4, 30);
            while (verlauf.size() < länge)
                if (const auto s = ziehe(a, zufall); s && a.tue(*s))
                    verlauf.append(*s);
            ansicht = a.ansicht();
            erwartet = a.übergabe();
        }
        Fenster b(m_suite);
        QVERIFY(b.bereit);
        for (const Schritt& s : ansicht)
            if (s.name == "Familie" || s.name == "Querschnitt" || b.wert(s.name) != s.wert)
                b.tue(s);
        const QString frisch = b.übergabe();
        QVERIFY2(frisch == erwartet, qPrintable(QStringLiteral("seed %1: die Übergabe hängt vom Verlauf ab\nVerlauf: %2\n"
                                                              "Ansicht: %3\nnach dem Verlauf:\n%4\nfrisch:\n%5")
                                                   .arg(seed).arg(text(verlauf), text(ansicht), erwartet, frisch)));
    }
};

QTEST_MAIN(TestVerlauf)
#include "tst_verlauf.moc"
