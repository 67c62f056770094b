// The launcher: languages offered, hand-off written, program started from exefiles.
#include "Startfenster.h"
#include "Testhilfen.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <tuple>

class TestTarvelloMain : public QObject {
    Q_OBJECT

    QList<QStringList> m_gestartet;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
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
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
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
    // names but no longer installed gives way to the user's own.
    void fehlenderOrdnerUndSprache()
    {
        Testsuite suite;
        suite.uebergabe("\"Anna\"\r\n\"F\"\r\n");
        Meldungsrekorder rekorder;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::Ireland));
        QCOMPARE(Startfenster(bestimmeSuitenordner(suite.exefiles())).sprache(), QStringLiteral("E"));
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

    // The language of a first start is the user's; the last start's editor and language come back
    // although the cross-section program took the hand-off away; the one asked for wins.
    void spracheUndLetzterStart()
    {
        const QStringList de{"D", "E"};
        QCOMPARE(startsprache("", "", QLocale(QLocale::German, QLocale::Switzerland), de), QStringLiteral("D"));
        QCOMPARE(startsprache("", "", QLocale(QLocale::French, QLocale::France), de), QStringLiteral("E"));
        QCOMPARE(startsprache("", "", QLocale::c(), de), QStringLiteral("E"));
        QCOMPARE(startsprache("", "E", QLocale(QLocale::German), de), QStringLiteral("E"));
        QCOMPARE(startsprache("D", "E", QLocale(QLocale::English), de), QStringLiteral("D"));
        QCOMPARE(startsprache("X", "Y", QLocale(QLocale::German), {"E", "F"}), QStringLiteral("E"));

        Testsuite suite;
        Meldungsrekorder rekorder;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        {
            Startfenster fenster(bestimmeSuitenordner(suite.exefiles()));
            QCOMPARE(fenster.Bearbeiterfeld->text() + '|' + fenster.sprache(), QStringLiteral("|E"));
            fenster.Bearbeiterfeld->setText("Berta");
            fenster.Sprachliste->setCurrentIndex(fenster.Sprachliste->findData("D"));
            QVERIFY(fenster.starteQuerschnitt());
        }
        QFile::remove(suite.daten() + "/inifile2"); // taken by the cross-section program
        Startfenster wieder(bestimmeSuitenordner(suite.exefiles()));
        QCOMPARE(wieder.Bearbeiterfeld->text() + '|' + wieder.sprache(), QStringLiteral("Berta|D"));
        // Qt's own buttons speak the language chosen.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        wieder.Sprachliste->setCurrentIndex(wieder.Sprachliste->findData("E"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        // The memory is one of the data directory's own files: no editor may take its name.
        QCOMPARE(pruefeBearbeiter(kLetzterStart, suite.daten()), Namensfehler::Reserviert);
        QVERIFY(rekorder.gezeigt.empty());
    }

    // The command line: help in the language asked for or the user's, English options with the German
    // ones as aliases; a section file goes to the last editor at once, with its absolute path.
    void befehlszeile()
    {
        Testsuite suite;
        const QString programm = suite.exefiles() + "/" + programmdatei("TarvelloMain");
        QVERIFY(QFile::copy(QStringLiteral(TARVELLOMAIN), programm));
        const QString querschnitt = suite.exefiles() + "/" + programmdatei("TarvelloQuerschnitt");
        schreibeDatei(querschnitt, "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(querschnitt, QFile::permissions(querschnitt) | QFile::ExeOwner);
        const auto rufe = [&](const QStringList& argumente, const QString& lang, const QString& ordner = QString()) {
            QProcess aufruf;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert("LANG", lang);
            umgebung.remove("LC_ALL");
            umgebung.remove("LC_MESSAGES");
            aufruf.setProcessEnvironment(umgebung);
            if (!ordner.isEmpty())
                aufruf.setWorkingDirectory(ordner);
            aufruf.start(programm, argumente);
            return aufruf.waitForFinished(30000) && aufruf.exitCode() == 0 ? QString::fromUtf8(aufruf.readAllStandardOutput())
                                                                           : QStringLiteral("gescheitert");
        };
        for (const auto& [argumente, lang, erwartet] :
             {std::tuple{QStringList{"--help"}, "de_DE.UTF-8", "Name des Bearbeiters"},
              std::tuple{QStringList{"--help"}, "C", "Name of the editor"},
              std::tuple{QStringList{"--help", "--language", "D"}, "en_GB.UTF-8", "Name des Bearbeiters"},
              std::tuple{QStringList{"--help", "--sprache", "E"}, "de_AT.UTF-8", "Name of the editor"}}) {
            const QString hilfe = rufe(argumente, lang);
            QVERIFY2(hilfe.contains(erwartet) && hilfe.contains("--editor") && hilfe.contains("--bearbeiter") &&
                         hilfe.contains("--language") && hilfe.contains("--start") &&
                         (hilfe.contains("tarvello compute --help") || hilfe.contains("tarvello rechnen --help")),
                     qPrintable(hilfe));
        }
        QVERIFY(rufe({"--editor", "Carla", "--language", "E", "--start"}, "C") != "gescheitert");
        QCOMPARE(leseDatei(suite.daten() + "/inifile2"), QByteArray("\"Carla\"\r\n\"E\"\r\n"));
        QFile::remove(suite.daten() + "/inifile2");
        // Opened from the file manager in another folder: no window, the last editor and language.
        QVERIFY(rufe({"Träger.tqs"}, "de_DE.UTF-8", suite.wurzel.path()) != "gescheitert");
        QCOMPARE(QString::fromUtf8(leseDatei(suite.daten() + "/inifile2")),
                 "\"Carla\"\r\n\"E\"\r\n\"" + suite.wurzel.path() + "/Träger.tqs\"\r\n");
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
