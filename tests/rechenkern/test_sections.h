// Plate-built test sections (centre-line dimensions where the references use them).
#pragma once

#include "analysis.h"

#include "kern/polygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace testsections {

using tarvello::geometrie::Plate;
using tarvello::geometrie::Point;
using tarvello::geometrie::StressPoint;

struct Check {
    std::string what;
    double actual, expected, tolerance;
};

// Each value is printed with its deviation (the engine's accuracy table), passing or not.
inline void expectAll(const std::vector<Check>& checks)
{
    for (const Check& c : checks) {
        EXPECT_NEAR(c.actual / c.expected, 1.0, c.tolerance) << c.what << ": " << c.actual << " against " << c.expected;
        std::printf("  %-42s %14.7g  reference %14.7g  deviation %+.3f %%\n", c.what.c_str(), c.actual, c.expected,
                    100.0 * (c.actual / c.expected - 1.0));
    }
}

inline Plate rect(double y0, double z0, double y1, double z1)
{
    return {"plate", "plate", tarvello::geometrie::rectangle(y0, z0, y1, z1), std::min(std::fabs(y1 - y0), std::fabs(z1 - z0)), false, std::nullopt};
}

// A solid a × b rectangle centred on the origin (a along y).
inline std::vector<Plate> rectangleSection(double a, double b) { return {rect(-a / 2, -b / 2, a / 2, b / 2)}; }

// Two-cell box: outer webs t at y = 0 and w1 + w2, middle web tm at y = w1 (w2 = 0:
// a single box with webs t and tm), height h, flanges tf over the webs' outer faces.
// Plates: bottom, top, left, middle (the right web of a single box), right.
inline std::vector<Plate> boxSection(double w1, double w2, double h, double tf, double t, double tm)
{
    const double right = w2 > 0 ? w1 + w2 + t / 2 : w1 + tm / 2;
    std::vector<Plate> p{rect(-t / 2, -tf / 2, right, tf / 2), rect(-t / 2, h - tf / 2, right, h + tf / 2),
                         rect(-t / 2, tf / 2, t / 2, h - tf / 2), rect(w1 - tm / 2, tf / 2, w1 + tm / 2, h - tf / 2)};
    if (w2 > 0)
        p.push_back(rect(w1 + w2 - t / 2, tf / 2, w1 + w2 + t / 2, h - tf / 2));
    return p;
}

// Channel: web of centre-line height h at y = 0, flanges of centre-line width b
// towards +y, all of thickness t, the flanges over the web.
inline std::vector<Plate> channelSection(double b, double h, double t)
{
    return {rect(-t / 2, -h / 2 - t / 2, b, -h / 2 + t / 2), rect(-t / 2, h / 2 - t / 2, b, h / 2 + t / 2),
            rect(-t / 2, -h / 2 + t / 2, t / 2, h / 2 - t / 2)};
}

// Welded I: flanges bf × tf, web hw × tw between them, centred.
inline std::vector<Plate> iSection(double bf, double tf, double hw, double tw)
{
    return {rect(-bf / 2, -hw / 2 - tf, bf / 2, -hw / 2), rect(-bf / 2, hw / 2, bf / 2, hw / 2 + tf),
            rect(-tw / 2, -hw / 2, tw / 2, hw / 2)};
}

// Z-section of Peery, Aircraft Structures: flanges 6 × 2, web 2 × 8.
inline std::vector<Plate> zSection() { return {rect(-5, 4, 1, 6), rect(-1, -4, 1, 4), rect(-1, -6, 5, -4)}; }

// A point on plate `plate` whose shear is reported along `direction`.
inline StressPoint point(Point at, int plate, Point direction = {0, 1}) { return {1, at, plate, direction}; }

} // namespace testsections
