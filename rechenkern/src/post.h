// Post stage: section values and unit stresses from the solved fields.
#pragma once

#include "assemble.h"
#include "element.h"
#include "mesh.h"

#include "kern/section_geometry.h"

#include <Eigen/Core>

#include <vector>

namespace delmarix {

using tarvello::geometrie::StressPoint;

// Centroid and principal angle: η = (y−ys)·cos θ + (z−zs)·sin θ, ζ = −(y−ys)·sin θ + (z−zs)·cos θ.
struct PrincipalFrame {
    double ys = 0.0;
    double zs = 0.0;
    double angle = 0.0;

    Point toPrincipal(Point p) const;
    Point toSection(Point principal) const;        // a position
    Point directionToPrincipal(Point d) const;     // a direction
};

// Section values, lengths in mm. Second moments IY, IZ about the principal axes
// (IY about the one nearest to y); the angle from y to that axis is
// counter-clockwise positive, in radians.
struct SectionValues {
    double area = 0.0;
    double shearAreaY = 0.0;   // AY: energy-equivalent shear area for shear along the IY axis
    double shearAreaZ = 0.0;   // AZ: the same along the IZ axis
    double torsionConstant = 0.0;
    double iy = 0.0;
    double iz = 0.0;
    double ys = 0.0;
    double zs = 0.0;
    double angle = 0.0;
    double ym = 0.0;           // shear centre (Trefftz)
    double zm = 0.0;
    double iyyCentroidal = 0.0; // ∫(z−zs)² dA
    double izzCentroidal = 0.0; // ∫(y−ys)² dA
    double iyzCentroidal = 0.0; // ∫(y−ys)(z−zs) dA
    double warpingConstant = 0.0; // Iw = ∫ω_M² dA, the warping function about the shear centre [mm⁶]
    double monosymmetry = 0.0;  // zj = ζM − ∫ζ(η² + ζ²) dA / (2·IY), along the IZ axis (ζ) [mm]
    double plasticModulusY = 0.0; // Wpl about the IY axis, from the plastic neutral axis parallel to it [mm³]
    double plasticModulusZ = 0.0; // the same about the IZ axis
    double meshArea = 0.0;      // area of the mesh (equals A up to rounding)
    int elements = 0;
    int nodes = 0;
};

// Unit stresses at a point in kN/mm², each for one internal force acting alone:
// N = 1 kN, Vy = 1 kN and Vz = 1 kN along the principal axes through the shear
// centre, Mx = 1 kNm, My = 1 kNm and Mz = 1 kNm about the principal axes.
// Shear stresses are the component along the point's plate direction.
struct PointStress {
    int number = 0;
    double sigmaX = 0.0;
    double tauY = 0.0;
    double tauZ = 0.0;
    double tauX = 0.0;
    double sigmaY = 0.0;
    double sigmaZ = 0.0;
    double thickness = 0.0;
};

struct SolvedFields {
    Eigen::VectorXd warping; // ω, ∫ω dA = 0
    Eigen::VectorXd psi;     // Ψ, shear along η
    Eigen::VectorXd phi;     // Φ, shear along ζ
};

// Gradients of ω, Ψ and Φ summed over several evaluations, then averaged.
struct Gradients {
    Point omega, psi, phi;
    int count = 0;

    void add(const SolvedFields& f, const Element& e, const ShapeValues& s);
    void average();
};

// The unit stresses at q (principal coordinates) from averaged gradients, the
// shear components along sp.direction (section axes).
PointStress unitStresses(const StressPoint& sp, Point q, const Gradients& g, const PrincipalFrame& frame,
                         const AxisMoments& m, const SectionValues& values, double poisson);

// Torsion constant, shear areas and shear centre; `values` arrives with area,
// centroid, angle and second moments filled in.
void completeValues(SectionValues& values, const Mesh& mesh, const std::vector<Point>& nodes,
                    const PrincipalFrame& frame, const AxisMoments& m, const Assembly& a,
                    const SolvedFields& f, double poisson);

// Stresses at the fixed points, which are mesh nodes (mesh.requiredNode, in the
// order of `points`): the gradients at the node averaged over the elements of
// the point's own plate.
std::vector<PointStress> pointStresses(const std::vector<StressPoint>& points, const Mesh& mesh,
                                       const std::vector<Point>& nodes, const PrincipalFrame& frame,
                                       const AxisMoments& m, const SectionValues& values,
                                       const SolvedFields& f, double poisson);

} // namespace delmarix
