#pragma once
// The welded section's dimensions as numbers, named as the engineer reads them
// on the sketch, taken from the dimensions the engine is handed; and the
// plausibility checks the writer makes before the engine may run, each with
// the message that tells it.

#include "Querschnittsdaten.h"
#include "kern/section_dimensions.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

struct Schweissmasse {
    int form = 0;
    int familie = -1;
    float obergurtbreite = 0, untergurtbreite = 0; // the bottom flange of a box on an H profile: the profile's
    float steghoehe = 0, stegdicke = 0, stegdicke2 = 0, stegwinkel = 0;
    float steghoehe2 = 0;       // the second web of the trolley-rail angle forms
    float schottbreite = 0;     // clear width at the bottom, as the engine takes it
    float schottbreiteOben = 0; // the rail at mid top flange: the width typed at the top
    float BO3 = 0, HS3 = 0, TS3 = 0, AS3 = 0;    // the second cell
    float profilH = 0, profilB = 0, profilT = 0; // the web's H profile
    bool steifen = false;                        // the form has stiffener rows
    std::array<bool, 5> steifenzeilen{};         // the rows the form shows
    std::array<std::optional<float>, 5> steifenlage{}; // percent of HS; nullopt where not typed
    bool schieneMittragend = true;
    std::optional<float> katalogfuss; // the foot width of the catalog rail chosen, if any
};

// The foot width of a catalog rail (element 5 of its record), what the flange must carry.
using Schienenfussbreite = std::function<float(const QString& schiene)>;

// The clear width between the webs at the bottom as the engine takes it: the rail at mid top
// flange is dimensioned at the top, so its typed width is taken down the sloped webs.
QString schottbreiteUnten(const Querschnittsdaten& gezeigt);

// The dimensions the engine is handed, with what only the record knows: the family, the
// width typed at the top for the rail at mid flange, which stiffener positions are typed,
// the catalog rail chosen (`gezeigt`: the record as its form shows it).
Schweissmasse schweissmasse(const tarvello::geometrie::WeldedDimensions& masse, const Querschnittsdaten& gezeigt,
                            const Schienenfussbreite& fussbreite);

// One check: the message that tells it, and whether the dimensions break it.
struct Masspruefung {
    int meldung;
    bool (*verletzt)(const Schweissmasse& m);
};

// Every check, in the order the user is told; each applies only where its form has what it checks.
const std::vector<Masspruefung>& masspruefungen();
