#pragma once
// The cross-section as plain data, with a name for every value. Values are
// the texts as the user typed them (converted to numbers with `zahl` where
// they are used), so a written file carries exactly what was typed.
//
// The window fills a record from its fields; everything below it (checks,
// transfer files, drawings, the result page) reads the record, never a field.

#include <QString>
#include <array>

// An H profile: height, flange width, web thickness, flange thickness, root radius.
struct HProfilmasse {
    QString H, B, S, T, R;
};

// The second cell of a two-cell box.
struct Zellenmasse {
    QString BO3, TO3, HS3, TS3, AS3;
};

// One stiffener row: position (percent), leg 1, leg 2, thickness.
struct Steifenmasse {
    QString lage, lang1, lang2, dicke;
};

// The plates of a welded form, in millimetres; the web angle in degrees.
struct Plattenmasse {
    QString obergurtbreite, obergurtdicke;
    QString untergurtbreite, untergurtdicke;
    QString steghoehe, stegdicke, stegdicke2;
    QString schottbreite; // for the rail at mid top flange: the width at the top flange
    QString schienenhoehe, schienenbreite;
    QString steghoehe2, stegwinkel;
    QString hoehe2, breite2; // the flat of the trolley-rail angle forms
    Zellenmasse zelle2;
};

inline const QString kKeineSchiene = QStringLiteral("A-Sch");

// How the rail is fixed to the top flange; it sets the length over which a
// wheel load spreads into the web.
enum class Schienenbefestigung { Starr, NichtStarr, AufLager };

// The design values of the check, kept with the section. Typed texts like the
// dimensions; forces in kN, moments in kNm, about the principal axes of the
// unit stresses.
struct Bemessungswerte {
    QString N, Vy, Vz, Mx, My, Mz;
    QString stahlsorte = QStringLiteral("S355");
    QString gammaM0 = QStringLiteral("1.00");
    QString gammaM1 = QStringLiteral("1.00");
    QString radlast; // Fz,Ed in kN; empty: no wheel load
    Schienenbefestigung befestigung = Schienenbefestigung::Starr;
    QString verschleiss = QStringLiteral("25"); // wear of the rail head, percent of its height
    QString steifenabstand; // a, spacing of the web's transverse stiffeners in mm; empty: not given
};

// The girder's data for lateral-torsional buckling and fatigue, kept with the
// section as typed. Lengths in m, ranges in kN and kNm.
enum class Lasthoehe { Schienenkopf, Obergurt, Schubmittelpunkt };
enum class Momentenform { Gleichlast, Einzellast, Endmomente };
enum class Schwingquelle { Bemessungswerte, Schwingbreiten };
enum class Nahtart { Durchgeschweisst, TeilweiseDurchgeschweisst, Kehlnaht };

struct Traegerwerte {
    QString spannweite;   // L; empty: no member checks
    QString halteabstand; // spacing of the top flange's lateral restraints; empty: L
    Lasthoehe lasthoehe = Lasthoehe::Schienenkopf;
    Momentenform momentenform = Momentenform::Gleichlast;
    QString psi = QStringLiteral("1"); // end moment ratio for Endmomente
    QString klasse = QStringLiteral("S3"); // the crane's S class, S0 … S9
    QString lambda;                         // λ for normal stresses typed; empty: from the class
    Schwingquelle quelle = Schwingquelle::Bemessungswerte;
    QString dN, dVy, dVz, dMx, dMy, dMz, dRadlast; // ranges typed
    Nahtart naht = Nahtart::Kehlnaht;       // the web-to-flange weld under the rail
    QString gammaFf = QStringLiteral("1.00"), gammaMf = QStringLiteral("1.15");
};

struct Querschnittsdaten {
    int familie = -1;
    int Querschnittsnummer = 0; // 0: no form chosen

    // The welded families.
    Plattenmasse masse;
    QString stegprofilreihe, stegprofilgroesse; // the web's H profile as chosen in the lists
    HProfilmasse stegprofil;                    // its values from that series' table
    bool schieneMittragend = true;
    QString ASchiene = kKeineSchiene;           // the catalog rail, "A-Sch" for none
    std::array<Steifenmasse, 5> steifen;

    // The rolled profile.
    QString Typ; // its designation, as chosen or typed
    HProfilmasse walzprofil;
    bool HschieneCheck = false; // a flat rail on the top flange
    QString flachschienenhoehe, flachschienenbreite;
    bool HUGCheck = false; // a profile under the bottom flange
    HProfilmasse untergurtprofil; // HU, BU, SU, TU, RU

    Bemessungswerte bemessung;
    Traegerwerte traeger;
};

// The captions of the fields as the window shows them: they name the empty
// fields when a calculation is refused. Each member holds the caption of the
// record's member of the same name.
struct Beschriftungen {
    Plattenmasse masse;
    HProfilmasse stegprofil;
    QString stegprofilwahl; // heads the web profile's lists
    Steifenmasse steifen;   // the column captions, the same for every row
    std::array<QString, 5> steifenzeilen; // the row captions, "St1: HB" to "St5:"
    HProfilmasse untergurtprofil;         // the profile under a rolled one's bottom flange
    QString flachschienenhoehe, flachschienenbreite;
};

// The caption that names one stiffener field in the list of empty fields: the
// row with the column, "St2: L1"; the position by its row caption alone.
QString steifenfeldname(const Beschriftungen& b, int zeile, int spalte);

// A caption as a field's name in a message: without what leads from it to its field ("H =" as "H",
// "BO3:" as "BO3").
QString feldname(const QString& beschriftung);

// The record as the chosen form shows it: every value the form does not show
// emptied (or set to what the form fixes: the web angle 0 where it has none,
// no catalog rail where the form offers none). A hidden value therefore never
// reaches a check, a file or the page, whatever was typed for an earlier form.
// The design values stay: no form hides them.
Querschnittsdaten nurGezeigtes(const Querschnittsdaten& q);

// The engine's form of a rolled profile (102 plain, 103 with a flat rail, 110 on a bottom profile,
// which hides the flat rail): the first line of its input and of its result.
int walzmodus(const Querschnittsdaten& q);
