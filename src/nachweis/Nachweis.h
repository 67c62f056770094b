#pragma once
// The design check of a crane runway girder's section under its design forces
// and a wheel load, as plain functions on plain data; the window and the page
// only show what they return:
//  - the stresses at every stress point, with the wheel's local stresses in
//    the web under the rail, against the yield strength (EN 1993-1-1 6.2.1 (6.1);
//    EN 1993-6 5.7.1 to 5.7.3),
//  - the web under the wheel (EN 1993-6 6.5 with EN 1993-1-5 section 6),
//  - shear buckling of every web (EN 1993-1-5 section 5),
//  - their interaction (EN 1993-1-5 7.2),
//  - the class of every plate part (EN 1993-1-1 Table 5.2).
// Lateral-torsional buckling and fatigue are checks of the girder, not of the
// section, and are not made here.

#include "engine/Ergebnisdatei.h"
#include "engine/Spannungsnetz.h"
#include "kern/Querschnittsdaten.h"
#include "nachweis/Bauteil.h"
#include "nachweis/Plattenteile.h"
#include "nachweis/Radlast.h"
#include "nachweis/Stahl.h"
#include "nachweis/Stegbeulen.h"

#include <optional>
#include <vector>

// Internal forces in kN and moments in kNm, signed as the unit stresses.
struct Schnittgroessen {
    double N = 0, Vy = 0, Vz = 0, Mx = 0, My = 0, Mz = 0;
};

// The design values as numbers.
struct Bemessung {
    Schnittgroessen kraefte;
    Stahlsorte sorte = Stahlsorte::S355;
    double gammaM0 = 1.0, gammaM1 = 1.0;
    double radlast = 0; // Fz,Ed in kN, 0: none
    Schienenbefestigung befestigung = Schienenbefestigung::Starr;
    double verschleiss = 0.25;  // share of the rail head worn away
    double steifenabstand = 0;  // a, spacing of the web's transverse stiffeners in mm; 0: not given
};

// Which typed design value is not admissible.
enum class Bemessungsfehler {
    Keiner, Kraft, Stahlsorte, GammaM0, GammaM1, Radlast, Verschleiss, Steifenabstand, Befestigung
};

struct Bemessungslesung {
    Bemessungsfehler fehler = Bemessungsfehler::Keiner;
    int kraft = -1; // the force (0 N .. 5 Mz) that is no number
    Bemessung werte;
};

// The largest force (kN) or moment (kNm) the check takes.
constexpr double kGroessteKraft = 1e7;

// Empty forces count as 0, at most 10⁷ kN or kNm; γM0 and γM1 from 1.0 to 1.5; a wheel load not
// negative; the wear from 0 to 50 % of the head; a from 100 mm to 100 m or
// empty. A rail that acts with the section must be rigidly fixed.
Bemessungslesung leseBemessung(const Bemessungswerte& b, bool schieneWirktMit = false);

// Whether any force or the wheel load is given: only then is there a check.
bool hatBemessung(const Bemessungswerte& b);

// Whether the section counts a rail in its cross-section (typed rail of a welded
// form with "acting" ticked, or the flat rail on a rolled profile).
bool schieneWirktMit(const Querschnittsdaten& q);

// The section as the check computes it: an acting rail at its worn height
// (EN 1993-6 5.6.2); the record itself where no rail acts or nothing wears.
Querschnittsdaten abgefahrenerQuerschnitt(const Querschnittsdaten& q, double verschleiss);

// The check at one stress point, stresses in N/mm².
struct Punktnachweis {
    int nummer = 0;
    double sigmaX = 0, tau = 0, sigmaZ = 0, sigmaV = 0;
    double tauOxz = 0;  // the wheel's local shear taken into τ (web top only)
    double sigmaT = 0;  // the web's local bending taken into σz (web top only)
    double dicke = 0, fy = 0;
    double eta = 0; // σv / (fy/γM0); infinite where the table has no fy
};

struct Punktnachweise {
    std::vector<Punktnachweis> punkte;
    int massgebend = -1; // index of the point with the largest utilisation
    double etaMax = 0;
};

// The wheel's local stresses at a point of the wheel's web: σoz (compression
// positive), τoxz and σT; all 0 away from that web.
struct Ortsspannung {
    double sigmaOz = 0, tauOxz = 0, sigmaT = 0;
    bool schiene = false; // the point lies in an acting rail: rail steel, not checked
};

// The check at every point the section has (thickness above 0) except the top
// of an acting rail, which is rail steel and not the girder's grade.
Punktnachweise weiseNach(const std::vector<Spannungspunkt>& punkte, const Bemessung& b,
                         const std::vector<Ortsspannung>& ortlich = {});

// The row of the acting rail's top among the stress points.
constexpr int kSchienenpunkt = 14;

// Shear buckling of one web.
struct Stegschub {
    int platte = -1;
    QString nameDe, nameEn;
    double hw = 0, tw = 0, fy = 0, tauEd = 0, eta = 0;
    Schubbeulen beulen;
};

// The class of one plate part.
struct Teilklasse {
    Plattenteil teil;
    QString nameDe, nameEn;
    double sigma1 = 0, sigma2 = 0, fy = 0; // compression positive
    Klassierung klasse;
};

// The checks the page names, each with its clause and utilisation.
enum class Pruefung { Spannungen, Stegbiegung, Lasteinleitung, Schubbeulen, Interaktion, Klasse, Kippen, Ermuedung };
struct Teilnachweis {
    Pruefung pruefung;
    bool moeglich = true; // false: it applies but cannot be made (no a)
    double eta = 0;
    bool noetig = true;   // false: the standard asks for none (a stocky web in shear)
};

enum class Urteil { Erfuellt, NichtErfuellt, Klasse4, Unvollstaendig };

struct Nachweis {
    Punktnachweise punkte;
    std::optional<Stegbiegung> stegbiegung;
    std::optional<Stegfeld> stegfeld;
    std::optional<Lasteinleitung> lasteinleitung;
    double ss = 0, eta2 = 0, eta1 = 0;
    std::vector<Stegschub> stege;
    std::vector<Teilklasse> klassen;
    int klasse = 1; // the section's: its worst part's
    std::vector<Teilnachweis> teile;
    int massgebend = -1; // index into teile
    Urteil urteil = Urteil::NichtErfuellt;
};

// The verdict over the checks: "satisfied" only when every check that applies is made with
// η ≤ 1 and no part is class 4 (and there was a point to check); `massgebend` the check with
// the largest η.
Urteil urteile(const std::vector<Teilnachweis>& teile, int klasse, bool mitPunkten, int& massgebend);

// What the page shows, computed before it is laid out.
struct Nachweisdaten {
    QString querschnitt; // the section's name
    Bemessung bemessung;
    std::optional<Radlastort> ort;            // where a wheel load acts
    std::optional<Radlastausbreitung> radlast; // given when a wheel load acts
    Nachweis nachweis;
    bool schienenpunkt = false;  // the top of an acting rail was left out
    bool abgefahren = false;     // the check's section has the rail at its worn height
    double IYeingabe = 0, IYnachweis = 0; // IY of the section as typed and as checked
    std::optional<Spannungsnetz> netz;      // the check's stress fields, for the picture
    std::vector<double> plattendicken;      // of the check's plates, in the mesh's order
    double netzBezug = 0;                   // the mesh's z less this is the section's z
    std::vector<tarvello::geometrie::Point> orte; // every stress point's place (index: number − 1)
    // The member checks, where the member data give a span.
    std::optional<Traeger> traeger;
    std::optional<Kippnachweis> kippen;
    std::optional<Ermuedungsnachweis> ermuedung;
    double sigmaOzErmuedung = 0; // the wheel's range at the web top with half the wear (EN 1993-6 5.6.2)
};

// Everything the check needs from the results and the section; nullopt with the
// message number when the check cannot be made (a wheel load without a rail over a web).
struct Nachweisvorbereitung {
    std::optional<Nachweisdaten> daten;
    int meldung = 0;
};
// r: the results of the section as typed; pruef: those of the section the
// check computes (the worn rail), with its stress mesh where there is one.
// traeger: the member data read, when a span is given.
Nachweisvorbereitung bereiteNachweisVor(const Ergebnisse& r, const Ergebnisse& pruef,
                                        const std::optional<Spannungsnetz>& netz, const Querschnittsdaten& q,
                                        const Bemessung& b, const QString& name, const QString& schienenkatalog,
                                        const std::optional<Traeger>& traeger = std::nullopt);
