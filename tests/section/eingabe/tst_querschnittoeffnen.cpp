// A section saved from one window and opened in a new one and in one used
// before: the same view, sketch and record for every form the lists offer;
// a value half typed is dropped, and nothing is told.
#include "Testhilfen.h"
#include "app/Sprachdateien.h"
#include "kern/Querschnittsdatei.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace {

struct Seite {
    QWidget fenster;
    Eingabeseite e{&fenster};
    Seite() { e.pathtext = qEnvironmentVariable("TARVELLO_DATEN"); }
    bool gezeigt(const QWidget* w) const { return w->isVisibleTo(&fenster); }

    // A user's choices, then a distinct value in every field shown, and design values.
    void fuelle(int familie, int form, int zusatz)
    {
        e.Option1[size_t(familie)]->click();
        if (familie == kWalzprofil) {
            if (zusatz) // the bottom profile's tick empties the lists: they are chosen after it
                (zusatz == 1 ? e.HschieneCheck : e.HUGCheck)->click();
            QComboBox* groesse = zusatz == 2 ? e.Combo1[4] : e.Combo1[1];
            waehleAus(e.Combo1[0], e.Combo1[0]->findText(zusatz == 2 ? "IPE" : "HEB"));
            waehleAus(groesse, groesse->findText("300"));
        } else {
            waehleAus(e.Querschnitt, e.Querschnitt->findData(form));
            if (gezeigt(e.Schienemittragend) && bietetKatalogschiene(familie)) {
                e.Schienemittragend->click();
                waehleAus(e.ASchiene, e.ASchiene->findText("A55"));
            }
            waehleAus(e.Combo1[2], e.Combo1[2]->findText("HEB"));
            waehleAus(e.Combo1[3], e.Combo1[3]->findText(familie == kOhneSchieneMitH ? "300" : "200"));
        }
        double wert = 2; // distinct, and within every field's own rule when the field is left
        for (QLineEdit* f : fenster.findChildren<QLineEdit*>())
            if (f->property("feldart").isValid() && gezeigt(f) && f->isEnabled())
                f->setText(QString::number(wert += 0.5));
        e.setzeBemessung({"11", "12", "13", "14", "15", "16", "S235", "1.1", "1.05", "250", Schienenbefestigung::AufLager, "30", "1500"});
    }
};

} // namespace

class TestQuerschnittOeffnen : public QObject {
    Q_OBJECT
    Meldungsrekorder m_rekorder;
    Seite m_benutzt; // shown and active; opens every file after the one before

private slots:
    void initTestCase()
    {
        m_benutzt.fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_benutzt.fenster));
    }

    void gleicheSeite_data()
    {
        QTest::addColumn<int>("form"); // 0: the rolled profile
        QTest::addColumn<int>("zusatz"); // of the rolled profile: none, flat rail, bottom profile
        const QString liste = qEnvironmentVariable("TARVELLO_DATEN") + "/Combo.D";
        for (int familie = kOhneSchiene; familie <= kZweizeller; ++familie)
            for (const Querschnittseintrag& f : leseQuerschnittsliste(liste, familie).value_or(std::vector<Querschnittseintrag>{}))
                QTest::addRow("%d", f.nummer) << f.nummer << 0;
        for (int zusatz : {0, 1, 2})
            QTest::addRow("Walzprofil %d", zusatz) << 0 << zusatz;
    }
    void gleicheSeite()
    {
        QFETCH(int, form);
        QFETCH(int, zusatz);
        Seite a, neu;
        a.fuelle(form ? familieDerForm(form) : kWalzprofil, form, zusatz);
        const QByteArray datei = schreibeQuerschnittsdatei(a.e.querschnitt());
        const Querschnittsdatei gelesen = leseQuerschnittsdatei(datei);
        QVERIFY(gelesen.querschnitt);
        // Half typed and never left: a refusal would be told as the choice moves the focus on.
        m_benutzt.e.Abmessung[0]->setFocus();
        QTest::keyClicks(m_benutzt.e.Abmessung[0], "x");
        for (Seite* b : {&neu, &m_benutzt}) {
            b->e.setzeQuerschnitt(*gelesen.querschnitt);
            QCOMPARE(ansicht(b->fenster, b->e), ansicht(a.fenster, a.e));
            QCOMPARE(b->e.Picture1->pixmap().toImage(), a.e.Picture1->pixmap().toImage());
            QCOMPARE(schreibeQuerschnittsdatei(b->e.querschnitt()), datei);
        }
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab); // where the focus is
        QCOMPARE(m_rekorder.texte(), QStringList());
    }
};

QTEST_MAIN(TestQuerschnittOeffnen)
#include "tst_querschnittoeffnen.moc"
