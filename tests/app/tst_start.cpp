// Start-up from the hand-off, the close question, the return button and the yes/no dialog.
#include "Testhilfen.h"
#include "app/Dateiwahl.h"
#include "app/Form7.h"
#include "app/Start.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

namespace {

// The settings file names the data directory and the texts folder; relative paths count from the
// installation directory, "{B}" below, and "{U}" is the user's own data directory (none if empty).
struct Ordner { const char* name; const char* inifile; const char *benutzer, *path0, *pathtext; bool eigen; };
const Ordner kOrdner[] = {
    {"keine", nullptr, "{U}", "{B}/Daten", "{B}/Daten/TEXTE", false},
    {"leer", "\"\",\"\"\r\n", "{U}", "{B}/Daten", "{B}/Daten/TEXTE", false},
    {"absolut", "/srv/daten/\r\n", "{U}", "/srv/daten", "/srv/daten/TEXTE", false},
    {"relativ", "\"../Gemeinsam\"", "{U}", "{B}/../Gemeinsam", "{B}/../Gemeinsam/TEXTE", false},
    {"nur texte", ",/opt/texte", "{U}", "{B}/Daten", "/opt/texte", false},
    {"ohne heim", "<Benutzerdaten>,/opt/texte", "", "", "/opt/texte", true},
};

// Each name the folder or the engine's command line cannot carry, with its reason (0: taken).
struct Name { const char* name; QString bearbeiter; int grund; };
const Name kNamen[] = {
    {"leer", "  ", 51},          {"65 zeichen", QString(65, u'x'), 52}, {"64 zeichen", QString(64, u'x'), 0},
    {"eltern", "..", 53},        {"schraegstrich", "a/b", 53},          {"punkt am ende", "Anna.", 53},
    {"TEXTE", "texte", 54},      {"geraet", "NUL.txt", 54},             {"geraet mit ziffer", "com1.txt", 54},
    {"steuerzeichen", "a\x7F" "b", 53}, {"datei", "Anna", 55},
    {"leerzeichen innen", "Anna Berg", 0},
};

} // namespace

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
            m_suite->uebergabe(('"' + name + "\"\r\n\"" + sprache + "\"\r\n").toUtf8());
        m_form = std::make_unique<Hauptform>();
        return m_form->starte(m_suite->exefiles());
    }
    QStringList ordner(const QString& pfad) const { return QDir(pfad).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

private slots:
    void init()
    {
        m_suite = std::make_unique<Testsuite>();
        m_rekorder = std::make_unique<Meldungsrekorder>();
        m_gestartet.clear();
        programmstarter() = [this](const QString& p, const QString& v) { return m_gestartet.append({p, v}), true; };
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
        const QString arbeitsordner = QDir::currentPath();
        QVERIFY(starte("Jörg Müller", "E"));
        QVERIFY(m_rekorder->gezeigt.empty());
        // The editor's folder is made; the process stays in the folder it was started in.
        QVERIFY(QFileInfo(m_suite->daten() + "/Jörg Müller").isDir());
        QCOMPARE(QDir::currentPath(), arbeitsordner);
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

    // Nothing starts without the hand-off. The editor folder lies in the data directory the settings
    // name; without text files there the missing one is told and the two answers still differ. A
    // data directory that is missing is reported, never made up.
    void inifileNenntDatenverzeichnis()
    {
        QTemporaryDir anderswo;
        schreibeDatei(m_suite->exefiles() + "/inifile", ('"' + anderswo.path() + "\"\r\n").toUtf8());
        QVERIFY(!starte(QString()));
        QCOMPARE(m_rekorder->texte(), QStringList{"Start nur/only via Tarvello"});
        m_rekorder->gezeigt.clear();
        schreibeDatei(anderswo.path() + "/inifile2", "\"BEARBEITER\",\"D\"\r\n");
        QVERIFY(starte(QString()));
        QCOMPARE(m_form->pathben, anderswo.path() + "/BEARBEITER");
        QVERIFY(m_rekorder->texte().contains("Printtxt-File  fehlt/ missing"));
        QCOMPARE(m_form->dialog.jatext + m_form->dialog.neintext, QStringLiteral("Ja/YesNein/No"));
        const QString fehlt = anderswo.path() + "/gibt es nicht";
        schreibeDatei(m_suite->exefiles() + "/inifile", ('"' + fehlt + "\"\r\n").toUtf8());
        m_rekorder->gezeigt.clear();
        QVERIFY(!starte(QString()));
        QCOMPARE(m_rekorder->texte(), QStringList{"Datenverzeichnis fehlt/Data directory missing: " + QDir::toNativeSeparators(fehlt)});
        QVERIFY(!QFile::exists(fehlt));
    }

    void ordnerAusInifile_data() { zeilen(kOrdner); }
    void ordnerAusInifile()
    {
        const Ordner& o = fall(kOrdner);
        const QString basis = m_suite->wurzel.path() + "/usr/lib/tarvello";
        const QString heim = m_suite->wurzel.path() + "/heim/.local/share/tarvello";
        const auto setze = [&](const char* s) {
            return *s ? QDir::cleanPath(QString::fromUtf8(s).replace("{B}", basis).replace("{U}", heim)) : QString();
        };
        if (o.inifile)
            schreibeDatei(basis + "/exefiles/inifile", o.inifile);
        const Datenordner ordner = bestimmeDatenordner(basis, setze(o.benutzer));
        QCOMPARE(ordner.path0, setze(o.path0));
        QCOMPARE(ordner.pathtext, setze(o.pathtext));
        QCOMPARE(ordner.benutzereigen, o.eigen);
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
        QCOMPARE(ordner(m_suite->daten()) + ordner(m_suite->exefiles()), (QStringList{"TEXTE", "inifile"}));
    }

    // Installed for every user, sections and PDFs go where the file manager shows them: "Tarvello" in the
    // documents folder the user's desktop names, made when first needed; the data directory keeps only the
    // working files. A suite in a folder of its own keeps them in the editor's folder.
    void ablageInDenDokumenten()
    {
        QTemporaryDir heim;
        const QByteArray altHome = qgetenv("HOME");
        qputenv("HOME", heim.path().toUtf8());
        qputenv("XDG_DATA_HOME", (heim.path() + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (heim.path() + "/.config").toUtf8());
        schreibeDatei(heim.path() + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
        schreibeDatei(m_suite->exefiles() + "/inifile", "\"<Benutzerdaten>\",\"Daten/TEXTE\"\r\n");
        schreibeDatei(heim.path() + "/.local/share/tarvello/inifile2", "\"Anna\"\r\n\"D\"\r\n");
        const bool gestartet = starte(QString());
        qputenv("HOME", altHome);
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(gestartet);
        const QString dokumente = heim.path() + "/Dokumente/Tarvello";
        QCOMPARE(m_form->ablage, dokumente);
        QVERIFY(!QFileInfo::exists(dokumente));
        QString angeboten;
        dateiwahl() = [&angeboten](QWidget*, Dateiwahlart, const QString&, const QString& ordner, const QString&) {
            angeboten = ordner;
            return QString();
        };
        QVERIFY(!m_form->dokument->speichere());
        QCOMPARE(angeboten, dokumente);
        QVERIFY(QFileInfo(dokumente).isDir());
        m_form->Rueckkehrmodus = 9;
        m_form.reset();
        QFile::remove(m_suite->exefiles() + "/inifile");
        QVERIFY(starte("Anna"));
        QCOMPARE(m_form->ablage, m_suite->daten() + "/Anna");
    }

    // The XDG base directory rule: $XDG_DATA_HOME only when absolute, else ~/.local/share; no absolute
    // home (unset, relative, the root): no folder at all rather than one in the root or the working folder.
    void benutzerdatenNachXdg()
    {
        QCOMPARE(benutzerdatenordnerAus("/daten/xdg/", "/home/anna"), QStringLiteral("/daten/xdg/tarvello"));
        QCOMPARE(benutzerdatenordnerAus("daten/xdg", "/home/anna"), QStringLiteral("/home/anna/.local/share/tarvello"));
        QCOMPARE(benutzerdatenordnerAus(QString(), "/home/anna"), QStringLiteral("/home/anna/.local/share/tarvello"));
        QCOMPARE(benutzerdatenordnerAus("daten", QString()), QString());
        QCOMPARE(benutzerdatenordnerAus(QString(), "anna"), QString());
        QCOMPARE(benutzerdatenordnerAus(QString(), "/"), QString());
    }

    void unzulaessigerBearbeiter_data() { zeilen(kNamen); }
    void unzulaessigerBearbeiter()
    {
        const Name& n = fall(kNamen);
        schreibeDatei(m_suite->daten() + "/Anna", "eine Datei, kein Ordner");
        QCOMPARE(starte(n.bearbeiter), n.grund == 0);
        if (n.grund == 0)
            return;
        QCOMPARE(m_rekorder->texte(), QStringList{m_form->holeMessage(41) + u'\n' + m_form->holeMessage(n.grund)});
        QCOMPARE(QDir(m_suite->daten()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"TEXTE"});
    }

    // The page bitmaps go to the system's shared temporary folder where it exists and holds a file,
    // else to the editor's folder.
    void ordnerFuerSeitenbilder()
    {
        QTemporaryDir temp;
        QCOMPARE(bestimmeTmppath("/ben", QString()), QStringLiteral("/ben"));
        QCOMPARE(bestimmeTmppath("/ben", temp.path()), QStringLiteral("/ben"));
        schreibeDatei(temp.path() + "/in Gebrauch", "x");
        QCOMPARE(bestimmeTmppath("/ben", temp.path()), temp.path());
    }

    // One window per editor folder; the folder is free again once the first window has gone.
    void zweiFensterEinOrdner()
    {
        QVERIFY(starte("Anna"));
        auto erstes = std::move(m_form);
        QVERIFY(!starte("Anna"));
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        QVERIFY(m_rekorder->gezeigt[0].text.startsWith(m_form->holeMessage(46) + u' ' +
                                                       QDir::toNativeSeparators(m_suite->daten() + "/Anna")));
        erstes.reset();
        QVERIFY(starte("Anna"));
    }

    // Return answers with the focused button; Escape and the close box answer Cancel where the question
    // has one, else No.
    void dialogFokusUndAntwort()
    {
        struct Fall { int fokus; const char* abbrechen; bool escape; bool schliessen; qint16 antwort; };
        for (const Fall& fall : {Fall{1, "", false, false, 6}, Fall{2, "", false, false, 7}, Fall{1, "", true, false, 7},
                                 Fall{1, "Cancel", true, false, 2}, Fall{1, "Cancel", false, true, 2},
                                 Fall{2, "", false, true, 7}}) {
            Dialogvariablen v;
            v.fragetext = "Programm beenden?";
            v.focustaste = qint16(fall.fokus);
            v.jatext = "Yes";
            v.abbrechentext = fall.abbrechen;
            Form7 dialog(v);
            QCOMPARE(dialog.Label1(1)->text() + dialog.Commandtaste(1)->text(), QStringLiteral("Programm beenden?Yes"));
            QTimer::singleShot(0, &dialog, [&] {
                QCOMPARE(dialog.Commandtaste(3)->isVisible(), !v.abbrechentext.isEmpty());
                if (fall.escape)
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else if (fall.schliessen)
                    dialog.close();
                else
                    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            });
            dialog.exec();
            QCOMPARE(v.iantwort, fall.antwort);
        }
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
