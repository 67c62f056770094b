#pragma once
// The design check of the section under its design forces: the normal and
// shear stresses at every stress point from the engine's unit stresses, the
// local stress under a crane wheel at the top of the web under the rail, the
// equivalent stress and its utilisation against the yield strength of the
// plate the point lies in. Plain functions on plain data; the window and the
// page only show what they return.
//
// Sources: yield strengths EN 10025-2:2004, Table 7; equivalent stress
// EN 1993-1-1, 6.2.1 (6.1); spread of a wheel load into the web EN 1993-6,
// 5.7.1 with Table 5.1; wear of the rail EN 1993-6, 5.6.2.

#include "engine/Ergebnisdatei.h"
#include "kern/Querschnittsdaten.h"
#include "kern/polygon.h"

#include <QStringList>
#include <optional>
#include <vector>

enum class Stahlsorte { S235, S275, S355, S460 };

// The grades by name, in the order a list offers them.
const QStringList& stahlsorten();
std::optional<Stahlsorte> stahlsorte(const QString& name);

// The minimum yield strength in N/mm² for a plate of nominal thickness t in mm;
// 0 where the table gives none (t not above 0, or thicker than the grade is made).
double streckgrenze(Stahlsorte sorte, double t);

// Internal forces in kN and moments in kNm, signed as the unit stresses.
struct Schnittgroessen {
    double N = 0, Vy = 0, Vz = 0, Mx = 0, My = 0, Mz = 0;
};

// The design values as numbers.
struct Bemessung {
    Schnittgroessen kraefte;
    Stahlsorte sorte = Stahlsorte::S355;
    double gammaM0 = 1.0;
    double radlast = 0;     // Fz,Ed in kN, 0: none
    Schienenbefestigung befestigung = Schienenbefestigung::Starr;
    double verschleiss = 0.25; // share of the rail head worn away
};

// Which typed design value is not admissible.
enum class Bemessungsfehler { Keiner, Kraft, Stahlsorte, GammaM0, Radlast, Verschleiss };

struct Bemessungslesung {
    Bemessungsfehler fehler = Bemessungsfehler::Keiner;
    int kraft = -1; // the force (0 N .. 5 Mz) that is no number
    Bemessung werte;
};

// Empty forces count as 0; γM0 from 0.8 to 1.5; a wheel load not negative; the
// wear from 0 to 50 % of the head.
Bemessungslesung leseBemessung(const Bemessungswerte& b);

// Whether any force or the wheel load is given: only then is there a check.
bool hatBemessung(const Bemessungswerte& b);

// The rail as it stands on the flange: its outline with the foot on z = 0, the
// height of its head (what wears away) and the width of its foot.
struct Schienenquerschnitt {
    tarvello::geometrie::Polygon umriss;
    double kopfhoehe = 0;
    double fussbreite = 0;
};

// The rail of the section: the catalog rail when the form rides one, else the
// rail typed (a flat of that width and height, worn over its whole height).
// nullopt when the section has no rail.
std::optional<Schienenquerschnitt> schienenquerschnitt(const Querschnittsdaten& q, const QString& schienenkatalog);

// The outline cut off at height zOben: what is left of a worn rail.
tarvello::geometrie::Polygon unterhalb(const tarvello::geometrie::Polygon& umriss, double zOben);

// Where a wheel load goes into a web: the stress point at the top of the web
// under the rail, the web's thickness and the flange the rail stands on.
struct Radlastort {
    int punkt = 0;
    double tw = 0;      // web thickness
    double tf = 0;      // flange thickness under the rail
    double bf = 0;      // flange width, the most the load spreads over
};

// nullopt where the rail does not stand over a web (no rail, or the rail at mid top flange).
std::optional<Radlastort> radlastort(const Querschnittsdaten& q);

// The spread of the wheel load with every term, lengths in mm, N/mm².
struct Radlastausbreitung {
    double hr = 0;     // height of the worn rail
    double beff = 0;   // bfr + hr + tf, at most the flange width
    double Ir = 0;     // worn rail about its own horizontal axis
    double Ifeff = 0;  // flange of width beff about its own axis
    double Irf = 0;    // rail and flange strip together about their common axis
    double leff = 0;
    double sigmaOz = 0; // Fz,Ed / (leff·tw)
};

Radlastausbreitung radlastausbreitung(const Schienenquerschnitt& schiene, double verschleiss, const Radlastort& ort,
                                      Schienenbefestigung befestigung, double radlastKn);

// The check at one stress point, stresses in N/mm².
struct Punktnachweis {
    int nummer = 0;
    double sigmaX = 0, tau = 0, sigmaZ = 0, sigmaV = 0;
    double dicke = 0, fy = 0;
    double eta = 0; // σv / (fy/γM0); infinite where the table has no fy
};

struct Nachweis {
    std::vector<Punktnachweis> punkte;
    int massgebend = -1; // index of the point with the largest utilisation
    double etaMax = 0;
    bool erfuellt = false;
};

// The check at every point the section has (thickness above 0) except the top
// of an acting rail, which is rail steel and not the girder's grade. The local
// stress σz = −σoz (compression) acts at `radlastpunkt` alone (0: nowhere).
Nachweis weiseNach(const std::vector<Spannungspunkt>& punkte, const Bemessung& b, int radlastpunkt, double sigmaOz);

// The row of the acting rail's top among the stress points.
constexpr int kSchienenpunkt = 14;

// What the page shows, computed before it is laid out.
struct Nachweisdaten {
    QString querschnitt; // the section's name
    Bemessung bemessung;
    std::optional<Radlastort> ort;            // where a wheel load acts
    std::optional<Radlastausbreitung> radlast; // given when a wheel load acts
    Nachweis nachweis;
    bool schienenpunkt = false; // the top of an acting rail was left out
};

// Everything the check needs from the results and the section; nullopt with the
// message number when the check cannot be made (a wheel load without a rail over a web).
struct Nachweisvorbereitung {
    std::optional<Nachweisdaten> daten;
    int meldung = 0;
};
Nachweisvorbereitung bereiteNachweisVor(const Ergebnisse& r, const Querschnittsdaten& q, const Bemessung& b,
                                        const QString& name, const QString& schienenkatalog);

