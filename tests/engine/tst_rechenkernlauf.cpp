// Faults around the calculation road, each with a stand-in engine or a file
// writer that fails: the user gets the fault's own message, and no earlier
// result is ever shown.
#include "../tools/bilder/Beispieleingabe.h"
#include "Testhilfen.h"
#include "app/Dateien.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "engine/Berechnung.h"
#include "engine/Rechenkern.h"
#include "report/Form5.h"

#include <QPushButton>
#include <cerrno>
#include <cstring>

namespace {

// The suite's engine: the real one for an empty mode, else the stand-in in that mode.
void setzeRechenkern(const Testsuite& suite, const QByteArray& art)
{
    qputenv("TARVELLO_ATTRAPPE", art);
    const QString ziel = suite.exefiles() + "/" + programmdatei("Delmarix");
    QFile::remove(ziel);
    QFile::copy(art.isEmpty() ? DELMARIX : RECHENKERN_ATTRAPPE, ziel);
}

// The engine's end is seen as it happens, on a clock that never moves (-1). A hanging engine
// gets more than three whole seconds on the clock, also across midnight; then its input goes.
struct Ende { const char* name; QByteArray art; int beginn; Rechenkernende ende; };
const Ende kEnden[] = {
    {"sofort", "sofort", -1, Rechenkernende::Fertig}, /* blanks sent as "?" */ {"spaet", "spaet", -1, Rechenkernende::Fertig},
    {"laesst Eingabe liegen", "nie", -1, Rechenkernende::OhneEingabeEntfernt},
    {"stirbt sofort", "absturz", -1, Rechenkernende::OhneEingabeEntfernt},
    {"haengt", "haengt", 3600, Rechenkernende::Zeitueberschritten},
    {"haengt um Mitternacht", "haengt", 24 * 3600 - 2, Rechenkernende::Zeitueberschritten},
};

// After a good run (form 5, or HEB 300), a failing one tells its own fault and shows no earlier result.
struct Fehler { const char* name; QByteArray art; int meldung; const char* zusatz; bool walz; };
const Fehler kFehler[] = {
    {"stirbt", "absturz", 48, "", false},          {"schreibt nichts", "leer", 3, "", false},
    {"Walzprofil: schreibt nichts", "leer", 3, "", true}, {"Fehler mit Grund", "fehler", 17, "\nPlatte zu dünn", false},
    {"Unsinn", "sofort", 45, "", false},           {"anderer Querschnitt", "fremd", 49, " 999", false},
    {"Walzprofil: anderer", "fremd", 49, " 999", true},
};

// A window in German with a section filled in, computed with the real engine until told otherwise.
struct Fenster : Testsuite, Testfenster {
    explicit Fenster(bool walz = false) : Testfenster(*this, "\"Anna\"\r\n\"D\"\r\n")
    {
        setzeRechenkern(*this, {});
        walz ? fuelleWalzprofil(e, 0) : fuelleBeispiel(e, beispiele()[0]);
    }
    bool vorschau() const { return form.form5 && form.form5->isVisible(); }
    bool rechne() // as a user asks for it: the result button
    {
        QTest::mouseClick(e.Traegerergebnis, Qt::LeftButton);
        return vorschau();
    }
};

} // namespace

class TestRechenkernlauf : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { dateischreiber() = schreibeGanzeDatei; }

    void ende_data() { zeilen(kEnden); }
    void ende()
    {
        const Ende& f = fall(kEnden);
        // A suite with the stand-in as its engine and an editor folder with a blank in its name.
        Testsuite suite;
        setzeRechenkern(suite, f.art);
        const QString pathben = suite.daten() + "/Anna Berg", eingabe = uebergabedatei(pathben, 2);
        schreibeDatei(eingabe, "1\r\n");
        Rechenkernlauf kern;
        QVERIFY(kern.starte(suite.exefiles(), eingabe, uebergabedatei(pathben, 1)));
        int gelesen = 0;
        const auto uhr = [&] { return f.beginn < 0 ? 100 : (f.beginn + gelesen++) % (24 * 3600); };
        QCOMPARE(kern.warte(eingabe, uhr), f.ende);
        if (f.beginn >= 0)
            QCOMPARE(gelesen, 5); // the start, then 1, 2, 3 and 4 seconds later
        QCOMPARE(QFile::exists(eingabe), f.art == "nie" || f.art == "absturz");
        if (f.art == "sofort")
            QVERIFY(leseDatei(uebergabedatei(pathben, 1)).contains("Anna?Berg"));
    }

    void fehlerDesRechenkerns_data() { zeilen(kFehler); }
    void fehlerDesRechenkerns()
    {
        const Fehler& f = fall(kFehler);
        Fenster fenster(f.walz);
        QVERIFY(fenster.rechne());
        QByteArray art = f.art;
        if (art == "fremd") {
            QByteArray fremd = leseDatei(uebergabedatei(fenster.form.pathben, f.walz ? 3 : 1));
            fremd.replace(0, fremd.indexOf('\r'), "999");
            schreibeDatei(fenster.wurzel.filePath("fremd.dat"), fremd);
            art = "ergebnis:" + fenster.wurzel.filePath("fremd.dat").toLocal8Bit();
        }
        setzeRechenkern(fenster, art);
        QVERIFY(!fenster.rechne());
        QCOMPARE(fenster.rekorder.texte(), QStringList{fenster.form.holeMessage(f.meldung) + QString::fromUtf8(f.zusatz)});
        QVERIFY(!QFile::exists(uebergabedatei(fenster.form.pathben, 2)));
    }

    // A result of another section of the same form (a stale or faulty engine): its area is not the
    // section's, so it is told with both areas and not shown.
    void ergebnisEinesAnderenQuerschnitts()
    {
        Fenster fenster;
        QVERIFY(fenster.rechne());
        QByteArray fremd = leseDatei(uebergabedatei(fenster.form.pathben, 1));
        // Line 1 the form, line 2 the engine's description, then A first.
        const int a = fremd.indexOf('\n', fremd.indexOf('\n') + 1) + 1, b = fremd.indexOf(',', a);
        const QByteArray flaeche = fremd.mid(a, b - a);
        fremd.replace(a, b - a, QByteArray::number(flaeche.toDouble() * 1.01, 'f', 3));
        schreibeDatei(fenster.wurzel.filePath("fremd.dat"), fremd);
        setzeRechenkern(fenster, "ergebnis:" + fenster.wurzel.filePath("fremd.dat").toLocal8Bit());
        fenster.form.form5->close();
        QVERIFY(!fenster.rechne());
        QCOMPARE(fenster.rekorder.texte().size(), 1);
        QVERIFY2(fenster.rekorder.texte()[0].startsWith(fenster.form.holeMessage(65)), qPrintable(fenster.rekorder.texte()[0]));
        QVERIFY(fenster.rekorder.texte()[0].contains(QString::number(flaeche.toDouble(), 'f', 1)));
    }

    // The design check's own run fails in each way while the result's run answers: its fault is
    // told, then that the check is not shown; the result page and its appendix stand alone.
    void fehlerDerPruefrechnung_data()
    {
        QTest::addColumn<QByteArray>("art");
        QTest::addColumn<QList<int>>("meldungen");
        QTest::newRow("stirbt") << QByteArray("absturz") << QList<int>{48, 63};
        QTest::newRow("schreibt nichts") << QByteArray("leer") << QList<int>{63};
        QTest::newRow("Fehler mit Grund") << QByteArray("fehler") << QList<int>{63};
        QTest::newRow("Unsinn") << QByteArray("sofort") << QList<int>{63};
    }
    void fehlerDerPruefrechnung()
    {
        QFETCH(QByteArray, art);
        QFETCH(QList<int>, meldungen);
        Fenster fenster;
        QVERIFY(fenster.rechne());
        const int ohneNachweis = fenster.form.form5->Seiten;
        const QString antwort = fenster.wurzel.filePath("antwort.dat");
        QVERIFY(QFile::copy(uebergabedatei(fenster.form.pathben, 1), antwort));
        Bemessungswerte b;
        b.N = "-500";
        fenster.e.setzeBemessung(b);
        QVERIFY(fenster.rechne());
        QCOMPARE(fenster.form.form5->Seiten, ohneNachweis + 3); // with the real engine: the check's pages
        qputenv("TARVELLO_ATTRAPPE_PRUEF", art);
        setzeRechenkern(fenster, "ergebnis:" + antwort.toLocal8Bit());
        QVERIFY(fenster.rechne());
        qunsetenv("TARVELLO_ATTRAPPE_PRUEF");
        QStringList erwartet;
        for (int n : meldungen)
            erwartet << fenster.form.holeMessage(n);
        QCOMPARE(fenster.rekorder.texte(), erwartet);
        QCOMPARE(fenster.form.form5->Seiten, ohneNachweis);
        QVERIFY(!QFile::exists(uebergabedatei(fenster.form.pathben, 4)));
    }

    // A folder that takes no file (read-only, or a full disk), played by the file writer: the
    // engine's input or the preview's page.
    void ordnerNimmtNichtsAuf()
    {
        for (const QString datei : {"Übergabe0.dat", "1.bmp"}) {
            Fenster f;
            dateischreiber() = [datei](const QString& pfad, const QByteArray& inhalt, QString& grund) {
                return pfad.endsWith(datei) ? (grund = QStringLiteral("Kein Platz auf dem Gerät"), false) : schreibeGanzeDatei(pfad, inhalt, grund);
            };
            QVERIFY(!f.form.zeigeBericht());
            const QString pfad = QDir::toNativeSeparators(verbinde(datei.endsWith(".bmp") ? f.form.TMPPATH : f.form.pathben, datei));
            QCOMPARE(f.rekorder.texte(), QStringList{f.form.holeMessage(47) + u' ' + pfad + " (Kein Platz auf dem Gerät)"});
            QVERIFY(!f.vorschau());
            QCOMPARE(QFile::exists(uebergabedatei(f.form.pathben, 1)), datei.endsWith(".bmp"));
        }
    }

    // The same on a real full file system under the editor's folder: the engine's input is not
    // left empty for the engine to run on; the message gives the system's reason and nothing runs.
    void vollerDatentraeger()
    {
        Fenster f;
        const QString ordner = f.form.pathben;
        const KleinesDateisystem platz(ordner);
        if (!platz.bereit())
            QSKIP("no tmpfs of the test's own can be mounted here");
        platz.fuelle();
        QVERIFY(!f.rechne());
        QCOMPARE(f.rekorder.gezeigt.size(), size_t(1));
        const QString text = f.rekorder.texte().first();
        QVERIFY2(text.startsWith(f.form.holeMessage(47) + u' ' + QDir::toNativeSeparators(uebergabedatei(ordner, 0))),
                 qPrintable(text));
        QVERIFY2(text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(text));
        QCOMPARE(QDir(ordner).entryList(QDir::Files), QStringList{QStringLiteral("fuellung")});
    }

    // A catalog rail whose record gives no foot width would pass the flange check as a rail of
    // no width: the catalog is told as damaged and nothing is computed.
    void katalogschieneOhneFussbreite()
    {
        Testsuite suite;
        Meldungsrekorder rekorder; // the road itself shows nothing: it hands its messages back
        schreibeDatei(suite.texte() + "/ASchiene", "A65,\"75|34|30|65|38||20|10|\"\r\n");
        const QString pathben = suite.daten() + "/Anna";
        QDir().mkpath(pathben);
        Querschnittsdaten q;
        q.familie = kUeberSteg;
        q.Querschnittsnummer = 15;
        q.schieneMittragend = false;
        q.ASchiene = "A65";
        const Berechnungsumgebung u{suite.wurzel.path(), pathben, suite.texte(), suite.texte() + "/HauptformMessages.D"};
        const Rechenausgang a = rechneQuerschnitt(q, Beschriftungen(), u);
        QVERIFY(!a.gerechnet);
        QCOMPARE(a.meldungen, QStringList{textDateiBeschaedigt(suite.texte() + "/ASchiene")});
        QVERIFY(rekorder.gezeigt.empty());
        QVERIFY(!QFile::exists(uebergabedatei(pathben, 0)));
    }

    // Back in the main window, the preview closes and its page file goes; not while the preview has not had
    // the focus yet (a message box closed during the run hands it back to the main window first).
    void hauptfensterSchliesstVorschau()
    {
        Fenster f;
        QVERIFY(f.rechne());
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(&f.form, &aktiv);
        QVERIFY(f.vorschau());
        QApplication::sendEvent(f.form.form5, &aktiv);
        QApplication::sendEvent(&f.form, &aktiv);
        QVERIFY(!f.vorschau());
        QVERIFY(!QFile::exists(f.form.form5->bitmap(1)));
        // Escape leaves the pages, too.
        QVERIFY(f.rechne());
        f.form.form5->activateWindow();
        QTRY_VERIFY(f.form.form5->isActiveWindow());
        QTest::keyClick(f.form.form5, Qt::Key_Escape);
        QVERIFY(!f.vorschau());
    }
};

QTEST_MAIN(TestRechenkernlauf)
#include "tst_rechenkernlauf.moc"
