#pragma once
// What both program benchmarks share: a throw-away suite folder laid out as
// the installation lays it out, the hand-off the suite's main program leaves,
// a clock, a waiting loop without the 10 ms steps of QTest's waits, and the
// statistics printed.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace bench {

// exefiles/ with the given programs copied in, Daten/TEXTE/ with the repository's data files.
struct Suite {
    QTemporaryDir wurzel{QDir::tempPath() + QStringLiteral("/tarvello-bench-XXXXXX")};
    QString exefiles() const { return wurzel.path() + QStringLiteral("/exefiles"); }
    QString daten() const { return wurzel.path() + QStringLiteral("/Daten"); }
    QString texte() const { return daten() + QStringLiteral("/TEXTE"); }
    QString uebergabedatei() const { return daten() + QStringLiteral("/inifile2"); }

    bool richteEin(const QString& datenquelle, const QStringList& programme)
    {
        if (!wurzel.isValid() || !QDir().mkpath(exefiles()) || !QDir().mkpath(texte()))
            return false;
        const QDir quelle(datenquelle);
        const QStringList dateien = quelle.entryList(QDir::Files);
        if (dateien.isEmpty())
            return false;
        for (const QString& name : dateien)
            if (!QFile::copy(quelle.filePath(name), texte() + u'/' + name))
                return false;
        for (const QString& programm : programme) {
            const QString ziel = exefiles() + u'/' + QFileInfo(programm).fileName();
            if (!QFile::copy(programm, ziel))
                return false;
            QFile::setPermissions(ziel, QFile::permissions(programm));
        }
        return true;
    }

    // The hand-off the suite's main program writes before each start: editor and language.
    bool uebergabe(const QString& bearbeiter) const
    {
        QFile datei(uebergabedatei());
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return datei.write(QStringLiteral("\"%1\"\r\n\"D\"\r\n").arg(bearbeiter).toUtf8()) > 0;
    }
};

// The offscreen platform warns about every raise() of a window; only the rest reaches stderr.
inline void stilleQpaHinweise()
{
    static const QtMessageHandler vorher = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            vorher(typ, ort, text);
    });
}

inline double millisekunden(const QElapsedTimer& uhr) { return double(uhr.nsecsElapsed()) / 1e6; }

// Processes events until the condition holds; false after the timeout. Unlike
// QTest::qWaitFor it does not sleep between rounds, so the measured time is not
// rounded up to its 10 ms steps.
inline bool warteBis(const std::function<bool()>& bedingung, int timeoutMs = 10000)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung()) {
        if (uhr.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

inline bool istSichtbar(const QWidget& w) { return w.windowHandle() && w.windowHandle()->isExposed(); }

struct Statistik {
    double median = 0, min = 0, max = 0;
    int n = 0;
};

inline Statistik statistik(std::vector<double> werte)
{
    Statistik s;
    s.n = int(werte.size());
    if (werte.empty())
        return s;
    std::sort(werte.begin(), werte.end());
    const size_t m = werte.size() / 2;
    s.median = werte.size() % 2 ? werte[m] : (werte[m - 1] + werte[m]) / 2;
    s.min = werte.front();
    s.max = werte.back();
    return s;
}

// Peak resident set of this process in MB (Linux reports kilobytes).
inline double spitzenRssMb()
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return double(nutzung.ru_maxrss) / 1024.0;
}

// The optional repetition count, the only argument.
inline int wiederholungen(int argc, char* argv[], int standard)
{
    if (argc < 2)
        return standard;
    const int n = std::atoi(argv[1]);
    return n > 0 ? n : standard;
}

} // namespace bench
