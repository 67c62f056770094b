// Whole-section queries: area integrals and the bounding box.
#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvello::geometrie {

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
