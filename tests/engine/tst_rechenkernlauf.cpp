// Faults around the calculation road, each with a stand-in engine or a file
// writer that fails: the user gets the fault's own message, and no earlier
// result is ever shown.
#include "Testhilfen.h"
#include "app/Dateien.h"
#include "app/Start.h"
#include "engine/Berechnung.h"
#include "engine/Rechenkern.h"
#include "fenster/Hauptform.h"
#include "report/Form5.h"
#include "section/Eingabeseite.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The suite's engine: the real one for an empty mode, else the stand-in in that mode.
static void setzeRechenkern(const Testsuite& suite, const QByteArray& art)
{
    qputenv("TARVELLO_ATTRAPPE", art);
    const QString ziel = suite.exefiles() + "/" + programmdatei("Delmarix");
    QFile::remove(ziel);
    QFile::copy(art.isEmpty() ? DELMARIX : RECHENKERN_ATTRAPPE, ziel);
}

class TestRechenkernlauf : public QObject {
    Q_OBJECT

    // A suite with the stand-in as its engine and an editor folder with a blank in its name.
    struct Lauf {
        Testsuite suite;
        QString pathben = suite.daten() + "/Anna Berg";
        Rechenkernlauf kern;
        Lauf(const char* art)
        {
            setzeRechenkern(suite, art);
            QDir().mkpath(pathben);
        }
        bool starte()
        {
            schreibeDatei(übergabedatei(pathben, 2), "1\r\n");
            setzeVerzeichnis(suite.exefiles(), true);
            return kern.starte(übergabedatei(pathben, 2), übergabedatei(pathben, 1));
        }
    };

    // A window in German with form 1 filled in (or HEB 300 chosen), to be computed with the real engine.
    struct Fenster {
        Testsuite suite;
        Meldungsrekorder rekorder;
        Hauptform form;
        bool walz;
        explicit Fenster(bool walzprofil = false) : walz(walzprofil)
        {
            setzeRechenkern(suite, {});
            suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
            form.starte(suite.exefiles());
            form.show();
            (void)QTest::qWaitForWindowActive(&form);
            Eingabeseite& e = *form.eingabe;
            QTest::mouseClick(e.Option1[walz ? 3 : 0], Qt::LeftButton, {}, QPoint(6, 8));
            if (walz) {
                e.Combo1[0]->setCurrentText("HEB");
                e.profillisteGeklickt(0);
                e.Combo1[1]->setCurrentText("300");
                e.profillisteGeklickt(1);
                return;
            }
            const int index = e.Querschnitt->findData(1);
            e.Querschnitt->setCurrentIndex(index);
            emit e.Querschnitt->activated(index);
            const std::pair<int, const char*> werte[] = {{0, "500"}, {1, "20"}, {2, "500"}, {3, "20"},
                                                         {4, "1000"}, {5, "10"}, {7, "400"}};
            for (const auto& [i, w] : werte)
                e.Abmessung[size_t(i)]->setText(QString::fromLatin1(w));
        }
        ~Fenster() { form.Rückkehrmodus = 9; }
        bool vorschau() const { return form.form5 && form.form5->isVisible(); }
        bool rechne() // as a user asks for it: the result button
        {
            QTest::mouseClick(form.eingabe->Trägerergebnis, Qt::LeftButton);
            return vorschau();
        }
        QString ergebnis() const { return übergabedatei(form.pathben, walz ? 3 : 1); }
    };

private slots:
    void cleanup() { dateischreiber() = schreibeGanzeDatei; }

    // The engine's end is seen as it happens, on a clock that never moves (-1). A hanging
    // engine gets more than three whole seconds on the clock, also across midnight; then its input goes.
    void ende_data()
    {
        QTest::addColumn<QByteArray>("art");
        QTest::addColumn<int>("beginn");
        QTest::addColumn<int>("ende");
        using E = Rechenkernende;
        QTest::newRow("sofort") << QByteArray("sofort") << -1 << int(E::Fertig); // blanks sent as "?"
        QTest::newRow("spaet") << QByteArray("spaet") << -1 << int(E::Fertig);
        QTest::newRow("laesst Eingabe liegen") << QByteArray("nie") << -1 << int(E::OhneEingabeEntfernt);
        QTest::newRow("stirbt sofort") << QByteArray("absturz") << -1 << int(E::OhneEingabeEntfernt);
        QTest::newRow("haengt") << QByteArray("haengt") << 3600 << int(E::Zeitueberschritten);
        QTest::newRow("haengt um Mitternacht") << QByteArray("haengt") << 24 * 3600 - 2 << int(E::Zeitueberschritten);
    }
    void ende()
    {
        QFETCH(QByteArray, art);
        QFETCH(int, beginn);
        QFETCH(int, ende);
        Lauf lauf(art.constData());
        QVERIFY(lauf.starte());
        int gelesen = 0;
        const auto uhr = [&] { return beginn < 0 ? 100 : (beginn + gelesen++) % (24 * 3600); };
        QCOMPARE(int(lauf.kern.warte(übergabedatei(lauf.pathben, 2), uhr)), ende);
        if (beginn >= 0)
            QCOMPARE(gelesen, 5); // the start, then 1, 2, 3 and 4 seconds later
        QCOMPARE(QFile::exists(übergabedatei(lauf.pathben, 2)), art == "nie" || art == "absturz");
        if (art == "sofort")
            QVERIFY(leseDatei(übergabedatei(lauf.pathben, 1)).contains("Anna?Berg"));
    }

    // After a good run, a failing one tells its own fault and shows no earlier result.
    void fehlerDesRechenkerns_data()
    {
        QTest::addColumn<QByteArray>("art");
        QTest::addColumn<int>("meldung");
        QTest::addColumn<QString>("zusatz");
        QTest::addColumn<bool>("walz");
        QTest::newRow("stirbt") << QByteArray("absturz") << 48 << QString() << false;
        QTest::newRow("schreibt nichts") << QByteArray("leer") << 3 << QString() << false;
        QTest::newRow("Walzprofil: schreibt nichts") << QByteArray("leer") << 3 << QString() << true;
        QTest::newRow("Fehler mit Grund") << QByteArray("fehler") << 17 << QStringLiteral("\nPlatte zu dünn") << false;
        QTest::newRow("Unsinn") << QByteArray("sofort") << 45 << QString() << false;
        QTest::newRow("anderer Querschnitt") << QByteArray("fremd") << 49 << QStringLiteral(" 999") << false;
        QTest::newRow("Walzprofil: anderer") << QByteArray("fremd") << 49 << QStringLiteral(" 999") << true;
    }
    void fehlerDesRechenkerns()
    {
        QFETCH(QByteArray, art);
        QFETCH(int, meldung);
        QFETCH(QString, zusatz);
        QFETCH(bool, walz);
        Fenster f(walz);
        QVERIFY(f.rechne());
        QVERIFY(f.vorschau());
        if (art == "fremd") {
            QByteArray fremd = leseDatei(f.ergebnis());
            fremd.replace(0, fremd.indexOf('\r'), "999");
            const QString pfad = f.suite.wurzel.path() + QStringLiteral("/fremd.dat");
            schreibeDatei(pfad, fremd);
            art = "ergebnis:" + pfad.toLocal8Bit();
        }
        setzeRechenkern(f.suite, art);
        QVERIFY(!f.rechne());
        QCOMPARE(f.rekorder.texte(), QStringList{f.form.holeMessage(meldung) + zusatz});
        QVERIFY(!QFile::exists(übergabedatei(f.form.pathben, 2)));
    }

    // A folder that takes no file (read-only, or a full disk), played by the file writer.
    void ordnerNimmtNichtsAuf_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("Übergabedatei") << QStringLiteral("Übergabe0.dat");
        QTest::newRow("Vorschauseite") << QStringLiteral("1.bmp");
    }
    void ordnerNimmtNichtsAuf()
    {
        QFETCH(QString, datei);
        Fenster f;
        dateischreiber() = [datei](const QString& pfad, const QByteArray& inhalt, QString& grund) {
            if (!pfad.endsWith(datei))
                return schreibeGanzeDatei(pfad, inhalt, grund);
            grund = QStringLiteral("Kein Platz auf dem Gerät");
            return false;
        };
        QVERIFY(!f.form.zeigeQuerschnittswerte());
        const QString pfad = QDir::toNativeSeparators(verbinde(datei.endsWith(".bmp") ? f.form.TMPPATH : f.form.pathben, datei));
        QCOMPARE(f.rekorder.texte(), QStringList{f.form.holeMessage(47) + u' ' + pfad + " (Kein Platz auf dem Gerät)"});
        QVERIFY(!f.vorschau());
        QCOMPARE(QFile::exists(übergabedatei(f.form.pathben, 1)), datei.endsWith(".bmp"));
    }

    // Back in the main window, the preview closes and its page file goes.
    void hauptfensterSchliesstVorschau()
    {
        Fenster f;
        QVERIFY(f.rechne());
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(&f.form, &aktiv);
        QVERIFY(!f.vorschau());
        QVERIFY(!QFile::exists(f.form.form5->bitmap(1)));
    }
};

QTEST_MAIN(TestRechenkernlauf)
#include "tst_rechenkernlauf.moc"
