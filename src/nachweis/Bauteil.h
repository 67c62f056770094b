#pragma once
// The girder as a member: lateral-torsional buckling between the top flange's
// restraints and fatigue under the crane, from the section's engine values
// (IZ, IT, Iw, zj, the shear centre) and the member data kept with it.

#include "engine/Ergebnisdatei.h"
#include "kern/Querschnittsdaten.h"
#include "nachweis/Ermuedung.h"
#include "nachweis/Kippen.h"

#include <optional>
#include <vector>

// The member data as numbers: lengths in mm, ranges in kN and kNm.
struct Traeger {
    double L = 0, Lc = 0; // span; spacing of the top flange's lateral restraints (L where none)
    Lasthoehe lasthoehe = Lasthoehe::Schienenkopf;
    Momentenform form = Momentenform::Gleichlast;
    double psi = 1;
    int klasse = 3;
    double lambdaSigma = 0, lambdaTau = 0;
    bool lambdaGetippt = false;
    Schwingquelle quelle = Schwingquelle::Bemessungswerte;
    std::array<double, 6> schwing{}; // ΔN, ΔVy, ΔVz, ΔMx, ΔMy, ΔMz
    double dRadlast = 0;
    Nahtart naht = Nahtart::Kehlnaht;
    double gammaFf = 1, gammaMf = 1.15;
};

enum class Traegerfehler { Keiner, Spannweite, Halteabstand, Psi, Klasse, Lambda, Schwingbreite, GammaFf, GammaMf };
struct Traegerlesung {
    Traegerfehler fehler = Traegerfehler::Keiner;
    Traeger werte;
};

// The span from 1 m to 200 m; restraints empty or from 0.1 m up to the span; ψ from −1 to 1;
// S0 … S9; λ empty or from 0.05 to 3; ranges numbers (empty 0); γFf from 1.0, γMf from 1.0, both to 1.5.
Traegerlesung leseTraeger(const Traegerwerte& t);

// Whether the member checks are asked for: a span is given.
bool hatTraeger(const Traegerwerte& t);

// What the member checks need of the section beside the engine's values.
struct Bauteilquerschnitt {
    bool gewalzt = false, iQuerschnitt = false;
    double hDurchB = 0;
    double zObergurt = 0, zSchienenkopf = 0; // heights of the load's possible points, the section's axes
    double fy = 0;                           // the smallest yield strength of the girder's plates
    int klasse = 1;                          // the section's class under the design forces
};

struct Kippnachweis {
    Kippquerschnitt q;
    Momentenbeiwerte c;
    Kippkurve kurve;
    Kippen k;
    bool obenGedrueckt = true;
    double za = 0, Wy = 0, Wz = 0, MyRk = 0, MzRk = 0, MyEd = 0, MzEd = 0;
    double eta = 0; // My,Ed/(χLT·My,Rk/γM1) + Mz,Ed/(Mz,Rk/γM1)
};

// The check under My,Ed (Nmm) and Mz,Ed; nullopt without a bending moment My.
// `punkte`: the checked points' unit stresses, for Wel and which flange is compressed.
std::optional<Kippnachweis> weiseKippenNach(const Traeger& t, const Ergebnisse& r, const Bauteilquerschnitt& q,
                                            double MyEdKnm, double MzEdKnm, double gammaM1,
                                            const std::vector<std::pair<Spannungspunkt, double>>& punkte);

// A place of the fatigue check: a stress point's unit stresses, where it lies, and the
// wheel's local ranges there (λ not yet applied): σoz + σT, and τoxz.
struct Ermuedungsstelle {
    int nummer = 0;
    std::array<double, 6> e{};
    Ermuedungsort ort = Ermuedungsort::Gurt;
    double dSigmaLokal = 0, dTauLokal = 0;
};

struct Ermuedungsnachweis {
    std::vector<Ermuedungspunkt> punkte;
    int massgebend = -1;
    double eta = 0; // the largest of every place's η and interaction
};

// ΔσE,2 = λσ·Δσ and ΔτE,2 = λτ·Δτ from the member data's ranges.
Ermuedungsnachweis weiseErmuedungNach(const Traeger& t, bool gewalzt, bool querSteifen,
                                      const std::vector<Ermuedungsstelle>& stellen);

// The ranges the fatigue check takes: those typed, or the design values (with the wheel load) as ranges from zero.
Traeger mitSchwingbreiten(Traeger t, const std::array<double, 6>& bemessung, double radlastKn);
