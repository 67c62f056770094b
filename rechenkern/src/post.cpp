#include "post.h"

#include "element.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace delmarix {

Point PrincipalFrame::toPrincipal(Point p) const
{
    const double c = std::cos(angle), s = std::sin(angle);
    const double dy = p.y - ys, dz = p.z - zs;
    return {c * dy + s * dz, -s * dy + c * dz};
}

Point PrincipalFrame::toSection(Point q) const
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {ys + c * q.y - s * q.z, zs + s * q.y + c * q.z};
}

Point PrincipalFrame::directionToPrincipal(Point d) const
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * d.y + s * d.z, -s * d.y + c * d.z};
}

namespace {

double fieldAt(const Eigen::VectorXd& u, const Element& e, const ShapeValues& s)
{
    double v = 0.0;
    for (int i = 0; i < 6; ++i)
        v += s.n[i] * u(e[i]);
    return v;
}

Point gradientAt(const Eigen::VectorXd& u, const Element& e, const ShapeValues& s)
{
    Point g;
    for (int i = 0; i < 6; ++i) {
        g.y += s.dy[i] * u(e[i]);
        g.z += s.dz[i] * u(e[i]);
    }
    return g;
}

} // namespace

void completeValues(SectionValues& values, const Mesh& mesh, const std::vector<Point>& nodes,
                    const PrincipalFrame& frame, const AxisMoments& m, const Assembly& a,
                    const SolvedFields& f, double poisson)
{
    // St Venant: J = Iη + Iζ − ωᵀKω, and Kω = f.
    values.torsionConstant = m.iEta + m.iZeta - f.warping.dot(a.torsionLoad);

    double iEtaOmega = 0.0, iZetaOmega = 0.0, kappaEta = 0.0, kappaZeta = 0.0, meshArea = 0.0;
    double omegaSquared = 0.0, wagner = 0.0;
    for (const Element& e : mesh.elements) {
        const Triangle6 tri(nodes[e[0]], nodes[e[1]], nodes[e[2]]);
        meshArea += tri.area();
        for (const QuadraturePoint& gp : gaussRule()) {
            const ShapeValues s = tri.at(gp.area);
            const double w = gp.weight * tri.area();
            const double omega = fieldAt(f.warping, e, s);
            iEtaOmega += w * s.y * omega;
            iZetaOmega += w * s.z * omega;
            omegaSquared += w * omega * omega;
            wagner += w * s.z * (s.y * s.y + s.z * s.z);
            const ShearTerms st = shearTerms(s.y, s.z, m);
            const Point gPsi = gradientAt(f.psi, e, s);
            const Point gPhi = gradientAt(f.phi, e, s);
            const double py = gPsi.y - poisson / 2 * st.d1, pz = gPsi.z - poisson / 2 * st.d2;
            const double fy = gPhi.y - poisson / 2 * st.h1, fz = gPhi.z - poisson / 2 * st.h2;
            kappaEta += w * (py * py + pz * pz);
            kappaZeta += w * (fy * fy + fz * fz);
        }
    }
    values.meshArea = meshArea;

    // Energy-equivalent shear areas: A_s = Δs² / ∫ |∇Ψ − ν/2·d|² dA.
    const double det = m.determinant();
    const double deltaS = shearConstant(m, poisson);
    values.shearAreaY = deltaS * deltaS / kappaEta;
    values.shearAreaZ = deltaS * deltaS / kappaZeta;

    // Trefftz: the warping function about the shear centre is orthogonal to η and ζ.
    const double etaM = (m.iEtaZeta * iEtaOmega - m.iZeta * iZetaOmega) / det;
    const double zetaM = (m.iEta * iEtaOmega - m.iEtaZeta * iZetaOmega) / det;
    const Point shearCentre = frame.toSection({etaM, zetaM});
    values.ym = shearCentre.y;
    values.zm = shearCentre.z;

    // Warping about the shear centre, ω_M = ω − ζM·η + ηM·ζ (its mean stays zero): ∫ω_M² dA
    // expanded into the integrals above; and the monosymmetry of the Mcr formula (ECCS
    // publication 119, 5.3; NCCI SN003).
    values.warpingConstant = omegaSquared - 2.0 * zetaM * iEtaOmega + 2.0 * etaM * iZetaOmega +
                             zetaM * zetaM * m.iZeta + etaM * etaM * m.iEta - 2.0 * zetaM * etaM * m.iEtaZeta;
    values.monosymmetry = zetaM - wagner / (2.0 * m.iEta);
}

void Gradients::add(const SolvedFields& f, const Element& e, const ShapeValues& s)
{
    const Point a = gradientAt(f.warping, e, s), b = gradientAt(f.psi, e, s), c = gradientAt(f.phi, e, s);
    omega.y += a.y; omega.z += a.z;
    psi.y += b.y; psi.z += b.z;
    phi.y += c.y; phi.z += c.z;
    ++count;
}

void Gradients::average()
{
    if (count == 0)
        return;
    omega = {omega.y / count, omega.z / count};
    psi = {psi.y / count, psi.z / count};
    phi = {phi.y / count, phi.z / count};
    count = 1;
}

PointStress unitStresses(const StressPoint& sp, Point q, const Gradients& g, const PrincipalFrame& frame,
                         const AxisMoments& m, const SectionValues& values, double poisson)
{
    const double deltaS = shearConstant(m, poisson);
    const double kNm = 1000.0; // 1 kNm in kN·mm
    const Point d = frame.directionToPrincipal(sp.direction);
    const ShearTerms st = shearTerms(q.y, q.z, m);
    const Point tauVy{(g.psi.y - poisson / 2 * st.d1) / deltaS, (g.psi.z - poisson / 2 * st.d2) / deltaS};
    const Point tauVz{(g.phi.y - poisson / 2 * st.h1) / deltaS, (g.phi.z - poisson / 2 * st.h2) / deltaS};
    const Point tauMx{kNm / values.torsionConstant * (g.omega.y - q.z),
                      kNm / values.torsionConstant * (g.omega.z + q.y)};
    PointStress r;
    r.number = sp.number;
    r.thickness = sp.thickness;
    r.sigmaX = 1.0 / values.area;
    r.tauY = tauVy.y * d.y + tauVy.z * d.z;
    r.tauZ = tauVz.y * d.y + tauVz.z * d.z;
    r.tauX = tauMx.y * d.y + tauMx.z * d.z;
    // Bending from the section's own axes (the true arcs of fillets), which the mesh's differ from
    // by the chords alone.
    const Point e = PrincipalFrame{values.ys, values.zs, values.angle}.toPrincipal(frame.toSection(q));
    r.sigmaY = kNm * e.z / values.iy;
    r.sigmaZ = -kNm * e.y / values.iz;
    return r;
}

std::vector<PointStress> pointStresses(const std::vector<StressPoint>& points, const Mesh& mesh,
                                       const std::vector<Point>& nodes, const PrincipalFrame& frame,
                                       const AxisMoments& m, const SectionValues& values,
                                       const SolvedFields& f, double poisson)
{
    // Elements around each point's node.
    std::vector<std::vector<std::pair<int, int>>> around(points.size());
    for (std::size_t e = 0; e < mesh.elements.size(); ++e)
        for (int c = 0; c < 3; ++c)
            for (std::size_t p = 0; p < points.size(); ++p)
                if (mesh.elements[e][c] == mesh.requiredNode[p])
                    around[p].emplace_back(static_cast<int>(e), c);

    std::vector<PointStress> out;
    for (std::size_t p = 0; p < points.size(); ++p) {
        const StressPoint& sp = points[p];
        // Average the gradients over the elements of the point's own plate (all
        // elements at the node when, unexpectedly, none of them belongs to it).
        bool ownPlateOnly = false;
        for (const auto& [e, c] : around[p])
            if (mesh.elementPlate[e] == sp.plate)
                ownPlateOnly = true;
        Gradients g;
        for (const auto& [e, c] : around[p]) {
            if (ownPlateOnly && mesh.elementPlate[e] != sp.plate)
                continue;
            const Element& el = mesh.elements[e];
            const Triangle6 tri(nodes[el[0]], nodes[el[1]], nodes[el[2]]);
            std::array<double, 3> L{0.0, 0.0, 0.0};
            L[c] = 1.0;
            g.add(f, el, tri.at(L));
        }
        g.average();
        out.push_back(unitStresses(sp, nodes[mesh.requiredNode[p]], g, frame, m, values, poisson));
    }
    return out;
}

} // namespace delmarix
