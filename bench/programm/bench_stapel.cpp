// The batch command's throughput: the typical section of every family and the three
// rolled-profile variants, saved as files the way the window saves them, repeated up to
// the number asked for (100 by default), computed with their PDFs and a CSV, once with one
// section at a time and once with one per core. Prints sections per second.
//
//   bench_stapel [sections]
//
// A benchmark, not a test: it asserts no times. It exits 1 only when a section failed,
// since its figures would then mean nothing.
#include "Beispieleingabe.h"
#include "Benchhilfen.h"
#include "Testhilfen.h"
#include "app/Start.h"
#include "kern/Querschnittsdatei.h"
#include "stapel/Stapelrechnung.h"

#include <QApplication>
#include <thread>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::stilleQpaHinweise();
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    const int anzahl = bench::wiederholungen(argc, argv, 100);

    bench::Suite suite;
    if (!suite.richteEin(QStringLiteral(TARVELLO_DATEN_QUELLE), {QStringLiteral(DELMARIX)}) ||
        !suite.uebergabe(QStringLiteral("Bench"))) {
        std::fprintf(stderr, "cannot set up the suite folder\n");
        return 2;
    }
    Meldungsrekorder rekorder;
    programmstarter() = [](const QString&, const QString&) { return true; };
    Hauptform form;
    if (!form.starte(suite.exefiles())) {
        std::fprintf(stderr, "start failed: %s\n", qPrintable(rekorder.texte().join(u'\n')));
        return 2;
    }
    // The sections as files: every family's, then the rolled profiles', over and over.
    std::vector<QByteArray> muster;
    for (const Beispiel& b : beispiele()) {
        fuelleBeispiel(*form.eingabe, b);
        muster.push_back(schreibeQuerschnittsdatei(form.querschnitt()));
    }
    for (int v = 0; v < 3; ++v) {
        fuelleWalzprofil(*form.eingabe, v);
        muster.push_back(schreibeQuerschnittsdatei(form.querschnitt()));
    }
    Stapelauftrag auftrag;
    for (int i = 0; i < anzahl; ++i) {
        auftrag.dateien.append(suite.wurzel.filePath(QStringLiteral("q%1.tqs").arg(i)));
        schreibeDatei(auftrag.dateien.last(), muster[size_t(i) % muster.size()]);
    }
    auftrag.csvDatei = suite.wurzel.filePath(QStringLiteral("werte.csv"));
    const Stapelumgebung umgebung{suite.wurzel.path(), suite.texte(), [](int) { return QStringLiteral("-"); }};

    const int kerne = int(std::max(1u, std::thread::hardware_concurrency()));
    std::printf("batch command, %d sections (%zu different), PDF and CSV each\n", anzahl, muster.size());
    std::printf("%-22s %10s %14s\n", "at once", "seconds", "sections/s");
    for (int gleichzeitig : {1, kerne}) {
        auftrag.gleichzeitig = gleichzeitig;
        auftrag.pdfOrdner = suite.wurzel.filePath(QStringLiteral("pdf%1").arg(gleichzeitig));
        QDir().mkpath(auftrag.pdfOrdner);
        QString csvFehler;
        QElapsedTimer uhr;
        uhr.start();
        const auto ergebnisse = rechneStapel(auftrag, umgebung, {}, csvFehler);
        const double sekunden = bench::millisekunden(uhr) / 1000;
        for (const Stapelergebnis& e : ergebnisse)
            if (!e.ok) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(e.datei), qPrintable(e.grund));
                return 1;
            }
        std::printf("%-22d %10.2f %14.1f\n", gleichzeitig, sekunden, anzahl / sekunden);
    }
    form.Rueckkehrmodus = 9;
    return 0;
}
