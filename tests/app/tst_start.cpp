// Start-up from the hand-off, the close question, the return button and the yes/no dialog.
#include "Testhilfen.h"
#include "app/Form7.h"
#include "app/Start.h"
#include "fenster/Hauptform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

class TestStart : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsuite> m_suite;
    std::unique_ptr<Meldungsrekorder> m_rekorder;
    std::unique_ptr<Hauptform> m_form;
    QList<QStringList> m_gestartet;

    // Writes the hand-off (none for a null name) and starts a new main window.
    bool starte(const QString& name, const QString& sprache = "D")
    {
        if (!name.isNull())
            m_suite->übergabe(('"' + name + "\"\r\n\"" + sprache + "\"\r\n").toUtf8());
        m_form = std::make_unique<Hauptform>();
        return m_form->starte(m_suite->exefiles());
    }

private slots:
    void init()
    {
        m_suite = std::make_unique<Testsuite>();
        m_rekorder = std::make_unique<Meldungsrekorder>();
        m_gestartet.clear();
        programmstarter() = [this](const QString& p, const QString& v) {
            m_gestartet.append({p, v});
            return true;
        };
    }
    void cleanup()
    {
        m_form.reset();
        m_rekorder.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    // The hand-off is taken; closing asks; the return button leaves the hand-off and starts TarvelloMain.
    void startUndRueckkehr()
    {
        QVERIFY(starte("Jörg Müller", "E"));
        QVERIFY(m_rekorder->gezeigt.empty());
        QCOMPARE(QDir::currentPath(), m_suite->daten() + "/Jörg Müller");
        QVERIFY(!QFile::exists(m_suite->daten() + "/inifile2"));
        // The window speaks English and the dialog buttons come from the message file.
        QCOMPARE(m_form->tastenreihe[9]->text(), QStringLiteral("Back"));
        QCOMPARE(m_form->dialog.jatext + m_form->dialog.neintext, QStringLiteral("YesNo"));
        m_form->show();
        m_rekorder->antwort = 7;
        QVERIFY(!m_form->close());
        QCOMPARE(m_rekorder->fragen, QStringList{m_form->holeMessage(1000)});
        QCOMPARE(m_rekorder->fokus, QList<int>{2});
        QTest::mouseClick(m_form->tastenreihe[9], Qt::LeftButton);
        QCOMPARE(m_rekorder->fragen.size(), 1);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(leseDatei(m_suite->daten() + "/inifile2"), QByteArray("\"J\xC3\xB6rg M\xC3\xBCller\"\r\n\"E\"\r\n"));
        const QString exefiles = QDir::cleanPath(m_suite->exefiles());
        QCOMPARE(m_gestartet, (QList<QStringList>{{exefiles + "/" + programmdatei("TarvelloMain"), exefiles}}));
    }

    void ohneUebergabeKeinStart()
    {
        QVERIFY(!starte(QString()));
        QCOMPARE(m_rekorder->texte(), QStringList{"Start nur/only via Tarvello"});
    }

    void inifileNenntDatenverzeichnis()
    {
        QTemporaryDir anderswo;
        schreibeDatei(m_suite->exefiles() + "/inifile", ('"' + anderswo.path() + "\"\r\n").toUtf8());
        schreibeDatei(anderswo.path() + "/inifile2", "\"BEARBEITER\",\"D\"\r\n");
        QVERIFY(starte(QString()));
        QCOMPARE(m_form->pathben, anderswo.path() + "/BEARBEITER");
        // No text files there: told, and the two answers still differ.
        QVERIFY(m_rekorder->texte().contains("Printtxt-File  fehlt/ missing"));
        QCOMPARE(m_form->dialog.jatext + m_form->dialog.neintext, QStringLiteral("Ja/YesNein/No"));
        // A data directory that is missing is reported, never made up.
        const QString fehlt = anderswo.path() + "/gibt es nicht";
        schreibeDatei(m_suite->exefiles() + "/inifile", ('"' + fehlt + "\"\r\n").toUtf8());
        m_rekorder->gezeigt.clear();
        QVERIFY(!starte(QString()));
        QCOMPARE(m_rekorder->texte(), QStringList{"Datenverzeichnis fehlt/Data directory missing: " + QDir::toNativeSeparators(fehlt)});
        QVERIFY(!QFile::exists(fehlt));
    }

    // The settings file names the data directory and the texts folder; relative paths count from the
    // installation directory, "{B}" below, and "{U}" is the user's own data directory.
    void ordnerAusInifile_data()
    {
        QTest::addColumn<QByteArray>("inifile");
        QTest::addColumn<QString>("benutzer");
        QTest::addColumn<QString>("path0");
        QTest::addColumn<QString>("pathtext");
        QTest::addColumn<bool>("eigen");
        QTest::newRow("keine") << QByteArray() << "{U}" << "{B}/Daten" << "{B}/Daten/TEXTE" << false;
        QTest::newRow("leer") << QByteArray("\"\",\"\"\r\n") << "{U}" << "{B}/Daten" << "{B}/Daten/TEXTE" << false;
        QTest::newRow("absolut") << QByteArray("/srv/daten/\r\n") << "{U}" << "/srv/daten" << "/srv/daten/TEXTE" << false;
        QTest::newRow("relativ") << QByteArray("\"../Gemeinsam\"") << "{U}" << "{B}/../Gemeinsam" << "{B}/../Gemeinsam/TEXTE" << false;
        QTest::newRow("nur texte") << QByteArray(",/opt/texte") << "{U}" << "{B}/Daten" << "/opt/texte" << false;
        QTest::newRow("paket") << QByteArray("\"<Benutzerdaten>\",\"../../share/tarvello/TEXTE\"\r\n") << "{U}"
                               << "{U}" << "{B}/../../share/tarvello/TEXTE" << true;
        QTest::newRow("ohne heim") << QByteArray("<Benutzerdaten>,/opt/texte") << "" << "" << "/opt/texte" << true;
    }
    void ordnerAusInifile()
    {
        QFETCH(QByteArray, inifile);
        QFETCH(QString, benutzer);
        QFETCH(QString, path0);
        QFETCH(QString, pathtext);
        QFETCH(bool, eigen);
        const QString basis = m_suite->wurzel.path() + "/usr/lib/tarvello";
        const QString heim = m_suite->wurzel.path() + "/heim/.local/share/tarvello";
        const auto setze = [&](QString s) { return QDir::cleanPath(s.replace("{B}", basis).replace("{U}", heim)); };
        if (!inifile.isNull())
            schreibeDatei(basis + "/exefiles/inifile", inifile);
        const Datenordner ordner = bestimmeDatenordner(basis, benutzer.isEmpty() ? QString() : setze(benutzer));
        QCOMPARE(ordner.path0, path0.isEmpty() ? QString() : setze(path0));
        QCOMPARE(ordner.pathtext, setze(pathtext));
        QCOMPARE(ordner.benutzereigen, eigen);
    }

    // Installed for every user: the texts come from the shared folder, the editor folder and the
    // hand-off lie in the user's own data directory, nothing is written beside the programs.
    void benutzerdatenNebenGemeinsamenTexten()
    {
        QTemporaryDir heim;
        qputenv("XDG_DATA_HOME", heim.path().toUtf8());
        schreibeDatei(m_suite->exefiles() + "/inifile", "\"<Benutzerdaten>\",\"Daten/TEXTE\"\r\n");
        schreibeDatei(heim.path() + "/tarvello/inifile2", "\"Anna\"\r\n\"E\"\r\n");
        QVERIFY(starte(QString()));
        QCOMPARE(m_form->pathben, heim.path() + "/tarvello/Anna");
        QCOMPARE(m_form->pathtext, m_suite->texte());
        QCOMPARE(m_form->tastenreihe[9]->text(), QStringLiteral("Back"));
        QVERIFY(!QFile::exists(heim.path() + "/tarvello/inifile2"));
        QCOMPARE(QDir(m_suite->daten()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"TEXTE"});
        QCOMPARE(QDir(m_suite->exefiles()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"inifile"});
    }

    // Each name the folder or the engine's command line cannot carry, with its reason.
    void unzulaessigerBearbeiter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("grund");
        QTest::newRow("leer") << "  " << 51;
        QTest::newRow("65 zeichen") << QString(65, u'x') << 52;
        QTest::newRow("64 zeichen") << QString(64, u'x') << 0;
        QTest::newRow("eltern") << ".." << 53;
        QTest::newRow("schraegstrich") << "a/b" << 53;
        QTest::newRow("punkt am ende") << "Anna." << 53;
        QTest::newRow("TEXTE") << "texte" << 54;
        QTest::newRow("geraet") << "NUL.txt" << 54;
        QTest::newRow("datei") << "Anna" << 55;
        QTest::newRow("leerzeichen innen") << "Anna Berg" << 0;
    }
    void unzulaessigerBearbeiter()
    {
        QFETCH(QString, name);
        QFETCH(int, grund);
        schreibeDatei(m_suite->daten() + "/Anna", "eine Datei, kein Ordner");
        QCOMPARE(starte(name), grund == 0);
        if (grund == 0)
            return;
        QCOMPARE(m_rekorder->texte(), QStringList{m_form->holeMessage(41) + u'\n' + m_form->holeMessage(grund)});
        QCOMPARE(QDir(m_suite->daten()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"TEXTE"});
    }

    void zweiFensterEinOrdner()
    {
        QVERIFY(starte("Anna"));
        auto erstes = std::move(m_form);
        QVERIFY(!starte("Anna"));
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        QVERIFY(m_rekorder->gezeigt[0].text.startsWith(m_form->holeMessage(46) + u' ' +
                                                       QDir::toNativeSeparators(m_suite->daten() + "/Anna")));
        // The folder is free again once the first window has gone.
        erstes.reset();
        QVERIFY(starte("Anna"));
    }

    void dialogFokusUndAntwort()
    {
        for (const int fokus : {1, 2}) {
            Dialogvariablen v;
            v.fragetext = "Programm beenden?";
            v.focustaste = qint16(fokus);
            v.jatext = "Yes";
            Form7 dialog(v);
            QCOMPARE(dialog.Label1(1)->text() + dialog.Commandtaste(1)->text(), QStringLiteral("Programm beenden?Yes"));
            bool offen = false;
            QTimer::singleShot(0, &dialog, [&] {
                // Neither Escape nor the close box leaves the dialog; Return answers with the focused button.
                QTest::keyClick(&dialog, Qt::Key_Escape);
                dialog.close();
                offen = dialog.isVisible();
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            });
            dialog.exec();
            QVERIFY(offen);
            QCOMPARE(v.iantwort, qint16(fokus == 1 ? 6 : 7));
        }
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
