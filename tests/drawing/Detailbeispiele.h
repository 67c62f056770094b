#pragma once
// Sections of every welded family and the three rolled variants as an engineer
// would enter them, for the tests of the detailed drawings and the developer
// pictures of them.

#include "kern/Formen.h"
#include "kern/Querschnittsdaten.h"

#include <QList>
#include <utility>
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
            m.hoehe2 = "12"; m.breite2 = "100";
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
            m.hoehe2 = "12"; m.breite2 = "100";
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

// What an engineer would type for any offered form: its family's sample
// above under the form's number, with every stiffener row the form may show
// filled (rows the sample leaves empty get a plain angle). The form shows
// only what it has; a web angle given here stays where the form offers one.
inline Querschnittsdaten formbeispiel(int nummer, const char* stegwinkel = "0")
{
    const int familie = familieDerForm(nummer);
    const char* vorlage = familie == kOhneSchiene         ? "Kasten_5"
                          : familie == kUeberSteg         ? "Schiene_ueber_Steg_15"
                          : familie == kMitteObergurt     ? "Mitte_Obergurt_37"
                          : familie == kOhneSchieneMitH   ? "H_Untergurt_55"
                          : familie == kHalbesH           ? "H_halb_115"
                          : familie == kZweizeller        ? "Zweizeller_315"
                          : mitHalbemH(nummer)            ? "Winkelkatzprofil_H_halb_225"
                                                          : "Winkelkatzprofil_215";
    Querschnittsdaten q;
    for (const Detailbeispiel& b : schweissbeispiele())
        if (QLatin1String(b.name) == QLatin1String(vorlage))
            q = b.q;
    q.Querschnittsnummer = nummer;
    q.masse.stegwinkel = QString::fromLatin1(stegwinkel);
    const Steifenmasse ersatz[5] = {{"70", "100", "60", "10"}, {"70", "100", "60", "10"}, {"35", "100", "60", "10"},
                                    {"35", "100", "60", "10"}, {"50", "80", "50", "10"}};
    for (size_t i = 0; i < 5; ++i)
        if (q.steifen[i].dicke.isEmpty())
            q.steifen[i] = ersatz[i];
    return q;
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

// Every drawing the result page can show, as one table: each form the combo
// file offers, a sloped web for each family that offers a web angle, and the
// rolled variants; `modus` 0 for the welded forms.
struct Zeichnungsfall {
    QString name;
    int modus;
    Querschnittsdaten q;
};

inline std::vector<Zeichnungsfall> alleZeichnungsfaelle(const QList<int>& formnummern)
{
    std::vector<Zeichnungsfall> f;
    for (int n : formnummern)
        f.push_back({QStringLiteral("Form_%1").arg(n), 0, formbeispiel(n)});
    // Sloped webs spread the box at the top: the top flanges are as wide as it.
    for (const auto& [n, obergurt] : {std::pair{5, "720"}, {19, "800"}, {37, "700"}, {55, "500"}}) {
        Querschnittsdaten q = formbeispiel(n, "6");
        q.masse.obergurtbreite = QString::fromLatin1(obergurt);
        f.push_back({QStringLiteral("Form_%1_geneigt").arg(n), 0, q});
    }
    for (const Walzbeispiel& b : walzbeispiele())
        f.push_back({QString::fromLatin1(b.name), b.modus, b.q});
    return f;
}
