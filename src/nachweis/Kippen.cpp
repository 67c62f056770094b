#include "Kippen.h"

#include "nachweis/Stegbeulen.h"

#include <algorithm>
#include <array>
#include <cmath>

Momentenbeiwerte momentenbeiwerte(Momentenverlauf verlauf, double psi)
{
    switch (verlauf) {
    case Momentenverlauf::Gleichlast:
        return {1.132, 0.459, 0.525};
    case Momentenverlauf::Einzellast:
        return {1.365, 0.553, 1.730};
    case Momentenverlauf::Endmomente:
        break;
    }
    // ψ from +1 down to −1 in quarters: C1 and C3 for k = 1.
    static const std::array<double, 9> c1{1.000, 1.141, 1.323, 1.563, 1.879, 2.281, 2.704, 2.927, 2.752};
    static const std::array<double, 9> c3{1.000, 0.998, 0.992, 0.977, 0.939, 0.855, 0.676, 0.366, 0.000};
    const double x = (1 - std::clamp(psi, -1.0, 1.0)) * 4; // 0 at ψ = 1, 8 at ψ = −1
    const size_t i = std::min<size_t>(size_t(x), 7);
    const double t = x - double(i);
    return {c1[i] + t * (c1[i + 1] - c1[i]), 0, c3[i] + t * (c3[i + 1] - c3[i])};
}

double kritischesMoment(const Kippquerschnitt& q, double L, const Momentenbeiwerte& c)
{
    const double z = c.C2 * q.zg - c.C3 * q.zj;
    const double euler = M_PI * M_PI * kE * q.Iz / (L * L);
    return c.C1 * euler * (std::sqrt(q.Iw / q.Iz + L * L * kG * q.It / (M_PI * M_PI * kE * q.Iz) + z * z) - z);
}

Kippkurve kippkurve(Kippfall fall, bool gewalzt, bool iQuerschnitt, double hDurchB)
{
    const auto kurve = [](char k) {
        switch (k) {
        case 'a': return 0.21;
        case 'b': return 0.34;
        case 'c': return 0.49;
        default: return 0.76;
        }
    };
    Kippkurve k;
    if (!iQuerschnitt) {
        k.kurve = 'd'; // Table 6.4, other cross-sections
    } else if (fall == Kippfall::Allgemein) {
        k.kurve = gewalzt ? (hDurchB <= 2 ? 'a' : 'b') : (hDurchB <= 2 ? 'c' : 'd'); // Table 6.4
    } else {
        k.kurve = gewalzt ? (hDurchB <= 2 ? 'b' : 'c') : (hDurchB <= 2 ? 'c' : 'd'); // Table 6.5
        k.lambda0 = 0.4;
        k.beta = 0.75;
    }
    k.alpha = kurve(k.kurve);
    return k;
}

Kippen kippen(double MyRk, double Mcr, const Kippkurve& k)
{
    Kippen r;
    r.Mcr = Mcr;
    r.lambdaLT = std::sqrt(MyRk / Mcr);
    r.phi = 0.5 * (1 + k.alpha * (r.lambdaLT - k.lambda0) + k.beta * r.lambdaLT * r.lambdaLT);
    r.chiLT = std::min(1.0, 1 / (r.phi + std::sqrt(r.phi * r.phi - k.beta * r.lambdaLT * r.lambdaLT)));
    if (k.beta < 1) // 6.3.2.3: also at most 1/λ²
        r.chiLT = std::min(r.chiLT, 1 / (r.lambdaLT * r.lambdaLT));
    if (r.lambdaLT <= k.lambda0) // 6.3.2.2(4) / 6.3.2.3(1): no reduction below the plateau
        r.chiLT = 1;
    return r;
}
