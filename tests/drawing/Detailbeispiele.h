#pragma once
// Sections of every welded family and the three rolled variants as an engineer
// would enter them, for the tests of the detailed drawings and the developer
// pictures of them.

#include "kern/Formen.h"
#include "kern/Querschnittsdaten.h"

#include <vector>

struct Detailbeispiel {
    const char* name;
    Querschnittsdaten q;
};

// A chosen form with its web upright, as a new form starts.
inline Querschnittsdaten beispielform(int familie, int nummer)
{
    Querschnittsdaten q;
    q.familie = familie;
    q.Querschnittsnummer = nummer;
    q.masse.stegwinkel = "0";
    return q;
}

// One form of every welded family, and the variants the drawings treat apart.
inline const std::vector<Detailbeispiel>& schweissbeispiele()
{
    static const std::vector<Detailbeispiel> liste = [] {
        std::vector<Detailbeispiel> l;
        const auto neu = [&l](const char* name, int familie, int nummer) -> Querschnittsdaten& {
            l.push_back({name, beispielform(familie, nummer)});
            return l.back().q;
        };
        // Stiffener rows as {lage, lang1, lang2, dicke}, H profiles as {H, B, S, T, R}.
        {
            Querschnittsdaten& q = neu("Kasten_5", kOhneSchiene, 5);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "600"; m.obergurtdicke = "20";
            m.untergurtbreite = "520"; m.untergurtdicke = "20";
            m.steghoehe = "1000"; m.stegdicke = "12"; m.schottbreite = "400";
            q.steifen = {{{"70", "150", "100", "10"}, {}, {"35", "150", "100", "10"}, {}, {"50", "80", "60", "10"}}};
        }
        {
            Querschnittsdaten& q = neu("Schiene_ueber_Steg_15", kUeberSteg, 15);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "600"; m.obergurtdicke = "25";
            m.untergurtbreite = "600"; m.untergurtdicke = "20";
            m.steghoehe = "1200"; m.stegdicke = "14"; m.schottbreite = "500";
            m.stegdicke2 = "10"; m.schienenhoehe = "75"; m.schienenbreite = "65";
            q.steifen = {{{"80", "120", "80", "10"}, {"75", "120", "80", "10"}, {"45", "120", "80", "10"},
                          {"40", "120", "80", "10"}, {}}};
        }
        {
            Querschnittsdaten& q = neu("Schiene_ueber_Steg_geneigt_19", kUeberSteg, 19);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "700"; m.obergurtdicke = "25";
            m.untergurtbreite = "560"; m.untergurtdicke = "20";
            m.steghoehe = "1100"; m.stegdicke = "12"; m.schottbreite = "420";
            m.stegdicke2 = "12"; m.schienenhoehe = "75"; m.schienenbreite = "65";
            m.stegwinkel = "6";
            q.steifen = {{{"75", "120", "80", "10"}, {"75", "120", "80", "10"}, {"40", "120", "80", "10"},
                          {"40", "120", "80", "10"}, {"50", "100", "60", "10"}}};
        }
        {
            Querschnittsdaten& q = neu("Mitte_Obergurt_37", kMitteObergurt, 37);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "700"; m.obergurtdicke = "25";
            m.untergurtbreite = "640"; m.untergurtdicke = "20";
            m.steghoehe = "1000"; m.stegdicke = "12"; m.schottbreite = "500";
            m.schienenhoehe = "80"; m.schienenbreite = "100";
            q.steifen = {{{"70", "120", "80", "10"}, {}, {}, {}, {"50", "100", "60", "10"}}};
        }
        {
            // The bottom flange is the H profile's.
            Querschnittsdaten& q = neu("H_Untergurt_55", kOhneSchieneMitH, 55);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "500"; m.obergurtdicke = "20";
            m.steghoehe = "800"; m.stegdicke = "10"; m.schottbreite = "260";
            q.stegprofilreihe = "HEB"; q.stegprofilgroesse = "500";
            q.stegprofil = {"500", "300", "14.5", "28", "27"};
            q.steifen = {{{"70", "100", "60", "10"}, {}, {"35", "100", "60", "10"}, {}, {"50", "80", "50", "10"}}};
        }
        {
            // The rail does not act: a catalog rail rides on the half H profile.
            Querschnittsdaten& q = neu("H_halb_115", kHalbesH, 115);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "500"; m.obergurtdicke = "19";
            m.untergurtbreite = "700"; m.untergurtdicke = "25";
            m.steghoehe = "1500"; m.stegdicke = "12"; m.schottbreite = "600";
            m.stegdicke2 = "12"; m.schienenhoehe = "75"; m.schienenbreite = "65";
            q.stegprofilreihe = "HEA"; q.stegprofilgroesse = "400";
            q.stegprofil = {"390", "300", "11", "19", "27"};
            q.schieneMittragend = false; q.ASchiene = "A75";
            q.steifen = {{{"70", "120", "80", "12"}, {"75", "120", "80", "12"}, {"40", "120", "80", "12"},
                          {"35", "120", "80", "12"}, {}}};
        }
        {
            Querschnittsdaten& q = neu("Winkelkatzprofil_215", kWinkelkatzprofil, 215);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "500"; m.obergurtdicke = "20";
            m.untergurtbreite = "420"; m.untergurtdicke = "15";
            m.steghoehe = "900"; m.stegdicke = "12"; m.schottbreite = "300";
            m.stegdicke2 = "10"; m.steghoehe2 = "600";
            m.schienenhoehe = "50"; m.schienenbreite = "60";
            m.hoehe2 = "20"; m.breite2 = "100";
            q.steifen = {{{"70", "100", "60", "10"}, {"70", "100", "60", "10"}, {"35", "100", "60", "10"},
                          {"35", "100", "60", "10"}, {}}};
        }
        {
            // Half an H profile under the rail.
            Querschnittsdaten& q = neu("Winkelkatzprofil_H_halb_225", kWinkelkatzprofil, 225);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "500"; m.obergurtdicke = "19";
            m.untergurtbreite = "420"; m.untergurtdicke = "15";
            m.steghoehe = "700"; m.stegdicke = "12"; m.schottbreite = "300";
            m.stegdicke2 = "10"; m.steghoehe2 = "600";
            m.schienenhoehe = "50"; m.schienenbreite = "60";
            m.hoehe2 = "20"; m.breite2 = "100";
            q.stegprofilreihe = "HEB"; q.stegprofilgroesse = "300";
            q.stegprofil = {"300", "300", "11", "19", "27"};
            q.steifen = {{{"60", "100", "60", "10"}, {"70", "100", "60", "10"}, {"30", "100", "60", "10"},
                          {"35", "100", "60", "10"}, {}}};
        }
        {
            Querschnittsdaten& q = neu("Zweizeller_315", kZweizeller, 315);
            Plattenmasse& m = q.masse;
            m.obergurtbreite = "900"; m.obergurtdicke = "25";
            m.untergurtbreite = "1400"; m.untergurtdicke = "20";
            m.steghoehe = "1200"; m.stegdicke = "12"; m.schottbreite = "600";
            m.stegdicke2 = "14"; m.schienenhoehe = "60"; m.schienenbreite = "60";
            m.zelle2 = {"500", "20", "700", "10", "300"};
            q.steifen = {{{"75", "120", "80", "10"}, {"75", "120", "80", "10"}, {"40", "120", "80", "10"},
                          {"65", "120", "80", "10"}, {}}};
        }
        return l;
    }();
    return liste;
}

// The rolled variants: plain, with a flat rail on the top flange, on a profile
// under the bottom flange; `modus` is the form the engine hands back.
struct Walzbeispiel {
    const char* name;
    int modus;
    Querschnittsdaten q;
};

inline Querschnittsdaten walzquerschnitt(const char* Typ, HProfilmasse profil)
{
    Querschnittsdaten q;
    q.familie = kWalzprofil;
    q.Typ = QString::fromUtf8(Typ);
    q.walzprofil = profil;
    return q;
}

inline const std::vector<Walzbeispiel>& walzbeispiele()
{
    static const std::vector<Walzbeispiel> liste = [] {
        Querschnittsdaten mitFlachschiene = walzquerschnitt("HEA 500", {"490", "300", "12", "23", "27"});
        mitFlachschiene.HschieneCheck = true;
        mitFlachschiene.flachschienenhoehe = "40";
        mitFlachschiene.flachschienenbreite = "60";
        Querschnittsdaten aufProfil = walzquerschnitt("HEA 600", {"600", "300", "12", "23", "27"});
        aufProfil.HUGCheck = true;
        aufProfil.untergurtprofil = {"80", "200", "9", "15", "18"}; // HU, BU, SU, TU, RU
        return std::vector<Walzbeispiel>{
            {"Walzprofil_102", 102, walzquerschnitt("HEB 300", {"300", "300", "11", "19", "27"})},
            {"Walzprofil_103", 103, mitFlachschiene},
            {"Walzprofil_110", 110, aufProfil},
        };
    }();
    return liste;
}
