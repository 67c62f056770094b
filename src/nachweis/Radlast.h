#pragma once
// A crane wheel on the rail and what it does to the web under it
// (EN 1993-6, 5.6.2 wear, 5.7.1 spread with Table 5.1, 5.7.2 local shear,
// 5.7.3 local bending of the web from the wheel's eccentricity).

#include "kern/Querschnittsdaten.h"
#include "kern/polygon.h"
#include "nachweis/Plattenteile.h"

#include <optional>
#include <vector>

// The rail as it stands on the flange: its outline with the foot on z = 0, the
// height of its head (what wears away), the width of its foot and head, and its
// published area and second moment where the catalog gives them.
struct Schienenquerschnitt {
    // For its torsion constant the rail counts as solid rectangles (a flat whole;
    // a catalog rail as head, web and foot, each at its mean depth), from z = unten to oben.
    struct Rechteck {
        double breite, unten, oben;
    };
    tarvello::geometrie::Polygon umriss;
    std::vector<Rechteck> rechtecke;
    double kopfhoehe = 0;
    double fussbreite = 0;
    double kopfbreite = 0;
    double Averoeffentlicht = 0, Iveroeffentlicht = 0; // mm², mm⁴; 0: none published
};

// The rail of the section: the catalog rail when the form rides one, else the
// rail typed (a flat of that width and height, worn over its whole height).
// nullopt when the section has no rail.
std::optional<Schienenquerschnitt> schienenquerschnitt(const Querschnittsdaten& q, const QString& schienenkatalog);

// The worn rail's area and second moment about its own horizontal axis: the
// outline's, scaled to the published values of the new rail where the catalog
// has them (the outline leaves out the standard's radii).
struct Schienenwerte {
    double hr = 0, A = 0, zs = 0, I = 0, It = 0;
};
Schienenwerte abgefahreneSchiene(const Schienenquerschnitt& s, double verschleiss);

// Where a wheel load goes into a web: the stress point at the top of the web
// under the rail, that web (plate, clear depth, thickness) and the flange the
// rail stands on, with the flange's reach on either side of the web's centre.
struct Radlastort {
    int punkt = 0;
    double tw = 0;      // web thickness
    double tf = 0;      // flange thickness under the rail
    double bf = 0;      // the most the load spreads over: twice the flange's shorter side
    double hw = 0;      // the web's clear depth between the flanges
    int steg = -1;      // the web's plate in the section
    int gurt = -1;      // the flange's plate
    int oben = 1;       // the web's end (0 its first, 1 its last) at the flange
    std::vector<int> stegteile;            // the web's plates from the flange down (a web plate under an H stem)
    tarvello::geometrie::Point kopf, abwaerts; // the web's mid-line at the flange, and the unit direction down it
    double links = 0, rechts = 0; // the flange's reach from the web's centre line
};

// nullopt where the rail does not stand over a web (no rail, or the rail at mid top flange).
std::optional<Radlastort> radlastort(const Querschnittsdaten& q);

// The spread of the wheel load with every term, lengths in mm, N/mm².
struct Radlastausbreitung {
    double hr = 0;     // height of the worn rail
    double bfr = 0;    // width of the rail's foot
    double beff = 0;   // bfr + hr + tf, at most twice the flange's shorter side
    double Ir = 0;     // worn rail about its own horizontal axis
    double Ifeff = 0;  // flange of width beff about its own axis
    double Irf = 0;    // rail and flange strip together about their common axis
    double leff = 0;
    double sigmaOz = 0; // Fz,Ed / (leff·tw)
};

Radlastausbreitung radlastausbreitung(const Schienenquerschnitt& schiene, double verschleiss, const Radlastort& ort,
                                      Schienenbefestigung befestigung, double radlastKn);

// σoz at depth d below the top of the web, the load spread at 45° to either side.
double sigmaOzInTiefe(const Radlastausbreitung& a, double tw, double radlastKn, double d);

// The local bending of the web from the wheel's eccentricity (5.7.3).
struct Stegbiegung {
    double ey = 0;    // 0.25·br, at least 0.5·tw
    double TEd = 0;   // Nmm
    double It = 0;    // the flange with the rail (rigidly fixed) about its own axis of twist
    double eta = 0;
    double sigmaT = 0; // N/mm²
};
// a: spacing of the transverse stiffeners; br: the rail head's width.
Stegbiegung stegbiegung(double radlastKn, double br, double tw, double hw, double a, double It);

// The same under this rail worn so far, on that web: It of the flange strip the load spreads
// over, with the rail's own where it is rigidly fixed.
Stegbiegung stegbiegungUnter(const Schienenquerschnitt& schiene, double verschleiss, const Radlastort& ort,
                             Schienenbefestigung befestigung, double radlastKn, double a);

// Saint-Venant's torsion constant of a solid rectangle b × t (b ≥ t or not).
double rechteckTorsion(double b, double t);
