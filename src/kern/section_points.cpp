// Whole-section queries: the governing points at the centroid's height, the
// rows of the result table, area integrals and the bounding box.
#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvello::geometrie {

namespace {

Point unit(Point d)
{
    const double n = std::hypot(d.y, d.z);
    return n > 0.0 ? Point{d.y / n, d.z / n} : Point{0.0, 1.0};
}

// The point of the web's mid-line at height zs; false when the web does not reach it.
bool webPointAt(const GoverningCandidate& c, double zs, StressPoint& out)
{
    for (const MidLine& m : c.web) {
        const double z0 = std::min(m.from.z, m.to.z), z1 = std::max(m.from.z, m.to.z);
        if (!(zs >= z0 && zs <= z1) || !(z1 > z0))
            continue;
        const double s = (zs - m.from.z) / (m.to.z - m.from.z);
        out.number = c.number;
        out.at = {m.from.y + s * (m.to.y - m.from.y), zs};
        out.plate = m.plate;
        out.direction = unit({m.to.y - m.from.y, m.to.z - m.from.z});
        out.thickness = m.thickness;
        out.governing = true;
        return true;
    }
    return false;
}

} // namespace

std::vector<StressPoint> governingPoints(const SectionGeometry& g, double zs)
{
    std::vector<StressPoint> out;
    for (const GoverningCandidate& c : g.governing) {
        if (!c.atCentroidHeight) {
            out.push_back(c.fixed);
            continue;
        }
        StressPoint p;
        if (webPointAt(c, zs, p))
            out.push_back(p);
    }
    std::sort(out.begin(), out.end(), [](const StressPoint& x, const StressPoint& y) { return x.number < y.number; });
    return out;
}

int resultRows(const SectionGeometry& g)
{
    return g.governingRows > 0 ? std::max(kFixedPointRows, g.governingRows) : g.pointRows;
}

AreaMoments sectionMoments(const SectionGeometry& g)
{
    AreaMoments m;
    for (const Plate& p : g.plates)
        m += areaMoments(p.outline);
    return m;
}

std::array<double, 4> boundingBox(const SectionGeometry& g)
{
    const double inf = std::numeric_limits<double>::infinity();
    std::array<double, 4> box{inf, inf, -inf, -inf};
    for (const Plate& p : g.plates)
        for (const Point& q : p.outline) {
            box[0] = std::min(box[0], q.y);
            box[1] = std::min(box[1], q.z);
            box[2] = std::max(box[2], q.y);
            box[3] = std::max(box[3], q.z);
        }
    return box;
}

} // namespace tarvello::geometrie
