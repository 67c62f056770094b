// Plate-built test sections (centre-line dimensions where the references use them).
#pragma once

#include "analysis.h"

#include "kern/polygon.h"

#include <string>
#include <vector>

namespace testsections {

using tarvello::geometrie::Plate;
using tarvello::geometrie::Point;
using tarvello::geometrie::StressPoint;

inline Plate rect(double y0, double z0, double y1, double z1, const std::string& name = "plate")
{
    const double t = std::min(std::fabs(y1 - y0), std::fabs(z1 - z0));
    return {name, name, tarvello::geometrie::rectangle(y0, z0, y1, z1), t};
}

// A solid a × b rectangle centred on the origin (a along y).
inline std::vector<Plate> rectangleSection(double a, double b)
{
    return {rect(-a / 2, -b / 2, a / 2, b / 2)};
}

// Box with centre-line width b and height h, flanges tf, webs t1 (left) and t2
// (right); the flanges run over the webs' outer faces.
inline std::vector<Plate> boxSection(double b, double h, double tf, double t1, double t2)
{
    return {
        rect(-t1 / 2, -tf / 2, b + t2 / 2, tf / 2, "bottom"),
        rect(-t1 / 2, h - tf / 2, b + t2 / 2, h + tf / 2, "top"),
        rect(-t1 / 2, tf / 2, t1 / 2, h - tf / 2, "left"),
        rect(b - t2 / 2, tf / 2, b + t2 / 2, h - tf / 2, "right"),
    };
}

// Two-cell box, outer centre-line width w1 + w2, height h: outer webs t, middle
// web tm at y = w1.
inline std::vector<Plate> twoCellSection(double w1, double w2, double h, double tf, double t, double tm)
{
    return {
        rect(-t / 2, -tf / 2, w1 + w2 + t / 2, tf / 2, "bottom"),
        rect(-t / 2, h - tf / 2, w1 + w2 + t / 2, h + tf / 2, "top"),
        rect(-t / 2, tf / 2, t / 2, h - tf / 2, "left"),
        rect(w1 - tm / 2, tf / 2, w1 + tm / 2, h - tf / 2, "middle"),
        rect(w1 + w2 - t / 2, tf / 2, w1 + w2 + t / 2, h - tf / 2, "right"),
    };
}

// Channel: web of centre-line height h along z at y = 0, flanges of centre-line
// width b towards +y, all thickness t; the flanges run over the web.
inline std::vector<Plate> channelSection(double b, double h, double t)
{
    return {
        rect(-t / 2, -h / 2 - t / 2, b, -h / 2 + t / 2, "bottom"),
        rect(-t / 2, h / 2 - t / 2, b, h / 2 + t / 2, "top"),
        rect(-t / 2, -h / 2 + t / 2, t / 2, h / 2 - t / 2, "web"),
    };
}

// Welded I: flanges bf × tf, web hw × tw between them, centred.
inline std::vector<Plate> iSection(double bf, double tf, double hw, double tw)
{
    return {
        rect(-bf / 2, -hw / 2 - tf, bf / 2, -hw / 2, "bottom"),
        rect(-bf / 2, hw / 2, bf / 2, hw / 2 + tf, "top"),
        rect(-tw / 2, -hw / 2, tw / 2, hw / 2, "web"),
    };
}

inline StressPoint point(Point at, int plate, Point direction = {0, 1})
{
    StressPoint p;
    p.number = 1;
    p.at = at;
    p.plate = plate;
    p.direction = direction;
    return p;
}

} // namespace testsections
