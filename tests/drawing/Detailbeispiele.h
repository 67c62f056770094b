#pragma once
// Sections of every welded family and the three rolled variants as an engineer
// would enter them, for the tests of the detailed drawings and the developer
// pictures of them.

#include "section/Querschnittsdaten.h"

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

struct Steifenwerte {
    int zeile; // 0..4
    const char *lage, *l1, *l2, *dicke;
};

struct Detailbeispiel {
    const char* name;
    int familie;
    int form;
    std::vector<std::pair<int, const char*>> abmessungen;
    std::vector<Steifenwerte> steifen;
    std::vector<const char*> hwerte;   // H, B, S, T, R of the web's H profile, or the rolled profile's fields 0..11
    const char* reihe = "";            // H profile series and size
    const char* groesse = "";
    bool mittragend = true;
    const char* schiene = "A-Sch";     // catalog rail, with the rail not acting
};

inline Querschnittseingabe eingabeAus(const Detailbeispiel& b)
{
    Querschnittseingabe e;
    e.familie = b.familie;
    e.Querschnittsnummer = b.form;
    e.formGewaehlt = true;
    for (size_t i = 0; i < e.Abmessungslabel.size(); ++i)
        e.Abmessungslabel[i] = QStringLiteral("Feld %1").arg(i);
    for (size_t i = 0; i < e.Hlabel.size(); ++i)
        e.Hlabel[i] = QStringLiteral("H %1").arg(i);
    e.Abmessung[14] = QStringLiteral("0");
    for (const auto& [i, wert] : b.abmessungen)
        e.Abmessung[size_t(i)] = QString::fromUtf8(wert);
    for (size_t i = 0; i < b.hwerte.size() && i < e.hwert.size(); ++i)
        e.hwert[i] = QString::fromUtf8(b.hwerte[i]);
    e.Combo1_2 = QString::fromUtf8(b.reihe);
    e.Combo1_3 = QString::fromUtf8(b.groesse);
    e.schieneMittragend = b.mittragend;
    e.ASchiene = QString::fromUtf8(b.schiene);
    e.steifenframeSichtbar = !b.steifen.empty();
    e.steifenbeschriftung = {QStringLiteral("%HS"), QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("t")};
    for (const Steifenwerte& s : b.steifen) {
        const size_t i = size_t(s.zeile);
        e.steifeSichtbar[i] = true;
        e.Stort[i] = QString::fromUtf8(s.lage);
        e.StLang1[i] = QString::fromUtf8(s.l1);
        e.StLang2[i] = QString::fromUtf8(s.l2);
        e.StDick[i] = QString::fromUtf8(s.dicke);
    }
    return e;
}

// One form of every welded family, and the variants the drawings treat apart.
inline const std::vector<Detailbeispiel>& schweissbeispiele()
{
    static const std::vector<Detailbeispiel> liste = {
        {"Kasten_5", 0, 5,
         {{0, "600"}, {1, "20"}, {2, "520"}, {3, "20"}, {4, "1000"}, {5, "12"}, {7, "400"}},
         {{0, "70", "150", "100", "10"}, {2, "35", "150", "100", "10"}, {4, "50", "80", "60", "10"}}, {}},
        {"Schiene_ueber_Steg_15", 1, 15,
         {{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "14"}, {6, "10"}, {7, "500"}, {10, "75"},
          {11, "65"}},
         {{0, "80", "120", "80", "10"}, {1, "75", "120", "80", "10"}, {2, "45", "120", "80", "10"},
          {3, "40", "120", "80", "10"}},
         {}},
        {"Schiene_ueber_Steg_geneigt_19", 1, 19,
         {{0, "700"}, {1, "25"}, {2, "560"}, {3, "20"}, {4, "1100"}, {5, "12"}, {6, "12"}, {7, "420"}, {10, "75"},
          {11, "65"}, {14, "6"}},
         {{0, "75", "120", "80", "10"}, {1, "75", "120", "80", "10"}, {2, "40", "120", "80", "10"},
          {3, "40", "120", "80", "10"}, {4, "50", "100", "60", "10"}}, {}},
        {"Mitte_Obergurt_37", 2, 37,
         {{0, "700"}, {1, "25"}, {2, "640"}, {3, "20"}, {4, "1000"}, {5, "12"}, {7, "500"}, {10, "80"}, {11, "100"}},
         {{0, "70", "120", "80", "10"}, {4, "50", "100", "60", "10"}}, {}},
        {"H_Untergurt_55", 5, 55,
         {{0, "500"}, {1, "20"}, {4, "800"}, {5, "10"}, {7, "260"}},
         {{0, "70", "100", "60", "10"}, {2, "35", "100", "60", "10"}, {4, "50", "80", "50", "10"}},
         {"500", "300", "14.5", "28", "27"}, "HEB", "500"},
        {"H_halb_115", 6, 115,
         {{0, "500"}, {1, "19"}, {2, "700"}, {3, "25"}, {4, "1500"}, {5, "12"}, {6, "12"}, {7, "600"}, {10, "75"},
          {11, "65"}},
         {{0, "70", "120", "80", "12"}, {1, "75", "120", "80", "12"}, {2, "40", "120", "80", "12"},
          {3, "35", "120", "80", "12"}},
         {"390", "300", "11", "19", "27"}, "HEA", "400", false, "A75"},
        {"Winkelkatzprofil_215", 4, 215,
         {{0, "500"}, {1, "20"}, {2, "420"}, {3, "15"}, {4, "900"}, {5, "12"}, {6, "10"}, {7, "300"}, {10, "50"},
          {11, "60"}, {13, "600"}, {15, "20"}, {16, "100"}},
         {{0, "70", "100", "60", "10"}, {1, "70", "100", "60", "10"}, {2, "35", "100", "60", "10"},
          {3, "35", "100", "60", "10"}}, {}},
        {"Winkelkatzprofil_H_halb_225", 4, 225,
         {{0, "500"}, {1, "19"}, {2, "420"}, {3, "15"}, {4, "700"}, {5, "12"}, {6, "10"}, {7, "300"}, {10, "50"},
          {11, "60"}, {13, "600"}, {15, "20"}, {16, "100"}},
         {{0, "60", "100", "60", "10"}, {1, "70", "100", "60", "10"}, {2, "30", "100", "60", "10"},
          {3, "35", "100", "60", "10"}},
         {"300", "300", "11", "19", "27"}, "HEB", "300"},
        {"Zweizeller_315", 7, 315,
         {{0, "900"}, {1, "25"}, {2, "1400"}, {3, "20"}, {4, "1200"}, {5, "12"}, {6, "14"}, {7, "600"}, {10, "60"},
          {11, "60"}, {20, "500"}, {21, "20"}, {22, "700"}, {23, "10"}, {24, "300"}},
         {{0, "75", "120", "80", "10"}, {1, "75", "120", "80", "10"}, {2, "40", "120", "80", "10"},
          {3, "65", "120", "80", "10"}}, {}},
    };
    return liste;
}

// The rolled variants: H, B, S, T, R, flat rail height and width, RU, HU, BU, SU, TU.
struct Walzbeispiel {
    const char* name;
    int modus;
    std::vector<const char*> hwerte;
    const char* typ;
};

inline const std::vector<Walzbeispiel>& walzbeispiele()
{
    static const std::vector<Walzbeispiel> liste = {
        {"Walzprofil_102", 102, {"300", "300", "11", "19", "27"}, "HEB 300"},
        {"Walzprofil_103", 103, {"490", "300", "12", "23", "27", "40", "60"}, "HEA 500"},
        {"Walzprofil_110", 110, {"600", "300", "12", "23", "27", "", "", "18", "80", "200", "9", "15"}, "HEA 600"},
    };
    return liste;
}

inline Querschnittseingabe walzeingabe(const Walzbeispiel& b)
{
    Querschnittseingabe e;
    e.familie = 3;
    e.Querschnittsnummer = b.modus;
    e.formGewaehlt = true;
    for (size_t i = 0; i < b.hwerte.size() && i < e.hwert.size(); ++i)
        e.hwert[i] = QString::fromUtf8(b.hwerte[i]);
    e.HschieneCheck = b.modus == 103;
    e.HUGCheck = b.modus == 110;
    return e;
}
