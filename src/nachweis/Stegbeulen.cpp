#include "Stegbeulen.h"

#include "nachweis/Stahl.h"

#include <algorithm>
#include <cmath>

Lasteinleitung lasteinleitung(const Stegfeld& f, double ss)
{
    Lasteinleitung l;
    const double hwa = f.a > 0 ? f.hw / f.a : 0.0;
    l.kF = 6 + 2 * hwa * hwa; // 6.4(1), type (a)
    if (f.b1 > 0 && f.a > 0 && f.Isl1 > 0) {
        // 6.4(3), for 0.05 ≤ b1/a ≤ 0.3 and b1/hw ≤ 0.3.
        const double b1a = std::clamp(f.b1 / f.a, 0.05, 0.3);
        l.gammaS = std::min(10.9 * f.Isl1 / (f.hw * std::pow(f.tw, 3)),
                            13 * std::pow(f.a / f.hw, 3) + 210 * (0.3 - f.b1 / f.a));
        if (f.b1 / f.hw <= 0.3)
            l.kF += (5.44 * b1a - 0.21) * std::sqrt(l.gammaS);
    }
    l.Fcr = 0.9 * l.kF * kE * std::pow(f.tw, 3) / f.hw; // (6.5)
    l.m1 = f.fyf * f.bf / (f.fyw * f.tw);              // (6.8)
    const auto mit = [&](double m2) {
        l.m2 = m2;
        l.ly = ss + 2 * f.tf * (1 + std::sqrt(l.m1 + m2)); // (6.10)
        if (f.a > 0)
            l.ly = std::min(l.ly, f.a);
        l.lambdaF = std::sqrt(l.ly * f.tw * f.fyw / l.Fcr); // (6.4)
    };
    // (6.9): m2 counts where λF > 0.5; tried with it first, dropped if λF is not.
    mit(0.02 * std::pow(f.hw / f.tf, 2));
    if (l.lambdaF <= 0.5)
        mit(0);
    l.chiF = std::min(1.0, 0.5 / l.lambdaF); // (6.3)
    l.Leff = l.chiF * l.ly;
    l.FRd = f.fyw * l.Leff * f.tw / f.gammaM1; // (6.1)
    return l;
}

Schubbeulen schubbeulen(double hw, double tw, double fyw, double a, double gammaM1)
{
    Schubbeulen s;
    const double eps = epsilon(fyw);
    if (a > 0) {
        // Annex A.3 (A.5), without longitudinal stiffeners: leaving them out is on the safe side.
        const double q = hw / a;
        s.ktau = a >= hw ? 5.34 + 4 * q * q : 4 + 5.34 * q * q;
        s.grenze = 31 * eps * std::sqrt(s.ktau) / kEtaStahl;
        s.lambdaW = hw / (37.4 * tw * eps * std::sqrt(s.ktau)); // (5.6)
    } else {
        s.grenze = 72 * eps / kEtaStahl;
        s.lambdaW = hw / (86.4 * tw * eps); // (5.5)
    }
    s.noetig = hw / tw > s.grenze;
    // Table 5.1, non-rigid end post (what a crane runway girder has at most).
    s.chiW = s.lambdaW < 0.83 / kEtaStahl ? kEtaStahl : 0.83 / s.lambdaW;
    s.tauRd = s.chiW * fyw / (std::sqrt(3.0) * gammaM1);
    return s;
}

Klassierung klassiere(bool innen, double c, double t, double fy, double sigma1, double sigma2)
{
    Klassierung k;
    k.cDurchT = c / t;
    if (!(sigma1 > 0)) {
        k.klasse = 1; // no compression: nothing buckles
        return k;
    }
    const double eps = epsilon(fy);
    k.psi = sigma2 / sigma1;
    if (innen) {
        k.alpha = k.psi >= 0 ? 1.0 : 1.0 / (1 - k.psi);
        const double a = k.alpha, psi = k.psi;
        k.grenzen[0] = a > 0.5 ? 396 * eps / (13 * a - 1) : 36 * eps / a;
        k.grenzen[1] = a > 0.5 ? 456 * eps / (13 * a - 1) : 41.5 * eps / a;
        k.grenzen[2] = psi > -1 ? 42 * eps / (0.67 + 0.33 * psi) : 62 * eps * (1 - psi) * std::sqrt(-psi);
    } else {
        k.grenzen[0] = 9 * eps;
        k.grenzen[1] = 10 * eps;
        k.grenzen[2] = 14 * eps;
    }
    k.klasse = 4;
    for (int i = 2; i >= 0; --i)
        if (k.cDurchT <= k.grenzen[i])
            k.klasse = i + 1;
    if (k.klasse < 4)
        return k;
    // EN 1993-1-5 4.4, Tables 4.1 and 4.2.
    const double psi = std::max(k.psi, -3.0);
    double grenze;
    if (innen) {
        k.kSigma = psi >= 1 ? 4.0
                   : psi > 0 ? 8.2 / (1.05 + psi)
                   : psi > -1 ? 7.81 - 6.29 * psi + 9.78 * psi * psi
                              : 5.98 * (1 - psi) * (1 - psi);
        grenze = 0.5 + std::sqrt(0.085 - 0.055 * psi);
    } else {
        k.kSigma = 0.43;
        grenze = 0.748;
    }
    k.lambdaP = k.cDurchT / (28.4 * eps * std::sqrt(k.kSigma));
    if (k.lambdaP > grenze)
        k.rho = std::min(1.0, innen ? (k.lambdaP - 0.055 * (3 + psi)) / (k.lambdaP * k.lambdaP)
                                    : (k.lambdaP - 0.188) / (k.lambdaP * k.lambdaP));
    const double bc = psi >= 0 ? c : c / (1 - psi);
    k.beff = k.rho * bc;
    return k;
}
