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
#include <QRadioButton>
#include <QTest>

class TestRechenkernlauf : public QObject {
    Q_OBJECT

    // A suite with the stand-in as its engine and an editor folder with a blank in its name.
    struct Lauf {
        Testsuite suite;
        QString pathben = suite.daten() + "/Anna Berg";
        Rechenkernlauf kern;
        Lauf(const char* art)
        {
            qputenv("TARVELLO_ATTRAPPE", art);
            QFile::copy(RECHENKERN_ATTRAPPE, suite.exefiles() + "/" + programmdatei("Delmarix"));
            QDir().mkpath(pathben);
        }
        bool starte()
        {
            schreibeDatei(übergabedatei(pathben, 2), "1\r\n");
            setzeVerzeichnis(suite.exefiles(), true);
            return kern.starte(übergabedatei(pathben, 2), übergabedatei(pathben, 1));
        }
    };

    // A window in German with form 1 filled in, computed once with the real engine.
    struct Fenster {
        Testsuite suite;
        Meldungsrekorder rekorder;
        Hauptform form;
        Fenster()
        {
            QFile::copy(DELMARIX, suite.exefiles() + "/" + programmdatei("Delmarix"));
            suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
            form.starte(suite.exefiles());
            form.show();
            Eingabeseite& e = *form.eingabe;
            QTest::mouseClick(e.Option1[0], Qt::LeftButton, {}, QPoint(6, 8));
            const int index = e.Querschnitt->findData(1);
            e.Querschnitt->setCurrentIndex(index);
            emit e.Querschnitt->activated(index);
            const std::pair<int, const char*> werte[] = {{0, "500"}, {1, "20"}, {2, "500"}, {3, "20"},
                                                         {4, "1000"}, {5, "10"}, {7, "400"}};
            for (const auto& [i, w] : werte)
                e.Abmessung[size_t(i)]->setText(QString::fromLatin1(w));
        }
        ~Fenster() { form.Rückkehrmodus = 9; }
        void ersetzeRechenkern(const QByteArray& art)
        {
            qputenv("TARVELLO_ATTRAPPE", art);
            const QString ziel = suite.exefiles() + "/" + programmdatei("Delmarix");
            QFile::remove(ziel);
            QFile::copy(RECHENKERN_ATTRAPPE, ziel);
        }
        bool vorschau() const { return form.form5 && form.form5->isVisible(); }
    };

private slots:
    void cleanup() { dateischreiber() = schreibeGanzeDatei; }

    void befehlszeileMitFragezeichen()
    {
        const QString befehl = rechenkernBefehl("/d/Anna Berg/Übergabe2.dat", "/d/Anna Berg/Übergabe1.dat");
        QCOMPARE(befehl, programmdatei("Delmarix") +
                             QDir::toNativeSeparators(" /d/Anna?Berg/Übergabe2.dat /d/Anna?Berg/Übergabe1.dat"));
    }

    // The engine's end is seen as it happens, not after the time has run out.
    void ende_data()
    {
        QTest::addColumn<QByteArray>("art");
        QTest::addColumn<int>("ende");
        QTest::newRow("sofort") << QByteArray("sofort") << int(Rechenkernende::Fertig);
        QTest::newRow("spaet") << QByteArray("spaet") << int(Rechenkernende::Fertig);
        QTest::newRow("laesst Eingabe liegen") << QByteArray("nie") << int(Rechenkernende::OhneEingabeEntfernt);
        QTest::newRow("stirbt sofort") << QByteArray("absturz") << int(Rechenkernende::OhneEingabeEntfernt);
    }
    void ende()
    {
        QFETCH(QByteArray, art);
        QFETCH(int, ende);
        Lauf lauf(art.constData());
        QVERIFY(lauf.starte());
        // A clock that never moves: only the engine's own end can finish the wait.
        QCOMPARE(int(lauf.kern.warte(übergabedatei(lauf.pathben, 2), [] { return 100; })), ende);
        if (art == "sofort")
            QVERIFY(leseDatei(übergabedatei(lauf.pathben, 1)).contains("Anna?Berg"));
    }

    // More than three whole seconds on the clock, also across midnight; then the input goes.
    void zeitgrenze_data()
    {
        QTest::addColumn<int>("beginn");
        QTest::newRow("tags") << 3600;
        QTest::newRow("mitternacht") << 24 * 3600 - 2;
    }
    void zeitgrenze()
    {
        QFETCH(int, beginn);
        Lauf lauf("haengt");
        QVERIFY(lauf.starte());
        int gelesen = 0;
        const auto uhr = [&] { return (beginn + gelesen++) % (24 * 3600); };
        QCOMPARE(lauf.kern.warte(übergabedatei(lauf.pathben, 2), uhr), Rechenkernende::Zeitueberschritten);
        QCOMPARE(gelesen, 5); // the start, then 1, 2, 3 and 4 seconds later
        QVERIFY(!QFile::exists(übergabedatei(lauf.pathben, 2)));
    }

    void fehlerDesRechenkerns_data()
    {
        QTest::addColumn<QByteArray>("art");
        QTest::addColumn<int>("meldung");
        QTest::addColumn<QString>("zusatz");
        QTest::newRow("stirbt") << QByteArray("absturz") << 48 << QString();
        QTest::newRow("schreibt nichts") << QByteArray("leer") << 3 << QString();
        QTest::newRow("Fehler mit Grund") << QByteArray("fehler") << 17 << QStringLiteral("\nPlatte zu dünn");
        QTest::newRow("Unsinn") << QByteArray("sofort") << 45 << QString();
        QTest::newRow("anderer Querschnitt") << QByteArray("fremd") << 49 << QStringLiteral(" 999");
    }
    void fehlerDesRechenkerns()
    {
        QFETCH(QByteArray, art);
        QFETCH(int, meldung);
        QFETCH(QString, zusatz);
        Fenster f;
        QVERIFY(f.form.zeigeQuerschnittswerte());
        QVERIFY(f.vorschau());
        if (art == "fremd") {
            QByteArray fremd = leseDatei(übergabedatei(f.form.pathben, 1));
            fremd.replace(0, fremd.indexOf('\r'), "999");
            const QString pfad = f.suite.wurzel.path() + QStringLiteral("/fremd.dat");
            schreibeDatei(pfad, fremd);
            art = "ergebnis:" + pfad.toLocal8Bit();
        }
        f.ersetzeRechenkern(art);
        QVERIFY(!f.form.zeigeQuerschnittswerte());
        QCOMPARE(f.rekorder.texte(), QStringList{f.form.holeMessage(meldung) + zusatz});
        QVERIFY(!f.vorschau());
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
};

QTEST_MAIN(TestRechenkernlauf)
#include "tst_rechenkernlauf.moc"
