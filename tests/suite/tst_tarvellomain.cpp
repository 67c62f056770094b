// The launcher: languages offered, hand-off written, program started from exefiles.
#include "Startfenster.h"
#include "Testhilfen.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

class TestTarvelloMain : public QObject {
    Q_OBJECT

    QList<QStringList> m_gestartet;

private slots:
    void init()
    {
        m_gestartet.clear();
        programmstarter() = [this](const QString& p, const QString& v) {
            m_gestartet.append({p, v});
            return true;
        };
    }

    // Languages from the window text files; the last hand-off is offered and the new one written.
    void startSchreibtUebergabe()
    {
        Testsuite suite;
        schreibeDatei(suite.texte() + "/Hauptform.F", "#1\r\n\"t$Titre\"\r\n");
        schreibeDatei(suite.texte() + "/Hauptform.DE", "");
        QCOMPARE(verfuegbareSprachen(suite.texte()), (QStringList{"D", "E", "F"}));
        suite.uebergabe("\"Anna\"\r\n\"E\"\r\n");
        Meldungsrekorder rekorder;
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        QCOMPARE(fenster.Bearbeiterfeld->text() + fenster.sprache(), QStringLiteral("AnnaE"));
        QCOMPARE(fenster.Endetaste->text(), QStringLiteral("Exit"));
        fenster.show();
        fenster.Bearbeiterfeld->setText(QStringLiteral(" Jörg Müller "));
        QTest::mouseClick(fenster.Starttaste, Qt::LeftButton);
        QVERIFY(rekorder.gezeigt.empty());
        QVERIFY(!fenster.isVisible());
        QCOMPARE(leseDatei(suite.daten() + "/inifile2"), QByteArray("\"J\xC3\xB6rg M\xC3\xBCller\"\r\n\"E\"\r\n"));
        const QString exefiles = QDir::cleanPath(suite.exefiles());
        QCOMPARE(m_gestartet, (QList<QStringList>{{exefiles + "/" + programmdatei("TarvelloQuerschnitt"), exefiles}}));
    }

    // Installed for every user: the user's own data directory is made at the first start and takes the hand-off.
    void benutzerdatenBeimErstenStart()
    {
        Testsuite suite;
        QTemporaryDir heim;
        qputenv("XDG_DATA_HOME", heim.path().toUtf8());
        schreibeDatei(suite.exefiles() + "/inifile", "\"<Benutzerdaten>\",\"Daten/TEXTE\"\r\n");
        Meldungsrekorder rekorder;
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(fenster.Endetaste->text(), QStringLiteral("Beenden"));
        fenster.Bearbeiterfeld->setText("Anna");
        QVERIFY(fenster.starteQuerschnitt());
        QVERIFY(rekorder.gezeigt.empty());
        QCOMPARE(leseDatei(heim.path() + "/tarvello/inifile2"), QByteArray("\"Anna\"\r\n\"D\"\r\n"));
        QVERIFY(!QFile::exists(suite.daten() + "/inifile2"));
    }

    // A data directory named in the settings is never made up; a language the last hand-off
    // names but no longer installed gives way to the first one.
    void fehlenderOrdnerUndSprache()
    {
        Testsuite suite;
        suite.uebergabe("\"Anna\"\r\n\"F\"\r\n");
        Meldungsrekorder rekorder;
        QCOMPARE(Startfenster(bestimmeSuitenordner(suite.exefiles())).sprache(), QStringLiteral("D"));
        const QString fehlt = suite.wurzel.path() + "/fehlt";
        schreibeDatei(suite.exefiles() + "/inifile", ('"' + fehlt + "\"\r\n").toUtf8());
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        fenster.Bearbeiterfeld->setText("Anna");
        QVERIFY(!fenster.starteQuerschnitt());
        QCOMPARE(rekorder.texte(), QStringList{fenster.text(15) + u' ' + QDir::toNativeSeparators(fehlt)});
        QVERIFY(!QFileInfo::exists(fehlt) && m_gestartet.isEmpty());
    }

    // A shortcut names the editor and the language and goes straight on to the cross-section program.
    void aufrufMitSprache()
    {
        Testsuite suite;
        suite.uebergabe("\"Anna\"\r\n\"E\"\r\n");
        const QString programm = suite.exefiles() + "/" + programmdatei("TarvelloMain");
        QVERIFY(QFile::copy(QStringLiteral(TARVELLOMAIN), programm));
        const QString querschnitt = suite.exefiles() + "/" + programmdatei("TarvelloQuerschnitt");
        schreibeDatei(querschnitt, "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(querschnitt, QFile::permissions(querschnitt) | QFile::ExeOwner);
        QProcess aufruf;
        aufruf.start(programm, {"--bearbeiter", "Berta", "--sprache", "D", "--start"});
        QVERIFY(aufruf.waitForFinished(30000));
        QCOMPARE(aufruf.exitCode(), 0);
        QCOMPARE(leseDatei(suite.daten() + "/inifile2"), QByteArray("\"Berta\"\r\n\"D\"\r\n"));
    }

    void verweigertBoesenNamenUndMeldetStartfehler()
    {
        Testsuite suite;
        Meldungsrekorder rekorder;
        Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
        // Refused with its reason before anything is written or started.
        fenster.Bearbeiterfeld->setText("a?b");
        QVERIFY(!fenster.starteQuerschnitt());
        QVERIFY(!QFile::exists(suite.daten() + "/inifile2") && m_gestartet.isEmpty());
        QCOMPARE(rekorder.texte(), QStringList{fenster.text(6) + u'\n' + fenster.text(12)});

        fenster.Bearbeiterfeld->setText("Anna");
        programmstarter() = [](const QString&, const QString&) { return false; };
        QVERIFY(!fenster.starteQuerschnitt());
        QVERIFY(rekorder.texte().last().contains(programmdatei("TarvelloQuerschnitt")));
    }
};

QTEST_MAIN(TestTarvelloMain)
#include "tst_tarvellomain.moc"
