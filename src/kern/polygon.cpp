#include "kern/polygon.h"

#include <algorithm>
#include <cmath>

namespace tarvello::geometrie {

AreaMoments& AreaMoments::operator+=(const AreaMoments& other)
{
    area += other.area;
    sy += other.sy;
    sz += other.sz;
    iyy += other.iyy;
    izz += other.izz;
    iyz += other.iyz;
    return *this;
}

double signedArea(const Polygon& polygon)
{
    double twice = 0.0;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % n];
        twice += a.y * b.z - b.y * a.z;
    }
    return 0.5 * twice;
}

AreaMoments areaMoments(const Polygon& polygon)
{
    AreaMoments m;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double y0 = polygon[i].y, z0 = polygon[i].z;
        const double y1 = polygon[(i + 1) % n].y, z1 = polygon[(i + 1) % n].z;
        const double c = y0 * z1 - y1 * z0;
        m.area += c;
        m.sz += (y0 + y1) * c;
        m.sy += (z0 + z1) * c;
        m.izz += (y0 * y0 + y0 * y1 + y1 * y1) * c;
        m.iyy += (z0 * z0 + z0 * z1 + z1 * z1) * c;
        m.iyz += (y0 * z1 + 2.0 * y0 * z0 + 2.0 * y1 * z1 + y1 * z0) * c;
    }
    m.area /= 2.0;
    m.sz /= 6.0;
    m.sy /= 6.0;
    m.izz /= 12.0;
    m.iyy /= 12.0;
    m.iyz /= 24.0;
    return m;
}

double distanceToSegment(Point p, Point a, Point b)
{
    const double dy = b.y - a.y, dz = b.z - a.z;
    const double len2 = dy * dy + dz * dz;
    double t = 0.0;
    if (len2 > 0.0)
        t = std::clamp(((p.y - a.y) * dy + (p.z - a.z) * dz) / len2, 0.0, 1.0);
    const double ey = a.y + t * dy - p.y, ez = a.z + t * dz - p.z;
    return std::sqrt(ey * ey + ez * ez);
}

namespace {

double boundaryDistance(const Polygon& polygon, Point p)
{
    double d = INFINITY;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i)
        d = std::min(d, distanceToSegment(p, polygon[i], polygon[(i + 1) % n]));
    return d;
}

bool insideByCrossings(const Polygon& polygon, Point p)
{
    bool inside = false;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.z > p.z) != (b.z > p.z)) {
            const double y = a.y + (p.z - a.z) * (b.y - a.y) / (b.z - a.z);
            if (p.y < y)
                inside = !inside;
        }
    }
    return inside;
}

} // namespace

bool contains(const Polygon& polygon, Point p, double tolerance)
{
    if (polygon.size() < 3)
        return false;
    if (boundaryDistance(polygon, p) <= tolerance)
        return true;
    return insideByCrossings(polygon, p);
}

bool containsStrictly(const Polygon& polygon, Point p, double tolerance)
{
    if (polygon.size() < 3)
        return false;
    if (boundaryDistance(polygon, p) <= tolerance)
        return false;
    return insideByCrossings(polygon, p);
}

Polygon rectangle(double y0, double z0, double y1, double z1)
{
    const double ya = std::min(y0, y1), yb = std::max(y0, y1);
    const double za = std::min(z0, z1), zb = std::max(z0, z1);
    return {{ya, za}, {yb, za}, {yb, zb}, {ya, zb}};
}

Polygon filletPolygon(Point corner, Point dirA, Point dirB, double r, int segments)
{
    Polygon p;
    const Point centre{corner.y + r * (dirA.y + dirB.y), corner.z + r * (dirA.z + dirB.z)};
    p.push_back(corner);
    // The arc runs from the tangent point on face a (centre - r·dirB) to the one on
    // face b (centre - r·dirA), a quarter turn about the centre.
    for (int k = 0; k <= segments; ++k) {
        const double t = (M_PI / 2.0) * k / segments;
        const double c = std::cos(t), s = std::sin(t);
        p.push_back({centre.y - r * (c * dirB.y + s * dirA.y),
                     centre.z - r * (c * dirB.z + s * dirA.z)});
    }
    orientCounterClockwise(p);
    return p;
}

AreaMoments filletMoments(Point corner, Point dirA, Point dirB, double r)
{
    // In the corner's own axes u along face a, v along face b: the square [0, r]² less the
    // quarter disc about (r, r) that reaches the corner's side (p = u − r, q = v − r ≤ 0):
    // its A = πr²/4, ∫p = ∫q = −r³/3, ∫p² = ∫q² = πr⁴/16, ∫pq = r⁴/8.
    const double r2 = r * r, r3 = r2 * r, r4 = r3 * r, disc = M_PI * r2 / 4;
    const double a = r2 - disc;
    const double su = r3 / 2 - (-r3 / 3 + r * disc);                        // ∫u
    const double suu = r4 / 3 - (M_PI * r4 / 16 - 2 * r4 / 3 + r2 * disc);  // ∫u²
    const double suv = r4 / 4 - (r4 / 8 - 2 * r4 / 3 + r2 * disc);          // ∫uv
    // ∫v = ∫u and ∫v² = ∫u² by symmetry. y = c.y + u·a.y + v·b.y, z likewise.
    const auto first = [&](double c, double da, double db) { return c * a + (da + db) * su; };
    const auto second = [&](double c1, double a1, double b1, double c2, double a2, double b2) {
        return c1 * c2 * a + (c1 * (a2 + b2) + c2 * (a1 + b1)) * su + (a1 * a2 + b1 * b2) * suu + (a1 * b2 + b1 * a2) * suv;
    };
    const Point c = corner;
    AreaMoments m;
    m.area = a;
    m.sz = first(c.y, dirA.y, dirB.y);
    m.sy = first(c.z, dirA.z, dirB.z);
    m.izz = second(c.y, dirA.y, dirB.y, c.y, dirA.y, dirB.y);
    m.iyy = second(c.z, dirA.z, dirB.z, c.z, dirA.z, dirB.z);
    m.iyz = second(c.y, dirA.y, dirB.y, c.z, dirA.z, dirB.z);
    return m;
}

Polygon mirroredY(const Polygon& polygon)
{
    Polygon m;
    m.reserve(polygon.size());
    for (auto it = polygon.rbegin(); it != polygon.rend(); ++it)
        m.push_back({-it->y, it->z});
    return m;
}

Polygon movedAndTurned(const Polygon& polygon, double dy, double dz, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    Polygon out;
    out.reserve(polygon.size());
    for (const Point& p : polygon) {
        const double y = p.y + dy, z = p.z + dz;
        out.push_back({c * y - s * z, s * y + c * z});
    }
    return out;
}

void orientCounterClockwise(Polygon& polygon)
{
    if (signedArea(polygon) < 0.0)
        std::reverse(polygon.begin(), polygon.end());
}

namespace {

Polygon clippedAtZ(const Polygon& p, double c, bool oben)
{
    Polygon out;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Point a = p[i], b = p[(i + 1) % p.size()];
        const bool aIn = oben ? a.z >= c : a.z <= c, bIn = oben ? b.z >= c : b.z <= c;
        if (aIn)
            out.push_back(a);
        if (aIn != bIn) {
            const double t = (c - a.z) / (b.z - a.z);
            out.push_back({a.y + t * (b.y - a.y), c});
        }
    }
    return out;
}

} // namespace

Polygon partAbove(const Polygon& polygon, double c) { return clippedAtZ(polygon, c, true); }
Polygon partBelow(const Polygon& polygon, double c) { return clippedAtZ(polygon, c, false); }

} // namespace tarvello::geometrie
