// Start-up to the shown window, measured twice:
//  - in-process (the main figure): the main window constructed, started with a
//    fresh hand-off (directories, hand-off taken, language texts loaded) and
//    shown, until the platform reports the window exposed;
//  - as a process: the installed program launched from the suite's exefiles/
//    with a fresh hand-off, until it has taken the hand-off (the file is gone)
//    and made the editor's folder. The program prints nothing and carries no
//    timing code, so this is the last step of its start that can be seen from
//    outside; showing the window follows it (the in-process "show" row).
//
//   bench_start [repetitions]
//
// A benchmark, not a test: it prints a table and asserts no times. It exits 1
// only when a start did not get as far as measured.
#include "Benchhilfen.h"
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "app/Start.h"

#include <QApplication>
#include <QProcess>
#include <QThread>
#include <fstream>
#include <memory>
#include <string>

namespace {

const QString kBearbeiter = QStringLiteral("Bench");

// A start begins with a fresh hand-off and without the editor's folder, so the
// folder's appearance marks how far the start has come.
bool bereiteStartVor(const bench::Suite& suite)
{
    QDir::setCurrent(suite.wurzel.path()); // not inside the folder about to go
    QDir(suite.daten() + u'/' + kBearbeiter).removeRecursively();
    return suite.uebergabe(kBearbeiter);
}

struct Inprozess {
    double gebaut = 0, gestartet = 0, gezeigt = 0, gesamt = 0;
};

bool starteInprozess(const bench::Suite& suite, Inprozess& zeiten)
{
    if (!bereiteStartVor(suite))
        return false;
    QElapsedTimer uhr;
    uhr.start();
    auto form = std::make_unique<Hauptform>();
    const double gebaut = bench::millisekunden(uhr);
    if (!form->starte(suite.exefiles()))
        return false;
    const double gestartet = bench::millisekunden(uhr);
    form->show();
    if (!bench::warteBis([&] { return bench::istSichtbar(*form); }))
        return false;
    const double gezeigt = bench::millisekunden(uhr);
    zeiten = {gebaut, gestartet - gebaut, gezeigt - gestartet, gezeigt};
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return true;
}

// The peak resident set of a running process in MB, from /proc (0 when unknown).
double spitzenRssMb(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmHWM:", 0) == 0)
            return std::stod(zeile.substr(6)) / 1024.0;
    return 0;
}

// Launches the program and waits until it has taken the hand-off and made the
// editor's folder; with `rss` it then lets the window come up and reads the
// program's peak memory before ending it.
bool starteProzess(const bench::Suite& suite, const QString& programm, double& ms, double* rss = nullptr)
{
    if (!bereiteStartVor(suite))
        return false;
    const QString uebergabe = suite.uebergabedatei();
    const QString ordner = suite.daten() + u'/' + kBearbeiter;
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    prozess.setProcessEnvironment(umgebung);
    prozess.setWorkingDirectory(suite.exefiles());
    // No pipes: nothing read from the program can slow it down or fill up.
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.setStandardErrorFile(QProcess::nullDevice());

    QElapsedTimer uhr;
    uhr.start();
    prozess.start(programm, {});
    // Until the program has been executed; part of every launch.
    if (!prozess.waitForStarted(20000))
        return false;
    bool fertig = false;
    while (uhr.elapsed() < 20000) {
        if (!QFile::exists(uebergabe) && QFileInfo::exists(ordner)) {
            fertig = true;
            break;
        }
        // Lets QProcess notice a program that ended by itself (it refused to start).
        QCoreApplication::processEvents();
        if (prozess.state() == QProcess::NotRunning)
            break;
        QThread::usleep(200);
    }
    ms = bench::millisekunden(uhr);
    if (fertig && rss) {
        QThread::msleep(1000);
        *rss = spitzenRssMb(prozess.processId());
    }
    QCoreApplication::processEvents();
    const bool läuft = prozess.state() == QProcess::Running;
    prozess.kill();
    prozess.waitForFinished(5000);
    // A program that ended by itself had refused to start.
    return fertig && läuft;
}

void zeile(const char* name, const std::vector<double>& werte)
{
    const bench::Statistik s = bench::statistik(werte);
    std::printf("%-48s %8.1f %8.1f %9.1f\n", name, s.median, s.min, s.max);
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
    if (!suite.richteEin(QStringLiteral(TARVELLO_DATEN_QUELLE), {QStringLiteral(TARVELLO_PROGRAMM)})) {
        std::fprintf(stderr, "cannot set up the suite folder\n");
        return 2;
    }
    const QString programm = suite.exefiles() + u'/' + QFileInfo(QStringLiteral(TARVELLO_PROGRAMM)).fileName();
    Meldungsrekorder rekorder;
    programmstarter() = [](const QString&, const QString&) { return true; };

    int fehler = 0;
    // The first start in a process also loads fonts, styles and the platform; it is shown on its own.
    Inprozess erster;
    if (!starteInprozess(suite, erster))
        ++fehler;
    std::vector<double> gebaut, gestartet, gezeigt, gesamt;
    for (int i = 0; i < n; ++i) {
        Inprozess z;
        if (!starteInprozess(suite, z)) {
            ++fehler;
            continue;
        }
        gebaut.push_back(z.gebaut);
        gestartet.push_back(z.gestartet);
        gezeigt.push_back(z.gezeigt);
        gesamt.push_back(z.gesamt);
    }

    double prozessErster = 0, rss = 0;
    if (!starteProzess(suite, programm, prozessErster))
        ++fehler;
    std::vector<double> prozess;
    for (int i = 0; i < n; ++i) {
        double ms = 0;
        if (starteProzess(suite, programm, ms, i == n - 1 ? &rss : nullptr))
            prozess.push_back(ms);
        else
            ++fehler;
    }

    std::printf("start-up to the shown window, %d repetitions (after one warm-up), ms\n", n);
    std::printf("%-48s %8s %8s %9s\n", "in-process", "median", "min", "max");
    zeile("  main window constructed", gebaut);
    zeile("  starte(): hand-off taken, texts loaded", gestartet);
    zeile("  show() until the window is exposed", gezeigt);
    zeile("  total: construction to shown window", gesamt);
    std::printf("%-48s %8.1f\n", "  first start in the process (not counted)", erster.gesamt);
    std::printf("%-48s %8s %8s %9s\n", "process (TarvelloQuerschnitt, offscreen)", "median", "min", "max");
    zeile("  launch until hand-off taken, editor folder made", prozess);
    std::printf("%-48s %8.1f\n", "  first launch (not counted)", prozessErster);
    std::printf("peak RSS of the started program (window shown, idle): %.1f MB\n", rss);
    if (!rekorder.gezeigt.empty())
        std::fprintf(stderr, "messages: %s\n", qPrintable(rekorder.texte().join(QStringLiteral(" | "))));
    if (fehler)
        std::fprintf(stderr, "%d starts did not get as far as measured\n", fehler);
    return fehler ? 1 : 0;
}
