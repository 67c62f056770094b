// Whole-section queries: area integrals, the plastic modulus and the bounding box.
#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvello::geometrie {

AreaMoments sectionMoments(const SectionGeometry& g)
{
    AreaMoments m;
    for (const Plate& p : g.plates)
        m += plateMoments(p);
    return m;
}

namespace {

AreaMoments momentsAbove(const std::vector<Polygon>& polygons, double c)
{
    AreaMoments m;
    for (const Polygon& p : polygons)
        if (p.size() >= 3)
            m += areaMoments(partAbove(p, c));
    return m;
}

} // namespace

double plasticModulus(const std::vector<Plate>& plates, Point centroid, double angle)
{
    // Turned so that the distance from the axis is the z coordinate.
    std::vector<Polygon> turned;
    AreaMoments whole;
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const Plate& p : plates) {
        turned.push_back(movedAndTurned(p.outline, -centroid.y, -centroid.z, -angle));
        whole += areaMoments(turned.back());
        for (const Point& q : turned.back())
            low = std::min(low, q.z), high = std::max(high, q.z);
    }
    if (!(whole.area > 0.0) || !(high > low))
        return 0.0;
    // The area above the line falls steadily as the line rises: halve it by bisection.
    for (int i = 0; i < 100 && high - low > 1e-12 * (std::fabs(high) + std::fabs(low) + 1.0); ++i) {
        const double c = (low + high) / 2;
        (momentsAbove(turned, c).area > whole.area / 2 ? low : high) = c;
    }
    const double c = (low + high) / 2;
    const AreaMoments up = momentsAbove(turned, c);
    // ∫|z − c| = (S_up − c·A_up) − ((S − S_up) − c·(A − A_up))
    return (up.sy - c * up.area) - ((whole.sy - up.sy) - c * (whole.area - up.area));
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
