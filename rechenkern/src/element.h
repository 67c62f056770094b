// The six-node triangle with straight sides and its quadrature rule.
#pragma once

#include "mesh.h"

#include <array>

namespace delmarix {

// Six-point Gauss rule on the triangle (Dunavant), exact for polynomials of
// degree 4: enough for every integrand here (squared gradients of quadratic
// fields times up to quadratic coordinate terms).
struct QuadraturePoint {
    std::array<double, 3> area; // area coordinates L1, L2, L3
    double weight;              // fraction of the triangle's area
};

const std::array<QuadraturePoint, 6>& gaussRule();

// Shape functions and their gradients of one element at one point.
struct ShapeValues {
    std::array<double, 6> n;
    std::array<double, 6> dy;
    std::array<double, 6> dz;
    double y = 0.0; // position of the point
    double z = 0.0;
};

class Triangle6 {
public:
    // Corner coordinates (counter-clockwise) of a straight-sided element.
    Triangle6(const Point& a, const Point& b, const Point& c);

    double area() const { return area_; }
    ShapeValues at(const std::array<double, 3>& L) const;

private:
    std::array<Point, 3> corner_;
    std::array<double, 3> gy_{}; // gradients of the area coordinates
    std::array<double, 3> gz_{};
    double area_ = 0.0;
};

} // namespace delmarix
