#include "assemble.h"

#include "element.h"

namespace delmarix {

ShearTerms shearTerms(double eta, double zeta, const AxisMoments& m)
{
    const double r = eta * eta - zeta * zeta;
    const double q = 2.0 * eta * zeta;
    return {m.iEta * r - m.iEtaZeta * q, m.iEtaZeta * r + m.iEta * q, -m.iEtaZeta * r + m.iZeta * q,
            -m.iZeta * r - m.iEtaZeta * q};
}

Assembly assemble(const Mesh& mesh, const std::vector<Point>& nodes, const AxisMoments& m, double poisson)
{
    const Eigen::Index n = static_cast<Eigen::Index>(nodes.size());
    Assembly a;
    a.border = Eigen::VectorXd::Zero(n);
    a.torsionLoad = Eigen::VectorXd::Zero(n);
    a.shearLoadEta = Eigen::VectorXd::Zero(n);
    a.shearLoadZeta = Eigen::VectorXd::Zero(n);
    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(mesh.elements.size() * 36);
    const double nuHalf = poisson / 2.0;
    const double body = 2.0 * (1.0 + poisson);

    for (const Element& e : mesh.elements) {
        const Triangle6 tri(nodes[e[0]], nodes[e[1]], nodes[e[2]]);
        double k[6][6] = {};
        for (const QuadraturePoint& gp : gaussRule()) {
            const ShapeValues s = tri.at(gp.area);
            const double w = gp.weight * tri.area();
            const ShearTerms st = shearTerms(s.y, s.z, m);
            const double psiBody = body * (m.iEta * s.y - m.iEtaZeta * s.z);
            const double phiBody = body * (m.iZeta * s.z - m.iEtaZeta * s.y);
            for (int i = 0; i < 6; ++i) {
                for (int j = 0; j < 6; ++j)
                    k[i][j] += w * (s.dy[i] * s.dy[j] + s.dz[i] * s.dz[j]);
                a.border(e[i]) += w * s.n[i];
                a.torsionLoad(e[i]) += w * (s.dy[i] * s.z - s.dz[i] * s.y);
                a.shearLoadEta(e[i]) += w * (nuHalf * (s.dy[i] * st.d1 + s.dz[i] * st.d2) + s.n[i] * psiBody);
                a.shearLoadZeta(e[i]) += w * (nuHalf * (s.dy[i] * st.h1 + s.dz[i] * st.h2) + s.n[i] * phiBody);
            }
        }
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                triplets.emplace_back(e[i], e[j], k[i][j]);
    }
    a.stiffness.resize(n, n);
    a.stiffness.setFromTriplets(triplets.begin(), triplets.end());
    return a;
}

} // namespace delmarix
