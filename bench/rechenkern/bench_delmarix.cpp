// Time and peak memory of the engine per section family, measured on the real
// program as the calling program starts it (one process per run).
//
//   bench_delmarix <path to Delmarix> [runs] [limit seconds]
//
// Prints a table, then where the time goes inside one analysis (the same stages
// run in this process, medians per phase); exits 1 when the median time of the large two-cell section
// exceeds the limit (default 0.045 s: the goal of 30 ms and half again for a
// machine busy with other work).
#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include "analysis.h"
#include "transfer_input.h"

#include "kern/section_geometry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Case {
    const char* family;
    std::vector<const char*> lines;
};

const std::vector<Case> cases{
    {"single box, sloped webs, 5 stiffeners (form 5)",
     {"5", "8", "1000", "30", "640", "25", "1400", "12", "500", "3", "1", "30", "120", "60", "10", "3", "70", "120",
      "0", "10", "5", "50", "150", "80", "10"}},
    {"box, rail over web, 4+1 stiffeners (form 19)",
     {"19", "0", "700", "30", "640", "25", "1600", "14", "500", "12", "1", "80", "60", "1", "5", "1", "25", "120",
      "60", "10", "2", "25", "120", "60", "10", "3", "60", "120", "0", "10", "4", "60", "120", "0", "10", "5", "50",
      "150", "80", "10"}},
    {"box on H profile (form 55)",
     {"55", "0", "500", "20", "300", "14", "800", "10", "260", "2", "1", "30", "80", "40", "8", "5", "50", "100", "50",
      "10", "290", "8.5", "27"}},
    {"half-H box (form 115)",
     {"115", "0", "600", "20", "600", "20", "1000", "12", "500", "12", "1", "60", "40", "1", "300", "300", "11", "19",
      "27", "4", "1", "30", "100", "50", "10", "2", "40", "100", "50", "10", "3", "50", "100", "0", "10", "4", "70",
      "100", "0", "10"}},
    {"trolley-rail angle section (form 225)",
     {"225", "0", "500", "20", "400", "20", "700", "12", "350", "10", "700", "1", "50", "40", "150", "20", "300", "300",
      "11", "19", "27", "2", "1", "30", "100", "50", "10", "2", "40", "100", "50", "10"}},
    {"large two-cell, 5 stiffeners (form 319)",
     {"319", "0", "1200", "40", "2200", "40", "3000", "16", "1000", "14", "1", "100", "80", "1", "800", "30", "2200",
      "12", "400", "5", "1", "20", "200", "100", "14", "2", "30", "200", "100", "14", "3", "50", "200", "100", "14", "4",
      "80", "200", "100", "14", "5", "50", "250", "120", "14"}},
    {"rolled HEA 300 (102)", {"102", "0", "290", "300", "8.5", "14", "27", "0"}},
    {"rolled HEB 1000 with flat rail (103)", {"103", "0", "1000", "300", "19", "36", "30", "40", "100", "0"}},
    {"rolled HEM 500 on HEA 300 half (110)", {"110", "0", "800", "306", "21", "40", "27", "27", "130", "300", "8.5", "14", "0"}},
};

struct Measure {
    double seconds;
    long maxRssKb;
    bool fehler;
    long elements = 0; // from the result's description, "FE T6: <n> elements"
};

Measure runOnce(const std::string& engine, const std::filesystem::path& dir, const Case& c)
{
    const std::string in = (dir / "in.dat").string(), out = (dir / "out.dat").string();
    {
        std::ofstream f(in, std::ios::binary);
        for (const char* l : c.lines)
            f << l << "\r\n";
    }
    std::vector<char*> argv{const_cast<char*>(engine.c_str()), const_cast<char*>(in.c_str()),
                            const_cast<char*>(out.c_str()), nullptr};
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, engine.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return {0, 0, true};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::ifstream r(out);
    std::string first, description;
    std::getline(r, first);
    std::getline(r, description);
    const std::size_t at = description.find("T6: ");
    const long elements = at == std::string::npos ? 0 : std::atol(description.c_str() + at + 4);
    return {seconds, usage.ru_maxrss, first.find("Fehler") != std::string::npos, elements};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_delmarix <Delmarix> [runs] [limit seconds]\n");
        return 2;
    }
    const std::string engine = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const int runs_ = runs;
    const double limit = argc > 3 ? std::atof(argv[3]) : 0.045;
    const auto dir = std::filesystem::temp_directory_path() / ("delmarix-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    int status = 0;
    std::printf("%-48s %10s %10s %12s %10s\n", "section", "median s", "max s", "peak MB", "elements");
    for (const Case& c : cases) {
        std::vector<double> times;
        long rss = 0, elements = 0;
        bool fehler = false;
        for (int i = 0; i < runs; ++i) {
            const Measure m = runOnce(engine, dir, c);
            times.push_back(m.seconds);
            rss = std::max(rss, m.maxRssKb);
            fehler = fehler || m.fehler;
            elements = m.elements;
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        std::printf("%-48s %10.3f %10.3f %12.1f %10ld%s\n", c.family, median, times.back(), rss / 1024.0, elements,
                    fehler ? "  (Fehler result!)" : "");
        if (fehler)
            status = 1;
        if (std::string(c.lines[0]) == "319" && median > limit) {
            std::printf("  the large two-cell section took %.3f s, more than %.3f s\n", median, limit);
            status = 1;
        }
    }
    std::filesystem::remove_all(dir);

    // The phases, in process: mesh, assembly, factorisation, the three solves, section values and
    // the stresses at the points, the peak search.
    std::printf("\nphases in process, median ms\n%-48s %7s %7s %7s %7s %7s %7s\n", "section", "mesh", "assem", "factor",
                "solve", "post", "peaks");
    for (const Case& c : cases) {
        std::string text;
        for (const char* l : c.lines)
            text += std::string(l) + "\r\n";
        const auto parsed = delmarix::parseTransfer(text);
        const auto built = parsed.input.rolled ? tarvello::geometrie::buildRolledSection(parsed.input.rolledProfile)
                                               : tarvello::geometrie::buildWeldedSection(parsed.input.welded);
        if (!parsed.ok || !built.ok)
            continue;
        std::vector<delmarix::PhaseTimes> runs(std::size_t(std::max(1, runs_)));
        for (delmarix::PhaseTimes& t : runs) {
            delmarix::AnalysisOptions o;
            o.times = &t;
            delmarix::analyseSection(built.geometry, o);
        }
        const auto median = [&](double delmarix::PhaseTimes::*phase) {
            std::vector<double> v;
            for (const delmarix::PhaseTimes& t : runs)
                v.push_back(t.*phase * 1000.0);
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        std::printf("%-48s %7.1f %7.1f %7.1f %7.1f %7.1f %7.1f\n", c.family, median(&delmarix::PhaseTimes::mesh),
                    median(&delmarix::PhaseTimes::assemble), median(&delmarix::PhaseTimes::factorize),
                    median(&delmarix::PhaseTimes::solve), median(&delmarix::PhaseTimes::post),
                    median(&delmarix::PhaseTimes::peaks));
    }
    return status;
}
