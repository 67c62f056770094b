// The launcher: languages offered, hand-off written, program started from exefiles.
#include "Startfenster.h"
#include "Testhilfen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestTarvelloMain : public QObject {
    Q_OBJECT

    QList<QStringList> m_gestartet;
    bool m_startGelingt = true;

private slots:
    void init()
    {
        m_gestartet.clear();
        m_startGelingt = true;
        programmstarter() = [this](const QString& p, const QString& v) {
            m_gestartet.append({p, v});
            return m_startGelingt;
        };
    }

    void sprachenAusDenTextdateien()
    {
        Testsuite suite;
        QCOMPARE(verfuegbareSprachen(suite.texte()), (QStringList{"D", "E"}));
        schreibeDatei(suite.texte() + "/Hauptform.F", "#1\r\n\"t$Titre\"\r\n");
        schreibeDatei(suite.texte() + "/Hauptform.DE", "");
        QCOMPARE(verfuegbareSprachen(suite.texte()), (QStringList{"D", "E", "F"}));
    }

    void startSchreibtUebergabe()
    {
        Testsuite suite;
        Meldungsrekorder rekorder;
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        QCOMPARE(fenster.Bearbeiterfeld->text(), QStringLiteral("BEARBEITER"));
        QCOMPARE(fenster.Sprachliste->currentText(), QStringLiteral("D – Deutsch"));
        QCOMPARE(fenster.sprache(), QStringLiteral("D"));
        QCOMPARE(fenster.Starttaste->text(), QStringLiteral("Start"));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        fenster.Bearbeiterfeld->selectAll();
        QTest::keyClicks(fenster.Bearbeiterfeld, "J");
        fenster.Bearbeiterfeld->insert(QStringLiteral("örg Müller"));
        fenster.Sprachliste->setCurrentIndex(1);
        QCOMPARE(fenster.Endetaste->text(), QStringLiteral("Exit"));
        QTest::mouseClick(fenster.Starttaste, Qt::LeftButton);
        QVERIFY(rekorder.gezeigt.empty());
        QVERIFY(!fenster.isVisible());
        QCOMPARE(leseDatei(suite.daten() + "/inifile2"), QByteArray("\"J\xC3\xB6rg M\xC3\xBCller\"\r\n\"E\"\r\n"));
        QCOMPARE(m_gestartet.size(), 1);
        QCOMPARE(m_gestartet[0][0], QDir::cleanPath(suite.exefiles()) + "/" + programmdatei("TarvelloQuerschnitt"));
        QCOMPARE(m_gestartet[0][1], QDir::cleanPath(suite.exefiles()));
    }

    void zeigtDieLetzteUebergabe()
    {
        Testsuite suite;
        suite.übergabe("\"Anna\"\r\n\"E\"\r\n");
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        QCOMPARE(fenster.Bearbeiterfeld->text(), QStringLiteral("Anna"));
        QCOMPARE(fenster.sprache(), QStringLiteral("E"));
        QCOMPARE(fenster.Starttaste->text(), QStringLiteral("Start"));
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Tarvello – Crane Runway Girders"));
    }

    void verweigertBoesenNamenUndMeldetStartfehler()
    {
        Testsuite suite;
        Meldungsrekorder rekorder;
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        // Refused with its reason before anything is written or started.
        fenster.Bearbeiterfeld->setText("a?b");
        QVERIFY(!fenster.starteQuerschnitt());
        QVERIFY(!QFile::exists(suite.daten() + "/inifile2"));
        QVERIFY(m_gestartet.isEmpty());
        QCOMPARE(rekorder.texte(), QStringList{fenster.text(6) + u'\n' + fenster.text(12)});

        fenster.Bearbeiterfeld->setText("Anna");
        m_startGelingt = false;
        QVERIFY(!fenster.starteQuerschnitt());
        QCOMPARE(rekorder.gezeigt.size(), size_t(2));
        QVERIFY(rekorder.gezeigt[1].text.contains(programmdatei("TarvelloQuerschnitt")));
    }
};

QTEST_MAIN(TestTarvelloMain)
#include "tst_tarvellomain.moc"
