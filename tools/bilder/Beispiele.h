#pragma once
// Typical sections of every family, for pictures and acceptance runs: what an
// engineer would type for a crane runway girder of each form.

#include "kern/Querschnittsdaten.h"

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

struct Steifenangabe {
    int zeile;
    const char *lage, *l1, *l2, *dicke;
};

struct Beispiel {
    const char* name;
    int familie;
    int form;
    std::vector<std::pair<int, const char*>> abmessungen;
    std::vector<Steifenangabe> steifen;
    const char* stegreihe = nullptr; // H profile of the web: series and size
    const char* steggroesse = nullptr;
    const char* schiene = nullptr;   // catalog rail, with the rail not acting
};

inline const std::vector<Beispiel>& beispiele()
{
    static const std::vector<Beispiel> liste = {
        {"Kasten_5", 0, 5, {{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "12"}, {7, "500"}},
         {{0, "75", "100", "0", "12"}, {2, "40", "100", "0", "12"}, {4, "50", "120", "60", "10"}}},
        {"Schiene_ueber_Steg_15", 1, 15,
         {{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "14"}, {6, "10"}, {7, "500"}, {10, "75"}, {11, "65"}},
         {{0, "80", "90", "0", "10"}, {1, "75", "90", "0", "10"}, {2, "55", "90", "0", "10"}, {3, "45", "90", "0", "10"}}},
        {"Mitte_Obergurt_35", 2, 35,
         {{0, "700"}, {1, "25"}, {2, "700"}, {3, "20"}, {4, "1000"}, {5, "12"}, {7, "500"}, {10, "75"}, {11, "65"}},
         {{0, "75", "100", "0", "12"}, {2, "40", "100", "0", "12"}}},
        {"Winkelkatzprofil_225", 4, 225,
         {{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "14"}, {6, "12"}, {7, "500"}, {10, "75"},
          {11, "65"}, {13, "800"}, {15, "80"}, {16, "20"}},
         {{0, "70", "90", "0", "10"}, {1, "70", "90", "0", "10"}, {2, "40", "90", "0", "10"}, {3, "40", "90", "0", "10"}},
         "HEB", "300"},
        {"H_Untergurt_53", 5, 53, {{0, "400"}, {1, "25"}, {4, "1000"}, {5, "12"}, {7, "260"}},
         {{0, "75", "80", "0", "10"}, {4, "50", "100", "50", "10"}}, "HEB", "500"},
        {"H_halb_115", 6, 115,
         {{0, "500"}, {1, "25"}, {2, "700"}, {3, "25"}, {4, "1500"}, {5, "12"}, {6, "12"}, {7, "600"}, {10, "75"}, {11, "65"}},
         {{0, "70", "100", "0", "12"}, {1, "70", "100", "0", "12"}, {2, "40", "100", "0", "12"}, {3, "35", "100", "0", "12"}},
         "HEB", "400"},
        {"Zweizeller_315", 7, 315,
         {{0, "700"}, {1, "25"}, {2, "1400"}, {3, "25"}, {4, "1500"}, {5, "12"}, {6, "12"}, {7, "600"}, {10, "75"}, {11, "65"},
          {20, "500"}, {21, "20"}, {22, "500"}, {23, "10"}, {24, "300"}},
         {{0, "80", "100", "0", "12"}, {1, "75", "100", "0", "12"}, {2, "50", "100", "0", "12"}, {3, "40", "100", "0", "12"}}},
    };
    return liste;
}

// The design values the rail over the web (form 15) carries in pictures and runs: N, Vz, My and a wheel load.
inline Bemessungswerte beispielbemessung()
{
    Bemessungswerte b;
    b.N = QStringLiteral("-100");
    b.Vz = QStringLiteral("400");
    b.My = QStringLiteral("2000");
    b.radlast = QStringLiteral("300");
    return b;
}
