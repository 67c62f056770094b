// Assemble stage: stiffness matrix, border row and the load vectors of the
// torsion and shear problems (Pilkey, "Analysis and Design of Elastic Beams").
#pragma once

#include "mesh.h"

#include <Eigen/SparseCore>

#include <vector>

namespace delmarix {

// Second moments about the principal centroidal axes (eta ≈ y, zeta ≈ z) in
// which the problems are set up: iEta = ∫ζ² dA, iZeta = ∫η² dA, iEtaZeta = ∫ηζ dA
// (zero up to rounding, kept so the formulas hold as they stand).
struct AxisMoments {
    double iEta = 0.0;
    double iZeta = 0.0;
    double iEtaZeta = 0.0;

    double determinant() const { return iEta * iZeta - iEtaZeta * iEtaZeta; }
};

// The shear functions' constant Δs = 2(1 + ν)·(Iη·Iζ − Iηζ²): they are solved unscaled, and the
// shear stresses and areas divide by it.
inline double shearConstant(const AxisMoments& m, double poisson) { return 2.0 * (1.0 + poisson) * m.determinant(); }

struct Assembly {
    Eigen::SparseMatrix<double> stiffness; // ∫ ∇N_i·∇N_j dA
    Eigen::VectorXd border;                // ∫ N_i dA
    Eigen::VectorXd torsionLoad;           // ∫ (∂N_i/∂η ζ − ∂N_i/∂ζ η) dA
    Eigen::VectorXd shearLoadEta;          // right-hand side of Ψ (shear along η)
    Eigen::VectorXd shearLoadZeta;         // right-hand side of Φ (shear along ζ)
};

// The shear functions' auxiliary terms d = (d1, d2) for Ψ and h = (h1, h2) for Φ
// at a point (η, ζ).
struct ShearTerms {
    double d1, d2, h1, h2;
};
ShearTerms shearTerms(double eta, double zeta, const AxisMoments& m);

// `nodes` are the mesh nodes in principal centroidal coordinates.
Assembly assemble(const Mesh& mesh, const std::vector<Point>& nodes, const AxisMoments& m, double poisson);

} // namespace delmarix
