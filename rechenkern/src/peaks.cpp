#include "peaks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace delmarix {

using tarvello::geometrie::AreaMoments;
using tarvello::geometrie::kFixedPointRows;

double column(const PointStress& s, int k)
{
    switch (k) {
    case SigmaX: return s.sigmaX;
    case TauY: return s.tauY;
    case TauZ: return s.tauZ;
    case TauX: return s.tauX;
    case SigmaY: return s.sigmaY;
    default: return s.sigmaZ;
    }
}

namespace {

constexpr double kDegrees = 180.0 / M_PI;
constexpr std::array<int, 3> kShearColumns{TauY, TauZ, TauX};
constexpr std::array<int, 2> kBendingColumns{SigmaY, SigmaZ};
// A peak below half the section's largest of its kind does not govern.
constexpr double kSignificant = 0.5;

double dot(Point a, Point b) { return a.y * b.y + a.z * b.z; }
double cross(Point a, Point b) { return a.y * b.z - a.z * b.y; }
Point minus(Point a, Point b) { return {a.y - b.y, a.z - b.z}; }
double distance(Point a, Point b) { return std::hypot(a.y - b.y, a.z - b.z); }
bool samePlace(Point a, Point b, double tolerance)
{
    return std::fabs(a.y - b.y) <= tolerance && std::fabs(a.z - b.z) <= tolerance;
}

double toleranceOf(const std::vector<Plate>& plates)
{
    double extent = 1.0;
    for (const Plate& p : plates)
        for (const Point& q : p.outline)
            extent = std::max({extent, std::fabs(q.y), std::fabs(q.z)});
    return 1e-7 * extent;
}

// A plate's own axis: the direction of its greatest extent (from its own second
// moments), oriented +y for a flange-like plate and upwards for a web-like one,
// as the stress rows report shear; its centre and its extent along that axis.
struct Wall {
    Point centre;
    Point along;
    double from = 0.0, to = 0.0;   // extent along `along` from the centre
    std::vector<double> junctions; // cuts between its parts, ascending
};

Wall wallOf(const Plate& p)
{
    const AreaMoments m = tarvello::geometrie::areaMoments(p.outline);
    Wall w;
    w.centre = {m.sz / m.area, m.sy / m.area};
    const double cyy = m.izz - m.area * w.centre.y * w.centre.y; // spread along y
    const double czz = m.iyy - m.area * w.centre.z * w.centre.z; // spread along z
    const double cyz = m.iyz - m.area * w.centre.y * w.centre.z;
    const double theta = 0.5 * std::atan2(2.0 * cyz, cyy - czz);
    w.along = {std::cos(theta), std::sin(theta)};
    if (std::fabs(w.along.z) > std::fabs(w.along.y) ? w.along.z < 0 : w.along.y < 0)
        w.along = {-w.along.y, -w.along.z};
    w.from = std::numeric_limits<double>::infinity();
    w.to = -w.from;
    for (const Point& q : p.outline) {
        const double s = dot(minus(q, w.centre), w.along);
        w.from = std::min(w.from, s);
        w.to = std::max(w.to, s);
    }
    return w;
}

// The middle of every junction of plate `i` with another wall, where it lies
// inside the plate's extent (a plate ending on another is not cut there).
void cutAtJunctions(const std::vector<Plate>& plates, std::size_t i, Wall& w, double tolerance)
{
    const Plate& p = plates[i];
    for (std::size_t j = 0; j < plates.size(); ++j) {
        if (j == i || plates[j].fillet)
            continue;
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        const auto touch = [&](const Point& q) {
            const double s = dot(minus(q, w.centre), w.along);
            lo = std::min(lo, s);
            hi = std::max(hi, s);
        };
        for (const Point& q : plates[j].outline)
            if (tarvello::geometrie::contains(p.outline, q, tolerance))
                touch(q);
        for (const Point& q : p.outline)
            if (tarvello::geometrie::contains(plates[j].outline, q, tolerance))
                touch(q);
        if (!(hi >= lo))
            continue;
        const double middle = (lo + hi) / 2;
        if (middle > w.from + p.thickness / 2 && middle < w.to - p.thickness / 2)
            w.junctions.push_back(middle);
    }
    std::sort(w.junctions.begin(), w.junctions.end());
}

// Local area coordinates of the six nodes of an element.
const std::array<std::array<double, 3>, 6>& nodeCoordinates()
{
    static const std::array<std::array<double, 3>, 6> L{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                                        {0.5, 0.5, 0}, {0, 0.5, 0.5}, {0.5, 0, 0.5}}};
    return L;
}

struct NodeStress {
    int node = -1;
    int part = 0;
    double along = 0.0;     // position along the wall
    double cornerDistance = 0.0; // to the nearest re-entrant corner, in plate thicknesses
    PointStress stress;
};

struct Candidate {
    int plate = -1;
    int column = 0;
    double weight = 0.0; // |value| relative to the largest of its column
    const NodeStress* at = nullptr;
};

} // namespace

double sectionAngleAt(const std::vector<Plate>& plates, Point p, double tolerance)
{
    double angle = 0.0;
    for (const Plate& plate : plates) {
        const auto& o = plate.outline;
        const std::size_t n = o.size();
        bool vertex = false;
        for (std::size_t k = 0; k < n && !vertex; ++k) {
            if (distance(o[k], p) > tolerance)
                continue;
            const Point next = minus(o[(k + 1) % n], o[k]), prev = minus(o[(k + n - 1) % n], o[k]);
            double a = std::atan2(cross(next, prev), dot(next, prev)) * kDegrees;
            if (a < 0)
                a += 360.0;
            angle += a;
            vertex = true;
        }
        if (vertex)
            continue;
        if (tarvello::geometrie::containsStrictly(o, p, tolerance))
            angle += 360.0;
        else if (tarvello::geometrie::contains(o, p, tolerance))
            angle += 180.0;
    }
    return angle;
}

SectionCorners sectionCorners(const std::vector<Plate>& plates)
{
    const double tolerance = toleranceOf(plates);
    SectionCorners c;
    c.tolerance = tolerance;
    const auto once = [tolerance](std::vector<Point>& list, Point q) {
        if (std::none_of(list.begin(), list.end(), [&](Point o) { return samePlace(o, q, tolerance); }))
            list.push_back(q);
    };
    for (const Plate& p : plates)
        for (const Point& q : p.outline) {
            const double a = sectionAngleAt(plates, q, tolerance);
            if (a > kReentrantCornerDegrees && a < 359.0) // 360: where plates meet inside the section
                once(c.reentrant, q);
            else if (a < kConvexCornerDegrees)
                once(c.convex, q);
        }
    return c;
}

bool SectionCorners::isConvex(Point p) const
{
    return std::any_of(convex.begin(), convex.end(), [&](Point c) { return samePlace(c, p, tolerance); });
}

void clearShearAtConvexCorners(const SectionCorners& corners, const std::vector<StressPoint>& points,
                               std::vector<PointStress>& stresses)
{
    for (std::size_t i = 0; i < points.size() && i < stresses.size(); ++i)
        if (corners.isConvex(points[i].at))
            stresses[i].tauY = stresses[i].tauZ = stresses[i].tauX = 0.0;
}

PeakSearch searchPeaks(const std::vector<Plate>& plates, const SectionCorners& corners,
                       const std::vector<StressPoint>& fixed,
                       const std::vector<PointStress>& fixedStresses, const Mesh& mesh,
                       const std::vector<Point>& nodes, const PrincipalFrame& frame, const AxisMoments& m,
                       const SectionValues& values, const SolvedFields& f, double poisson, int capacity)
{
    const double tolerance = corners.tolerance;

    std::vector<std::vector<int>> elementsOf(plates.size());
    for (std::size_t e = 0; e < mesh.elements.size(); ++e)
        elementsOf[std::size_t(mesh.elementPlate[e])].push_back(int(e));

    PeakSearch out;
    std::vector<Gradients> sum(mesh.nodes.size());
    std::vector<std::vector<NodeStress>> field(plates.size());
    std::vector<Wall> walls(plates.size());
    for (std::size_t i = 0; i < plates.size(); ++i) {
        const Plate& p = plates[i];
        if (p.fillet)
            continue;
        Wall& w = walls[i];
        w = wallOf(p);
        cutAtJunctions(plates, i, w, tolerance);

        // The unit stresses at every node of the plate, averaged over the plate's elements there.
        std::vector<int> touched;
        for (int e : elementsOf[i]) {
            const Element& el = mesh.elements[std::size_t(e)];
            const Triangle6 tri(nodes[std::size_t(el[0])], nodes[std::size_t(el[1])], nodes[std::size_t(el[2])]);
            for (int k = 0; k < 6; ++k) {
                Gradients& g = sum[std::size_t(el[std::size_t(k)])];
                if (g.count == 0)
                    touched.push_back(el[std::size_t(k)]);
                g.add(f, el, tri.at(nodeCoordinates()[std::size_t(k)]));
            }
        }
        StressPoint sp;
        sp.plate = int(i);
        sp.direction = w.along;
        sp.thickness = p.thickness;
        for (int n : touched) {
            Gradients& g = sum[std::size_t(n)];
            g.average();
            NodeStress ns;
            ns.node = n;
            const Point at = mesh.nodes[std::size_t(n)];
            ns.stress = unitStresses(sp, nodes[std::size_t(n)], g, frame, m, values, poisson);
            g = Gradients{};
            ns.along = dot(minus(at, w.centre), w.along);
            ns.part = int(std::upper_bound(w.junctions.begin(), w.junctions.end(), ns.along) - w.junctions.begin());
            double nearest = std::numeric_limits<double>::infinity(); // squared
            for (const Point& c : corners.reentrant) {
                const double dy = c.y - at.y, dz = c.z - at.z;
                nearest = std::min(nearest, dy * dy + dz * dz);
            }
            ns.cornerDistance = std::sqrt(nearest) / p.thickness;
            if (corners.isConvex(at))
                ns.stress.tauY = ns.stress.tauZ = ns.stress.tauX = 0.0;
            field[i].push_back(ns);
        }
    }

    // Peaks per plate part (shear) and per plate (normal stress); the plate's maxima.
    std::vector<Candidate> candidates;
    std::array<double, 6> largest{};
    for (std::size_t i = 0; i < plates.size(); ++i) {
        if (plates[i].fillet)
            continue;
        PlateMaxima pm;
        pm.plate = int(i);
        const auto best = [&](int k, int part) {
            const NodeStress* b = nullptr;
            for (const NodeStress& ns : field[i]) {
                const bool shear = k == TauY || k == TauZ || k == TauX;
                // Shear one plate thickness from a re-entrant corner at the least (see peaks.h).
                if ((shear && ns.cornerDistance < 1.0) || (part >= 0 && ns.part != part))
                    continue;
                if (!b || std::fabs(column(ns.stress, k)) > std::fabs(column(b->stress, k)))
                    b = &ns;
            }
            return b;
        };
        for (int k = 0; k < 6; ++k)
            if (const NodeStress* b = best(k, -1))
                pm.peak[std::size_t(k)] = {true, column(b->stress, k), mesh.nodes[std::size_t(b->node)]};
        out.plates.push_back(pm);
        for (int part = 0; part <= int(walls[i].junctions.size()); ++part)
            for (int k : kShearColumns)
                if (const NodeStress* b = best(k, part))
                    candidates.push_back({int(i), k, std::fabs(column(b->stress, k)), b});
        for (int k : kBendingColumns)
            if (const NodeStress* b = best(k, -1))
                candidates.push_back({int(i), k, std::fabs(column(b->stress, k)), b});
    }
    for (const Candidate& c : candidates)
        largest[std::size_t(c.column)] = std::max(largest[std::size_t(c.column)], c.weight);

    // Which peaks the fixed points leave unreported.
    std::array<double, 6> largestFixed{};
    for (const PointStress& s : fixedStresses)
        for (int k = 0; k < 6; ++k)
            largestFixed[std::size_t(k)] = std::max(largestFixed[std::size_t(k)], std::fabs(column(s, k)));
    // A peak is reported when a point on its plate, fixed or chosen before it, shows 99 % of it:
    // the page shows each plate's own peaks within 1 %.
    std::vector<Candidate> chosen;
    const auto reported = [&](const Candidate& c) {
        if (c.column == SigmaY || c.column == SigmaZ)
            return c.weight <= 1.01 * largestFixed[std::size_t(c.column)];
        const auto shows = [&](const PointStress& s, int plate) {
            return plate == c.plate && std::fabs(column(s, c.column)) >= 0.99 * c.weight;
        };
        for (std::size_t j = 0; j < fixed.size() && j < fixedStresses.size(); ++j)
            if (shows(fixedStresses[j], fixed[j].plate))
                return true;
        return std::any_of(chosen.begin(), chosen.end(), [&](const Candidate& o) { return shows(o.at->stress, o.plate); });
    };
    // The largest relative to their kind first, so that each plate's own maximum comes before
    // the lesser peaks of its other parts.
    const auto relative = [&](const Candidate& c) {
        const double l = largest[std::size_t(c.column)];
        return l > 0.0 ? c.weight / l : 0.0;
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const Candidate& a, const Candidate& b) { return relative(a) > relative(b); });
    // A peak that a later choice on its plate shows within 1 % as well (a constant stress along
    // a wall peaks anywhere) needs no point of its own; the least significant go first. A peak
    // that only a point dropped so reported is then looked at again, until nothing changes.
    for (int round = 0; round < 4; ++round) {
        const std::vector<Candidate> before = chosen;
        for (const Candidate& c : candidates) {
            if (relative(c) < kSignificant)
                break;
            const bool already = std::any_of(chosen.begin(), chosen.end(), [&](const Candidate& o) { return o.at == c.at && o.column == c.column; });
            if (!already && int(chosen.size()) < capacity && !reported(c))
                chosen.push_back(c);
        }
        for (std::size_t i = chosen.size(); i-- > 0;) {
            const Candidate& c = chosen[i];
            const bool covered = std::any_of(chosen.begin(), chosen.end(), [&](const Candidate& o) {
                return &o != &c && o.plate == c.plate && std::fabs(column(o.at->stress, c.column)) >= 0.99 * c.weight;
            });
            if (covered)
                chosen.erase(chosen.begin() + std::ptrdiff_t(i));
        }
        const auto same = [](const Candidate& a, const Candidate& b) { return a.at == b.at && a.column == b.column; };
        if (chosen.size() == before.size() && std::equal(chosen.begin(), chosen.end(), before.begin(), same))
            break;
    }
    std::sort(chosen.begin(), chosen.end(), [](const Candidate& a, const Candidate& b) {
        return a.plate != b.plate ? a.plate < b.plate : a.at->along < b.at->along;
    });
    for (std::size_t i = 0; i < plates.size(); ++i)
        for (const NodeStress& ns : field[i])
            out.field.push_back({int(i), ns.node, ns.stress});
    int number = kFixedPointRows;
    for (const Candidate& c : chosen) {
        StressPoint sp;
        sp.number = ++number;
        sp.at = mesh.nodes[std::size_t(c.at->node)];
        sp.plate = c.plate;
        sp.direction = walls[std::size_t(c.plate)].along;
        sp.thickness = plates[std::size_t(c.plate)].thickness;
        sp.governing = true;
        PointStress s = c.at->stress;
        s.number = sp.number;
        out.governing.push_back(sp);
        out.stresses.push_back(s);
        out.columns.push_back(c.column);
    }
    return out;
}

} // namespace delmarix
