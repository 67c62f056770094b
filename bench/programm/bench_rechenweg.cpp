// The whole calculation road as the engineer meets it, in-process and offscreen:
// from the result button to the page in the preview (transfer file, run of the
// real engine, result file read, page laid out, bitmap written, preview shown),
// and the print command of the preview (a PDF where there is no printer), for a
// typical section of every family and the three rolled-profile variants; then the
// batch command's throughput on the same sections saved as files and repeated up to
// the number asked for (100 by default), with their PDFs and a CSV, once with one
// section at a time and once with one per core, in sections per second.
//
//   bench_rechenweg [repetitions] [sections]
//
// A benchmark, not a test: it prints a table and asserts no times. It exits 1
// only when a road gave no page or no PDF, since its figures would then mean nothing.
#include "Beispieleingabe.h"
#include "Benchhilfen.h"
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "app/Start.h"
#include "kern/Querschnittsdatei.h"
#include "report/Form5.h"
#include "stapel/Stapelrechnung.h"

#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <thread>

namespace {

struct Zeile {
    QString name;
    std::vector<double> ansicht, druck;
    int fehler = 0;
};

// One repetition: the result button up to the shown preview, then the preview's
// print command. Returns false (with the reason on stderr) when either gave nothing.
bool miss(Hauptform& form, Meldungsrekorder& rekorder, Zeile& zeile)
{
    const size_t vorher = rekorder.gezeigt.size();
    QElapsedTimer uhr;
    uhr.start();
    form.eingabe->Traegerergebnis->click();
    const bool seite = form.form5 && form.form5->isVisible() &&
                       bench::warteBis([&] { return bench::istSichtbar(*form.form5); });
    const double ansicht = bench::millisekunden(uhr);
    if (!seite || rekorder.gezeigt.size() != vorher || !QFile::exists(form.form5->bitmap(1))) {
        std::fprintf(stderr, "%s: no page shown%s%s\n", qPrintable(zeile.name),
                     rekorder.gezeigt.size() != vorher ? ": " : "",
                     rekorder.gezeigt.size() != vorher ? qPrintable(rekorder.gezeigt.back().text) : "");
        return false;
    }
    zeile.ansicht.push_back(ansicht);

    // The preview's print button closes the preview before it prints.
    form.form5->close();
    form.letzteDruckdatei.clear();
    uhr.restart();
    form.anzahldrucke1 = 1;
    form.druckertaste();
    const double druck = bench::millisekunden(uhr);
    const QFileInfo pdf(form.letzteDruckdatei);
    if (form.letzteDruckdatei.isEmpty() || !pdf.exists() || pdf.size() == 0) {
        std::fprintf(stderr, "%s: no PDF written (a printer here prints instead)\n", qPrintable(zeile.name));
        return false;
    }
    zeile.druck.push_back(druck);
    QFile::remove(form.letzteDruckdatei);
    return true;
}

void druckeTabelle(const std::vector<Zeile>& zeilen, int n)
{
    std::printf("calculation road, %d repetitions per section (after one warm-up), ms\n", n);
    std::printf("%-32s %27s   %27s\n", "", "button -> shown page", "print -> PDF written");
    std::printf("%-32s %8s %8s %9s   %8s %8s %9s\n", "section", "median", "min", "max", "median", "min", "max");
    for (const Zeile& z : zeilen) {
        const bench::Statistik a = bench::statistik(z.ansicht), d = bench::statistik(z.druck);
        std::printf("%-32s %8.1f %8.1f %9.1f   %8.1f %8.1f %9.1f", qPrintable(z.name), a.median, a.min, a.max,
                    d.median, d.min, d.max);
        if (z.fehler)
            std::printf("  (%d failed)", z.fehler);
        std::printf("\n");
    }
}

// The batch command over `anzahl` files cycling through the sections `muster`; false when a file failed.
bool messeStapel(const bench::Suite& suite, const std::vector<QByteArray>& muster, int anzahl)
{
    Stapelauftrag auftrag;
    for (int i = 0; i < anzahl; ++i) {
        auftrag.dateien.append(suite.wurzel.filePath(QStringLiteral("q%1.tqs").arg(i)));
        schreibeDatei(auftrag.dateien.last(), muster[size_t(i) % muster.size()]);
    }
    auftrag.csvDatei = suite.wurzel.filePath(QStringLiteral("werte.csv"));
    const Stapelumgebung umgebung{suite.wurzel.path(), suite.texte(), [](int) { return QStringLiteral("-"); }};
    std::printf("\nbatch command, %d sections (%zu different), PDF and CSV each\n", anzahl, muster.size());
    std::printf("%-22s %10s %14s\n", "at once", "seconds", "sections/s");
    for (int gleichzeitig : {1, int(std::max(1u, std::thread::hardware_concurrency()))}) {
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
                return false;
            }
        std::printf("%-22d %10.2f %14.1f\n", gleichzeitig, sekunden, anzahl / sekunden);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::stilleQpaHinweise();
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    const int n = bench::wiederholungen(argc, argv, 20);

    bench::Suite suite;
    if (!suite.richteEin(QStringLiteral(TARVELLO_DATEN_QUELLE), {QStringLiteral(DELMARIX)}) ||
        !suite.uebergabe(QStringLiteral("Bench"))) {
        std::fprintf(stderr, "cannot set up the suite folder\n");
        return 2;
    }
    // No dialog may block, and the return button must start nothing.
    Meldungsrekorder rekorder;
    programmstarter() = [](const QString&, const QString&) { return true; };

    Hauptform form;
    if (!form.starte(suite.exefiles())) {
        std::fprintf(stderr, "start failed: %s\n", qPrintable(rekorder.texte().join(u'\n')));
        return 2;
    }
    form.show();
    if (!bench::warteBis([&] { return bench::istSichtbar(form); })) {
        std::fprintf(stderr, "the window was never shown\n");
        return 2;
    }

    std::vector<Zeile> zeilen;
    std::vector<QByteArray> dateien; // each section as its file, for the batch command
    const auto messe = [&](const QString& name, const std::function<void()>& fuellen) {
        Zeile zeile;
        zeile.name = name;
        fuellen();
        dateien.push_back(schreibeQuerschnittsdatei(form.querschnitt()));
        QCoreApplication::processEvents();
        // The first road of a section also lays out its fonts and caches; it is not counted.
        Zeile aufwaermen{name, {}, {}, 0};
        if (!miss(form, rekorder, aufwaermen))
            ++zeile.fehler;
        for (int i = 0; i < n; ++i)
            if (!miss(form, rekorder, zeile))
                ++zeile.fehler;
        zeilen.push_back(std::move(zeile));
    };
    for (const Beispiel& b : beispiele())
        messe(QStringLiteral("%1 (fam. %2)").arg(QString::fromLatin1(b.name)).arg(b.familie),
              [&] { fuelleBeispiel(*form.eingabe, b); });
    const char* const walzvarianten[3] = {"HEB 300", "HEB 300 + flat rail", "HEB 300 + lower HEB 200"};
    for (int v = 0; v < 3; ++v)
        messe(QStringLiteral("%1 (fam. 3)").arg(QString::fromLatin1(walzvarianten[v])),
              [&] { fuelleWalzprofil(*form.eingabe, v); });

    druckeTabelle(zeilen, n);
    std::printf("peak RSS of the process: %.1f MB\n", bench::spitzenRssMb());
    const bool stapel = messeStapel(suite, dateien, argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 100);

    form.Rueckkehrmodus = 9;
    form.close();
    int fehler = 0;
    for (const Zeile& z : zeilen)
        fehler += z.fehler;
    return fehler || !stapel ? 1 : 0;
}
