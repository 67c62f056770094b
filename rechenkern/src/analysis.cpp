#include "analysis.h"

#include "assemble.h"
#include "mesh.h"
#include "peaks.h"
#include "solve.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace delmarix {

namespace {

Analysis refused(const std::string& de, const std::string& en)
{
    Analysis a;
    a.ok = false;
    a.reasonDe = de;
    a.reasonEn = en;
    return a;
}

// Angle from y to the principal axis nearest to it, counter-clockwise positive.
double principalAngle(double iyy, double izz, double iyz)
{
    const double scale = iyy + izz;
    if (std::fabs(iyz) <= 1e-10 * scale)
        return 0.0;
    if (std::fabs(iyy - izz) <= 1e-12 * scale)
        return iyz > 0 ? -M_PI / 4 : M_PI / 4;
    return 0.5 * std::atan(-2.0 * iyz / (iyy - izz));
}

// Adds the time since the last mark to a phase when the caller asked for times.
class Stopwatch {
public:
    explicit Stopwatch(PhaseTimes* times) : times_(times), last_(std::chrono::steady_clock::now()) {}
    void mark(double PhaseTimes::*phase)
    {
        const auto now = std::chrono::steady_clock::now();
        if (times_)
            times_->*phase += std::chrono::duration<double>(now - last_).count();
        last_ = now;
    }

private:
    PhaseTimes* times_;
    std::chrono::steady_clock::time_point last_;
};

// Centroid, principal angle and principal second moments of area integrals.
struct Centroidal {
    double ys = 0.0, zs = 0.0, iyy = 0.0, izz = 0.0, iyz = 0.0, angle = 0.0;
    AxisMoments axes;
};

Centroidal centroidal(const tarvello::geometrie::AreaMoments& sum)
{
    Centroidal r;
    r.ys = sum.sz / sum.area;
    r.zs = sum.sy / sum.area;
    r.iyy = sum.iyy - r.zs * r.zs * sum.area;
    r.izz = sum.izz - r.ys * r.ys * sum.area;
    r.iyz = sum.iyz - r.ys * r.zs * sum.area;
    r.angle = principalAngle(r.iyy, r.izz, r.iyz);
    const double c = std::cos(r.angle), s = std::sin(r.angle);
    r.axes.iEta = r.iyy * c * c + r.izz * s * s - 2.0 * r.iyz * s * c;
    r.axes.iZeta = r.iyy * s * s + r.izz * c * c + 2.0 * r.iyz * s * c;
    r.axes.iEtaZeta = (r.iyy - r.izz) * s * c + r.iyz * (c * c - s * s);
    return r;
}

// geometry → mesh → assemble → solve → post; `section` (may be null) adds the
// governing points in the post stage.
Analysis analyse(const std::vector<Plate>& plates, const std::vector<StressPoint>& points,
                 const SectionGeometry* section, const AnalysisOptions& options)
{
    using tarvello::geometrie::AreaMoments;
    // The mesh tiles the outlines, fillets as chords: the finite elements work with the outlines'
    // integrals, so that J = Iη + Iζ − ωᵀKω subtracts like from like. The values reported come from
    // the true arcs.
    AreaMoments sum, exact;
    for (const Plate& p : plates) {
        const AreaMoments m = tarvello::geometrie::areaMoments(p.outline);
        if (!(m.area > 0.0))
            return refused(p.nameDe + " hat keine Fläche", p.nameEn + " has no area");
        sum += m;
        exact += tarvello::geometrie::plateMoments(p);
    }
    if (plates.empty() || !(sum.area > 0.0) || !std::isfinite(sum.area) || !(exact.area > 0.0))
        return refused("Der Querschnitt hat keine Fläche", "the section has no area");

    const Centroidal mesh0 = centroidal(sum), reported = centroidal(exact);
    if (!(mesh0.axes.iEta > 0.0) || !(mesh0.axes.iZeta > 0.0) || !(reported.axes.iEta > 0.0) ||
        !(reported.axes.iZeta > 0.0))
        return refused("Der Querschnitt hat kein Trägheitsmoment", "the section has no second moment of area");
    SectionValues v;
    v.area = exact.area;
    v.ys = reported.ys;
    v.zs = reported.zs;
    v.iyyCentroidal = reported.iyy;
    v.izzCentroidal = reported.izz;
    v.iyzCentroidal = reported.iyz;
    v.angle = reported.angle;
    v.iy = reported.axes.iEta;
    v.iz = reported.axes.iZeta;
    const AxisMoments m = mesh0.axes;
    const PrincipalFrame frame{mesh0.ys, mesh0.zs, mesh0.angle};

    // Mesh.
    double slenderness = 0.0; // Σ A/t²: elements needed per unit size factor⁻²
    for (const Plate& p : plates)
        slenderness += std::fabs(tarvello::geometrie::signedArea(p.outline)) / (p.thickness * p.thickness);
    double factor = options.sizeFactor;
    if (!(factor > 0.0))
        factor = std::clamp(std::sqrt(5.0 * slenderness / options.targetElements), options.minSizeFactor,
                            options.maxSizeFactor);
    MeshRequest request;
    request.plates = &plates;
    request.sizeFactor = factor;
    request.maxElements = options.maxElements;
    request.cornerFactor = options.cornerFactor;
    request.cornerGrading = options.cornerGrading;
    for (const StressPoint& p : points)
        request.requiredNodes.push_back(p.at);
    Stopwatch clock(options.times);
    MeshOutcome meshed = buildMesh(request);
    clock.mark(&PhaseTimes::mesh);
    if (!meshed.ok)
        return refused(meshed.reasonDe, meshed.reasonEn);
    const Mesh& mesh = meshed.mesh;

    std::vector<Point> nodes;
    nodes.reserve(mesh.nodes.size());
    for (const Point& p : mesh.nodes)
        nodes.push_back(frame.toPrincipal(p));

    // Assemble and solve the three Neumann problems on one factorisation.
    const Assembly a = assemble(mesh, nodes, m, options.poisson);
    clock.mark(&PhaseTimes::assemble);
    NeumannSolver solver;
    if (!solver.factorize(a.stiffness, a.border))
        return refused("Das Gleichungssystem ist nicht lösbar", "the system of equations cannot be solved");
    clock.mark(&PhaseTimes::factorize);
    SolvedFields f;
    f.warping = solver.solve(a.torsionLoad);
    f.psi = solver.solve(a.shearLoadEta);
    f.phi = solver.solve(a.shearLoadZeta);
    clock.mark(&PhaseTimes::solve);

    // Post.
    v.elements = static_cast<int>(mesh.elements.size());
    v.nodes = static_cast<int>(mesh.nodes.size());
    completeValues(v, mesh, nodes, frame, m, a, f, options.poisson);
    // Plastic moduli from the outline itself: the neutral axes parallel to the principal ones halve the area.
    v.plasticModulusY = tarvello::geometrie::plasticModulus(plates, {v.ys, v.zs}, v.angle);
    v.plasticModulusZ = tarvello::geometrie::plasticModulus(plates, {v.ys, v.zs}, v.angle + M_PI / 2);
    if (std::fabs(v.meshArea - sum.area) > 1e-6 * sum.area)
        return refused("Netz und Querschnitt stimmen nicht überein", "mesh and section do not agree");
    Analysis out;
    out.points = pointStresses(points, mesh, nodes, frame, m, v, f, options.poisson);
    // The section's corners: re-entrant ones, where shear is singular, and convex ones, where it vanishes.
    const SectionCorners corners = sectionCorners(plates);
    clearShearAtConvexCorners(corners, points, out.points);
    clock.mark(&PhaseTimes::post);
    if (section) {
        // The governing points depend on the solved fields: found where each plate's stresses peak.
        const int capacity = tarvello::geometrie::kMaxStressPoints - tarvello::geometrie::kFixedPointRows;
        PeakSearch peaks = searchPeaks(plates, corners, points, out.points, mesh, nodes, frame, m, v, f, options.poisson, capacity);
        out.governing = std::move(peaks.governing);
        out.governingColumns = std::move(peaks.columns);
        out.points.insert(out.points.end(), peaks.stresses.begin(), peaks.stresses.end());
        out.plateMaxima = std::move(peaks.plates);
        out.field = std::move(peaks.field);
        clock.mark(&PhaseTimes::peaks);
    }
    const bool finite = std::isfinite(v.torsionConstant) && std::isfinite(v.shearAreaY) &&
                        std::isfinite(v.shearAreaZ) && std::isfinite(v.ym) && std::isfinite(v.zm) &&
                        v.torsionConstant > 0.0;
    if (!finite)
        return refused("Die Rechnung liefert keine gültigen Werte", "the analysis gives no valid values");
    out.ok = true;
    out.mesh = std::move(meshed.mesh);
    out.values = v;
    out.sizeFactor = factor;
    return out;
}

} // namespace

Analysis analyseSection(const std::vector<Plate>& plates, const std::vector<StressPoint>& points,
                        const AnalysisOptions& options)
{
    return analyse(plates, points, nullptr, options);
}

Analysis analyseSection(const SectionGeometry& g, const AnalysisOptions& options)
{
    return analyse(g.plates, g.points, &g, options);
}

} // namespace delmarix
