#pragma once
// Fatigue of the girder under the crane (EN 1993-6 section 9 with EN 1993-1-9):
// damage-equivalent stress ranges ΔσE,2 = λ·Δσ from the crane's class
// (EN 1991-3 Table 2.12), detail categories per place and the checks
// γFf·ΔσE,2 ≤ Δσc/γMf, the same for τ, and their interaction (EN 1993-1-9 (8.3)).

#include <QString>

// S0 … S9: λ for normal stresses 2^((i − 7)/3), for shear 2^((i − 7)/5) (EN 1991-3 Table 2.12:
// S0 0.198/0.379 … S7 1.000/1.000 … S9 1.587/1.320).
double lambdaSigma(int klasse);
double lambdaTau(int klasse);
// λ for shear from a λ typed for normal stresses, by the same spectrum: λτ = λσ^(3/5).
double lambdaTauAus(double lambdaSigma);

// How the web is welded to the flange under the rail (EN 1993-1-9 Table 8.10).
enum class Stegnaht { Durchgeschweisst, TeilweiseDurchgeschweisst, Kehlnaht };

// Where a stress point lies, for its detail category.
enum class Ermuedungsort {
    StegkopfUnterRad, // the web's top under the wheel: the web-to-flange weld, or a rolled web's root
    Steg,             // a web elsewhere
    Gurt,             // a flange (its cut edges)
    Steife,           // a stiffener, or a web with transverse stiffeners welded to it
};

// Δσc and Δτc in N/mm² with the table they come from.
struct Kerbfall {
    double sigma = 0, tau = 0;
    double lokal = 0;        // the wheel's vertical stress at the web top (Table 8.10); 0 elsewhere
    QString quelleSigma, quelleLokal;
};
Kerbfall kerbfall(Ermuedungsort ort, bool gewalzt, Stegnaht naht, bool querSteifen);

struct Ermuedungspunkt {
    int nummer = 0;
    Kerbfall kerb;
    double dSigma = 0, dTau = 0, dSigmaLokal = 0;    // ΔσE,2, ΔτE,2, ΔσE,2 of the wheel (λ applied)
    double etaSigma = 0, etaTau = 0, etaLokal = 0, etaInteraktion = 0;
};

// The check at one place: ΔσE,2 and ΔτE,2 with λ applied, γFf, γMf.
Ermuedungspunkt ermuedung(int nummer, const Kerbfall& k, double dSigma, double dTau, double dSigmaLokal,
                          double gammaFf, double gammaMf);
