#pragma once
// Plate buckling of the girder's plates by EN 1993-1-5: the web's resistance
// to the wheel load (section 6), shear buckling of a web panel (section 5),
// the class of a plate part by EN 1993-1-1 Table 5.2 and, for class 4, its
// effective width (4.4). Lengths in mm, stresses in N/mm², forces in N.

// Young's modulus, EN 1993-1-1 3.2.6.
constexpr double kE = 210000;

// A web panel under a wheel load.
struct Stegfeld {
    double hw = 0, tw = 0, fyw = 0;
    double a = 0;            // spacing of the transverse stiffeners; 0: none within the girder
    double tf = 0, fyf = 0;  // the loaded flange
    double bf = 0;           // its width taken for m1, at most 15·ε·tf beside each face of the web
    double b1 = 0;           // clear depth from the loaded flange to the nearest longitudinal stiffener; 0: none
    double Isl1 = 0;         // that stiffener's second moment with 15·ε·tw of web beside each face
    double gammaM1 = 1.0;
};

struct Lasteinleitung {
    double kF = 0, gammaS = 0, Fcr = 0, m1 = 0, m2 = 0, ly = 0, lambdaF = 0, chiF = 0, Leff = 0, FRd = 0;
};

// Loading type (a) of Figure 6.1: the load through one flange, the web held by
// the other. ss: the length of stiff bearing.
Lasteinleitung lasteinleitung(const Stegfeld& f, double ss);

// The shear resistance of the web alone (the flanges' share left out) as a
// stress: χw·fyw / (√3·γM1). With a = 0 the web has transverse stiffeners at
// the supports only. η = 1.2 for steels up to S460 (5.1(2), the recommended value).
struct Schubbeulen {
    bool noetig = false; // hw/tw above 72ε/η, or 31ε√kτ/η with stiffeners
    double grenze = 0;   // that limit of hw/tw
    double ktau = 0, lambdaW = 0, chiW = 0, tauRd = 0;
};
constexpr double kEtaStahl = 1.2;
Schubbeulen schubbeulen(double hw, double tw, double fyw, double a, double gammaM1);

// The class of a plate part (EN 1993-1-1 Table 5.2). σ1 the larger compression
// at its ends, σ2 at the other end (compression positive); an outstand takes
// the limits of uniform compression, the lowest the table gives.
struct Klassierung {
    int klasse = 1;
    double psi = 1, alpha = 1, cDurchT = 0;
    double grenzen[3] = {0, 0, 0}; // c/t limits of classes 1, 2, 3
    double kSigma = 0, lambdaP = 0, rho = 1, beff = 0; // class 4: effective width (EN 1993-1-5 4.4)
};
Klassierung klassiere(bool innen, double c, double t, double fy, double sigma1, double sigma2);
