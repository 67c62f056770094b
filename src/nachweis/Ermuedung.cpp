#include "Ermuedung.h"

#include <algorithm>
#include <cmath>

double lambdaSigma(int klasse) { return std::pow(2.0, (std::clamp(klasse, 0, 9) - 7) / 3.0); }
double lambdaTau(int klasse) { return std::pow(2.0, (std::clamp(klasse, 0, 9) - 7) / 5.0); }
double lambdaTauAus(double lambdaSigma) { return std::pow(lambdaSigma, 0.6); }

Kerbfall kerbfall(Ermuedungsort ort, bool gewalzt, Stegnaht naht, bool querSteifen)
{
    Kerbfall k;
    if (gewalzt) {
        // Table 8.1, rolled sections; Table 8.10 detail 1 for the wheel's stress in a rolled web.
        k.sigma = 160, k.tau = 100, k.quelleSigma = QStringLiteral("EN 1993-1-9 Tab. 8.1");
        if (ort == Ermuedungsort::StegkopfUnterRad)
            k.lokal = 160, k.quelleLokal = QStringLiteral("EN 1993-1-9 Tab. 8.10 (1)");
        return k;
    }
    // Longitudinal welds, manual or with stop-starts (Table 8.2, 4); cut plate edges (Table 8.1, 5);
    // transverse stiffeners welded to the web (Table 8.4, 7); shear in the base metal 100 (Table 8.1, 6).
    k.tau = 100;
    switch (ort) {
    case Ermuedungsort::StegkopfUnterRad:
        k.sigma = 100, k.quelleSigma = QStringLiteral("EN 1993-1-9 Tab. 8.2 (4)");
        if (naht == Stegnaht::Durchgeschweisst) {
            k.lokal = 71, k.quelleLokal = QStringLiteral("EN 1993-1-9 Tab. 8.10 (2)");
        } else {
            // The weld's throat carries the wheel and the shear flow (Table 8.5, 8: Δτc = 80).
            k.lokal = 36, k.tau = 80;
            k.quelleLokal = QStringLiteral("EN 1993-1-9 Tab. 8.10 (") + (naht == Stegnaht::Kehlnaht ? u'4' : u'3') + u')';
        }
        break;
    case Ermuedungsort::Steg:
        k.sigma = querSteifen ? 80 : 100;
        k.quelleSigma = querSteifen ? QStringLiteral("EN 1993-1-9 Tab. 8.4 (7)") : QStringLiteral("EN 1993-1-9 Tab. 8.2 (4)");
        break;
    case Ermuedungsort::Gurt:
        k.sigma = 125, k.quelleSigma = QStringLiteral("EN 1993-1-9 Tab. 8.1 (5)");
        break;
    case Ermuedungsort::Steife:
        k.sigma = 80, k.quelleSigma = QStringLiteral("EN 1993-1-9 Tab. 8.4 (7)");
        break;
    }
    return k;
}

Ermuedungspunkt ermuedung(int nummer, const Kerbfall& k, double dSigma, double dTau, double dSigmaLokal,
                          double gammaFf, double gammaMf)
{
    Ermuedungspunkt p;
    p.nummer = nummer;
    p.kerb = k;
    p.dSigma = std::fabs(dSigma);
    p.dTau = std::fabs(dTau);
    p.dSigmaLokal = std::fabs(dSigmaLokal);
    p.etaSigma = gammaFf * p.dSigma / (k.sigma / gammaMf);
    p.etaTau = gammaFf * p.dTau / (k.tau / gammaMf);
    p.etaLokal = k.lokal > 0 ? gammaFf * p.dSigmaLokal / (k.lokal / gammaMf) : 0.0;
    // (8.3), with the wheel's vertical range counted beside the longitudinal one, on the safe side.
    p.etaInteraktion = std::pow(p.etaSigma, 3) + std::pow(p.etaLokal, 3) + std::pow(p.etaTau, 5);
    return p;
}
