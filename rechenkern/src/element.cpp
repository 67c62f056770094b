#include "element.h"

namespace delmarix {

const std::array<QuadraturePoint, 6>& gaussRule()
{
    static const double a1 = 0.445948490915965, b1 = 1.0 - 2.0 * a1, w1 = 0.223381589678011;
    static const double a2 = 0.091576213509771, b2 = 1.0 - 2.0 * a2, w2 = 0.109951743655322;
    static const std::array<QuadraturePoint, 6> rule{{
        {{a1, a1, b1}, w1},
        {{a1, b1, a1}, w1},
        {{b1, a1, a1}, w1},
        {{a2, a2, b2}, w2},
        {{a2, b2, a2}, w2},
        {{b2, a2, a2}, w2},
    }};
    return rule;
}

Triangle6::Triangle6(const Point& a, const Point& b, const Point& c) : corner_{a, b, c}
{
    const double twice = (b.y - a.y) * (c.z - a.z) - (c.y - a.y) * (b.z - a.z);
    area_ = 0.5 * twice;
    for (int i = 0; i < 3; ++i) {
        const Point& p = corner_[(i + 1) % 3];
        const Point& q = corner_[(i + 2) % 3];
        gy_[i] = (p.z - q.z) / twice;
        gz_[i] = (q.y - p.y) / twice;
    }
}

ShapeValues Triangle6::at(const std::array<double, 3>& L) const
{
    ShapeValues s;
    for (int i = 0; i < 3; ++i) {
        s.n[i] = L[i] * (2.0 * L[i] - 1.0);
        s.dy[i] = (4.0 * L[i] - 1.0) * gy_[i];
        s.dz[i] = (4.0 * L[i] - 1.0) * gz_[i];
        const int j = (i + 1) % 3;
        s.n[3 + i] = 4.0 * L[i] * L[j];
        s.dy[3 + i] = 4.0 * (L[i] * gy_[j] + L[j] * gy_[i]);
        s.dz[3 + i] = 4.0 * (L[i] * gz_[j] + L[j] * gz_[i]);
        s.y += L[i] * corner_[i].y;
        s.z += L[i] * corner_[i].z;
    }
    return s;
}

} // namespace delmarix
