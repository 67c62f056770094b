#pragma once
// Lateral-torsional buckling of the girder between lateral restraints of its
// compression flange (EN 1993-6 6.3.2 with EN 1993-1-1 6.3.2): the elastic
// critical moment of a monosymmetric section with the load above or below the
// shear centre (the three-factor formula of ENV 1993-1-1:1992 Annex F, F.1.2,
// fork supports k = kw = 1), the buckling curve and the reduction χLT.
// Lengths in mm, second moments in mm⁴, Iw in mm⁶, moments in Nmm.

// The moment shape over the unrestrained length.
enum class Momentenverlauf { Gleichlast, Einzellast, Endmomente };

// C1, C2, C3 for k = 1 (ENV 1993-1-1 Tables F.1.1 and F.1.2): uniform load and
// central point load on a simply supported length; end moments M and ψ·M
// (−1 ≤ ψ ≤ 1), interpolated linearly between the table's rows.
struct Momentenbeiwerte {
    double C1 = 1, C2 = 0, C3 = 1;
};
Momentenbeiwerte momentenbeiwerte(Momentenverlauf verlauf, double psi = 1);

struct Kippquerschnitt {
    double Iz = 0, It = 0, Iw = 0;
    double zj = 0; // monosymmetry, positive when the compression flange is the larger
    double zg = 0; // the load's point above the shear centre (towards the compression flange)
};

constexpr double kG = 81000; // EN 1993-1-1 3.2.6

double kritischesMoment(const Kippquerschnitt& q, double L, const Momentenbeiwerte& c);

// The buckling curves: 6.3.2.2 (general case) or 6.3.2.3 (rolled and equivalent welded I sections).
enum class Kippfall { Allgemein, Walzprofil };
struct Kippkurve {
    char kurve = 'd';
    double alpha = 0.76, lambda0 = 0.2, beta = 1.0;
};
// h/b of an I section; a box or any other section takes curve d by 6.3.2.2.
Kippkurve kippkurve(Kippfall fall, bool gewalzt, bool iQuerschnitt, double hDurchB);

struct Kippen {
    double Mcr = 0, lambdaLT = 0, phi = 0, chiLT = 0;
};
// Wy·fy the characteristic resistance My,Rk in Nmm.
Kippen kippen(double MyRk, double Mcr, const Kippkurve& k);
