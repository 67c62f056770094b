// The CGAL adapter: the only translation unit that includes CGAL.
#include "mesh.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Mesh_2/Face_badness.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <queue>
#include <unordered_map>
#include <utility>

namespace delmarix {

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase = CGAL::Delaunay_mesh_vertex_base_2<Kernel>;
using FaceBase = CGAL::Delaunay_mesh_face_base_2<Kernel>;
using Tds = CGAL::Triangulation_data_structure_2<VertexBase, FaceBase>;
// Exact_predicates_tag lets constraints cross; they only do when plates overlap,
// which is then reported instead of meshed.
using Cdt = CGAL::Constrained_Delaunay_triangulation_2<Kernel, Tds, CGAL::Exact_predicates_tag>;
using CgalPoint = Cdt::Point;
using VertexHandle = Cdt::Vertex_handle;
using FaceHandle = Cdt::Face_handle;

struct Box {
    double y0, z0, y1, z1;
    bool holds(double y, double z) const { return y >= y0 && y <= y1 && z >= z0 && z <= z1; }
};

// Target element size at a point: the plate's own size inside its box, finer
// near re-entrant corners where the stresses concentrate.
struct SizeField {
    std::vector<Box> boxes;
    std::vector<double> plateSize;
    std::vector<Point> corners;
    std::vector<double> cornerSize;
    double grading = 0.25;
    double fallback = 1.0;

    double at(double y, double z) const
    {
        double h = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].holds(y, z))
                h = std::min(h, plateSize[i]);
        if (!std::isfinite(h))
            h = fallback;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const double dy = y - corners[i].y, dz = z - corners[i].z;
            h = std::min(h, cornerSize[i] + grading * std::sqrt(dy * dy + dz * dz));
        }
        return h;
    }
};

// Shape bound as CGAL's default (smallest angle about 20.6 degrees) with the
// size bound taken from the size field at each triangle's centroid.
class LocalSizeCriteria {
public:
    using Face_handle = Cdt::Face_handle;

    struct Quality : public std::pair<double, double> {
        Quality() = default;
        Quality(double sine, double size) : std::pair<double, double>(sine, size) {}
        double size() const { return second; }
        double sine() const { return first; }
        bool operator<(const Quality& q) const
        {
            if (size() > 1)
                return q.size() > 1 ? size() > q.size() : true;
            if (q.size() > 1)
                return false;
            return sine() < q.sine();
        }
    };

    class Is_bad {
    public:
        Is_bad(double bound, const SizeField* field) : bound_(bound), field_(field) {}

        CGAL::Mesh_2::Face_badness operator()(const Quality q) const
        {
            if (q.size() > 1)
                return CGAL::Mesh_2::IMPERATIVELY_BAD;
            return q.sine() < bound_ ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
        }

        CGAL::Mesh_2::Face_badness operator()(const Face_handle& fh, Quality& q) const
        {
            const CgalPoint& pa = fh->vertex(0)->point();
            const CgalPoint& pb = fh->vertex(1)->point();
            const CgalPoint& pc = fh->vertex(2)->point();
            const double a = CGAL::to_double(CGAL::squared_distance(pb, pc));
            const double b = CGAL::to_double(CGAL::squared_distance(pc, pa));
            const double c = CGAL::to_double(CGAL::squared_distance(pa, pb));
            double longest = std::max({a, b, c});
            double second = a + b + c - longest - std::min({a, b, c});
            const double y = (pa.x() + pb.x() + pc.x()) / 3.0;
            const double z = (pa.y() + pb.y() + pc.y()) / 3.0;
            const double h = field_->at(y, z);
            q.second = longest / (h * h);
            if (q.size() > 1) {
                q.first = 1;
                return CGAL::Mesh_2::IMPERATIVELY_BAD;
            }
            const double area = 2 * CGAL::to_double(CGAL::area(pa, pb, pc));
            q.first = (area * area) / (longest * second);
            return q.sine() < bound_ ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
        }

    private:
        double bound_;
        const SizeField* field_;
    };

    explicit LocalSizeCriteria(const SizeField* field) : field_(field) {}
    Is_bad is_bad_object() const { return Is_bad(0.125, field_); }

private:
    const SizeField* field_;
};

using Mesher = CGAL::Delaunay_mesher_2<Cdt, LocalSizeCriteria>;

struct Refusal {
    std::string de;
    std::string en;
};

Box boxOf(const Plate& p)
{
    Box b{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (const Point& q : p.outline) {
        b.y0 = std::min(b.y0, q.y);
        b.z0 = std::min(b.z0, q.z);
        b.y1 = std::max(b.y1, q.y);
        b.z1 = std::max(b.z1, q.z);
    }
    return b;
}

// Plates holding a point strictly inside (faces of the triangulation never
// straddle a plate outline, so their centroids are clear of it).
std::vector<int> platesHolding(const std::vector<Plate>& plates, const std::vector<Box>& boxes, Point p,
                               double tolerance)
{
    std::vector<int> found;
    for (std::size_t i = 0; i < plates.size(); ++i)
        if (boxes[i].holds(p.y, p.z) &&
            tarvello::geometrie::containsStrictly(plates[i].outline, p, tolerance))
            found.push_back(static_cast<int>(i));
    return found;
}

Point centroid(const FaceHandle& f)
{
    const CgalPoint& a = f->vertex(0)->point();
    const CgalPoint& b = f->vertex(1)->point();
    const CgalPoint& c = f->vertex(2)->point();
    return {(a.x() + b.x() + c.x()) / 3.0, (a.y() + b.y() + c.y()) / 3.0};
}

std::string plateNames(const Plate& p, bool german)
{
    return german ? p.nameDe : p.nameEn;
}

// The planar straight-line graph of all plate outlines: corners closer than the
// snap distance are merged and every outline edge is split at the corners lying
// on it, so that edges shared by adjoining plates become identical constraints
// even where rounding puts a corner a hair off a sloped edge.
struct Pslg {
    std::vector<Point> vertices;
    std::vector<std::pair<int, int>> edges;
    std::vector<int> required;  // vertex of each required point
};

Pslg planarGraph(const std::vector<Plate>& plates, const std::vector<Point>& required, double snap)
{
    Pslg g;
    auto vertexOf = [&](Point p) {
        for (std::size_t i = 0; i < g.vertices.size(); ++i)
            if (std::fabs(g.vertices[i].y - p.y) <= snap && std::fabs(g.vertices[i].z - p.z) <= snap)
                return static_cast<int>(i);
        g.vertices.push_back(p);
        return static_cast<int>(g.vertices.size()) - 1;
    };
    std::vector<std::pair<int, int>> raw;
    for (const Plate& plate : plates) {
        const auto& o = plate.outline;
        std::vector<int> ids;
        for (const Point& p : o)
            ids.push_back(vertexOf(p));
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const int a = ids[i], b = ids[(i + 1) % ids.size()];
            if (a != b)
                raw.emplace_back(a, b);
        }
    }
    for (const Point& p : required)
        g.required.push_back(vertexOf(p));

    std::map<std::pair<int, int>, bool> seen;
    auto emit = [&](int a, int b) {
        if (a == b)
            return;
        const auto key = std::minmax(a, b);
        if (seen.emplace(key, true).second)
            g.edges.emplace_back(key.first, key.second);
    };
    for (const auto& [a, b] : raw) {
        const Point pa = g.vertices[a], pb = g.vertices[b];
        const double dy = pb.y - pa.y, dz = pb.z - pa.z;
        const double len2 = dy * dy + dz * dz;
        std::vector<std::pair<double, int>> on;
        for (std::size_t v = 0; v < g.vertices.size(); ++v) {
            if (static_cast<int>(v) == a || static_cast<int>(v) == b)
                continue;
            const Point p = g.vertices[v];
            const double t = ((p.y - pa.y) * dy + (p.z - pa.z) * dz) / len2;
            if (t <= 0.0 || t >= 1.0)
                continue;
            if (tarvello::geometrie::distanceToSegment(p, pa, pb) <= snap)
                on.emplace_back(t, static_cast<int>(v));
        }
        std::sort(on.begin(), on.end());
        int from = a;
        for (const auto& [t, v] : on) {
            emit(from, v);
            from = v;
        }
        emit(from, b);
    }
    return g;
}

// Interior angle of the meshed region at a boundary vertex: the sum of the
// angles of its faces inside the domain.
double interiorAngle(const Cdt& cdt, VertexHandle v)
{
    double sum = 0.0;
    auto fc = cdt.incident_faces(v), done = fc;
    if (fc == nullptr)
        return 0.0;
    do {
        if (!cdt.is_infinite(fc) && fc->is_in_domain()) {
            const int i = fc->index(v);
            const CgalPoint& p = v->point();
            const CgalPoint& a = fc->vertex(Cdt::ccw(i))->point();
            const CgalPoint& b = fc->vertex(Cdt::cw(i))->point();
            const double ay = a.x() - p.x(), az = a.y() - p.y();
            const double by = b.x() - p.x(), bz = b.y() - p.y();
            sum += std::atan2(std::fabs(ay * bz - az * by), ay * by + az * bz);
        }
    } while (++fc != done);
    return sum;
}

// The plates' boxes and the whole section's; a section without extent is refused.
struct Extent {
    std::vector<Box> boxes;
    double size = 0.0; // the diagonal of the whole section
};

Extent extentOf(const std::vector<Plate>& plates)
{
    Extent e;
    Box all{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (const Plate& p : plates) {
        e.boxes.push_back(boxOf(p));
        all.y0 = std::min(all.y0, e.boxes.back().y0);
        all.z0 = std::min(all.z0, e.boxes.back().z0);
        all.y1 = std::max(all.y1, e.boxes.back().y1);
        all.z1 = std::max(all.z1, e.boxes.back().z1);
    }
    e.size = std::hypot(all.y1 - all.y0, all.z1 - all.z0);
    if (plates.empty() || !(e.size > 0.0) || !std::isfinite(e.size))
        throw Refusal{"keine Bleche", "no plates"};
    return e;
}

// Refuses what would exceed the element budget, before any meshing.
void refuseOversizedMesh(const MeshRequest& request, double snap)
{
    double estimate = 0.0;
    for (const Plate& p : *request.plates) {
        const double h = request.sizeFactor * p.thickness;
        if (!(h > snap))
            throw Refusal{p.nameDe + " ist zu dünn", p.nameEn + " is too thin"};
        estimate += std::fabs(tarvello::geometrie::signedArea(p.outline)) / (0.35 * h * h);
    }
    if (!(estimate <= static_cast<double>(request.maxElements))) {
        const std::string n = std::to_string(static_cast<long long>(std::min(estimate, 1e15)));
        throw Refusal{"Das Netz würde zu groß (etwa " + n +
                          " Elemente): Abmessungen unplausibel (sehr dünne, sehr lange Bleche)",
                      "the mesh would be too large (about " + n +
                          " elements): implausible dimensions (very thin, very long plates)"};
    }
}

// Marks the faces inside exactly one plate as the domain and returns each face's plate (-1:
// none); overlaps show up here and are refused.
std::unordered_map<const void*, int> markDomain(Cdt& cdt, const std::vector<Plate>& plates, const Extent& extent)
{
    const double inside = 1e-12 * extent.size;
    std::unordered_map<const void*, int> facePlate;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        const std::vector<int> holders = platesHolding(plates, extent.boxes, centroid(f), inside);
        if (holders.size() > 1) {
            const Plate& a = plates[holders[0]];
            const Plate& b = plates[holders[1]];
            throw Refusal{"Bleche überlappen sich: " + plateNames(a, true) + " und " + plateNames(b, true),
                          "plates overlap: " + plateNames(a, false) + " and " + plateNames(b, false)};
        }
        f->set_in_domain(holders.size() == 1);
        facePlate[&*f] = holders.empty() ? -1 : holders[0];
    }
    for (auto f = cdt.all_faces_begin(); f != cdt.all_faces_end(); ++f)
        if (cdt.is_infinite(f))
            f->set_in_domain(false);
    return facePlate;
}

// The union must be one piece: plates that only touch at a corner or not at all carry nothing
// together. The plates outside the largest piece are named.
void refuseSeparateParts(const Cdt& cdt, const std::vector<Plate>& plates,
                         std::unordered_map<const void*, int>& facePlate)
{
    std::unordered_map<const void*, int> component;
    std::vector<double> componentArea;
    std::vector<std::vector<int>> componentPlates;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain() || component.count(&*f))
            continue;
        const int id = static_cast<int>(componentArea.size());
        componentArea.push_back(0.0);
        componentPlates.emplace_back();
        std::queue<FaceHandle> todo;
        todo.push(f);
        component[&*f] = id;
        while (!todo.empty()) {
            FaceHandle g = todo.front();
            todo.pop();
            componentArea[id] += std::fabs(
                CGAL::to_double(CGAL::area(g->vertex(0)->point(), g->vertex(1)->point(), g->vertex(2)->point())));
            const int plate = facePlate[&*g];
            if (plate >= 0 &&
                std::find(componentPlates[id].begin(), componentPlates[id].end(), plate) == componentPlates[id].end())
                componentPlates[id].push_back(plate);
            for (int i = 0; i < 3; ++i) {
                FaceHandle n = g->neighbor(i);
                if (!cdt.is_infinite(n) && n->is_in_domain() && !component.count(&*n)) {
                    component[&*n] = id;
                    todo.push(n);
                }
            }
        }
    }
    if (componentArea.size() <= 1)
        return;
    const std::size_t main = std::max_element(componentArea.begin(), componentArea.end()) - componentArea.begin();
    std::string de, en;
    for (std::size_t c = 0; c < componentPlates.size(); ++c) {
        if (c == main)
            continue;
        for (int p : componentPlates[c]) {
            de += (de.empty() ? "" : ", ") + plates[p].nameDe;
            en += (en.empty() ? "" : ", ") + plates[p].nameEn;
        }
    }
    throw Refusal{"Der Querschnitt zerfällt in getrennte Teile: " + de + " ohne Verbindung zu den übrigen Blechen",
                  "the section falls apart: " + en + " not joined to the other plates"};
}

// Element sizes by plate thickness, finer at re-entrant corners.
SizeField sizeField(const MeshRequest& request, const Extent& extent, const Cdt& cdt, const Pslg& graph,
                    const std::vector<VertexHandle>& handles)
{
    SizeField field;
    field.boxes = extent.boxes;
    field.grading = request.cornerGrading;
    for (const Plate& p : *request.plates)
        field.plateSize.push_back(request.sizeFactor * p.thickness);
    field.fallback = *std::min_element(field.plateSize.begin(), field.plateSize.end());
    for (std::size_t i = 0; i < graph.vertices.size(); ++i) {
        const double angle = interiorAngle(cdt, handles[i]);
        if (angle > 1.1 * M_PI && angle < 2.0 * M_PI - 1e-6) {
            const Point c = graph.vertices[i];
            // Sized by the field as it stands before this corner joins it.
            const double here = request.cornerFactor * field.at(c.y, c.z);
            field.corners.push_back(c);
            field.cornerSize.push_back(here);
        }
    }
    return field;
}

void refine(Cdt& cdt, const SizeField& field, std::size_t maxElements)
{
    Mesher mesher(cdt, LocalSizeCriteria(&field));
    mesher.init(true);
    const std::size_t maxVertices = maxElements / 2 + 1000;
    std::size_t steps = 0;
    while (!mesher.is_refinement_done()) {
        mesher.try_one_step_refine_mesh();
        if (++steps > 4 * maxVertices || cdt.number_of_vertices() > maxVertices)
            throw Refusal{"Das Netz wird zu groß: Abmessungen unplausibel",
                          "the mesh grows too large: implausible dimensions"};
    }
}

// The six-node elements of the domain: corner nodes first, then one mid-side node per edge; each
// element in the plate that holds its centroid. Returns the node of each CGAL vertex.
std::unordered_map<const void*, int> quadraticElements(const Cdt& cdt, const std::vector<Plate>& plates,
                                                       const Extent& extent, Mesh& mesh)
{
    std::unordered_map<const void*, int> nodeOf;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain())
            continue;
        for (int i = 0; i < 3; ++i) {
            VertexHandle v = f->vertex(i);
            if (nodeOf.emplace(&*v, static_cast<int>(mesh.nodes.size())).second)
                mesh.nodes.push_back({v->point().x(), v->point().y()});
        }
    }
    mesh.cornerNodes = static_cast<int>(mesh.nodes.size());
    std::unordered_map<long long, int> midOf;
    const long long stride = mesh.cornerNodes + 1;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain())
            continue;
        Element e{};
        for (int i = 0; i < 3; ++i)
            e[i] = nodeOf[&*f->vertex(i)];
        for (int i = 0; i < 3; ++i) {
            const int a = e[i], b = e[(i + 1) % 3];
            const long long key = static_cast<long long>(std::min(a, b)) * stride + std::max(a, b);
            auto [it, fresh] = midOf.emplace(key, static_cast<int>(mesh.nodes.size()));
            if (fresh)
                mesh.nodes.push_back({(mesh.nodes[a].y + mesh.nodes[b].y) / 2, (mesh.nodes[a].z + mesh.nodes[b].z) / 2});
            e[3 + i] = it->second;
        }
        mesh.elements.push_back(e);
        const std::vector<int> holders = platesHolding(plates, extent.boxes, centroid(f), 0.0);
        mesh.elementPlate.push_back(holders.empty() ? -1 : holders[0]);
    }
    return nodeOf;
}

// A sliver whose centroid sits on an outline belongs to the nearest plate.
void assignSlivers(const std::vector<Plate>& plates, Mesh& mesh)
{
    for (std::size_t i = 0; i < mesh.elementPlate.size(); ++i) {
        if (mesh.elementPlate[i] >= 0)
            continue;
        const Element& e = mesh.elements[i];
        const Point c{(mesh.nodes[e[0]].y + mesh.nodes[e[1]].y + mesh.nodes[e[2]].y) / 3,
                      (mesh.nodes[e[0]].z + mesh.nodes[e[1]].z + mesh.nodes[e[2]].z) / 3};
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t p = 0; p < plates.size(); ++p) {
            const auto& o = plates[p].outline;
            for (std::size_t k = 0; k < o.size(); ++k) {
                const double d = tarvello::geometrie::distanceToSegment(c, o[k], o[(k + 1) % o.size()]);
                if (d < best) {
                    best = d;
                    mesh.elementPlate[i] = static_cast<int>(p);
                }
            }
        }
    }
}

} // namespace

MeshOutcome buildMesh(const MeshRequest& request)
{
    MeshOutcome out;
    const std::vector<Plate>& plates = *request.plates;
    try {
        const Extent extent = extentOf(plates);
        const double snap = 1e-9 * extent.size;
        refuseOversizedMesh(request, snap);

        const Pslg graph = planarGraph(plates, request.requiredNodes, snap);
        Cdt cdt;
        std::vector<VertexHandle> handles;
        handles.reserve(graph.vertices.size());
        for (const Point& p : graph.vertices)
            handles.push_back(cdt.insert(CgalPoint(p.y, p.z)));
        for (const auto& [a, b] : graph.edges)
            cdt.insert_constraint(handles[a], handles[b]);
        auto facePlate = markDomain(cdt, plates, extent);
        refuseSeparateParts(cdt, plates, facePlate);

        const SizeField field = sizeField(request, extent, cdt, graph, handles);
        refine(cdt, field, request.maxElements);

        const auto nodeOf = quadraticElements(cdt, plates, extent, out.mesh);
        assignSlivers(plates, out.mesh);
        for (int v : graph.required) {
            auto it = nodeOf.find(&*handles[v]);
            if (it == nodeOf.end())
                throw Refusal{"Spannungspunkt liegt außerhalb des Querschnitts", "a stress point lies outside the section"};
            out.mesh.requiredNode.push_back(it->second);
        }
        out.ok = true;
    } catch (const Refusal& why) {
        out.ok = false;
        out.reasonDe = why.de;
        out.reasonEn = why.en;
    }
    return out;
}

} // namespace delmarix
