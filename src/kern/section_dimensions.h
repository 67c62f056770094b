// The dimensions that describe one cross-section, as the input side collects them.
//
// All lengths in millimetres, the web angle in degrees. Every member carries the
// caption of the input field it comes from. A value of 0 means "not given".
#pragma once

#include <array>

namespace tarvello::geometrie {

// Rolled H or I profile (also the H profile inside a welded form).
struct HProfile {
    double height = 0.0;          // H
    double flangeWidth = 0.0;     // B
    double webThickness = 0.0;    // S
    double flangeThickness = 0.0; // T
    double rootRadius = 0.0;      // R (0: no fillets)
};

// One stiffener row ("Beulsteifen", rows 1 to 5).
struct StiffenerRow {
    bool given = false;
    double position = 0.0;  // Stort: percent of the web height above the bottom flange (row 5: 50 %BO)
    double leg1 = 0.0;      // StLang1: leg perpendicular to the web (row 5: downwards)
    double leg2 = 0.0;      // StLang2: leg at the end of leg 1, downwards (row 5: to the left)
    double thickness = 0.0; // StDick
};

// Second cell of a two-cell box (forms 301 and above).
struct SecondCell {
    double topWidth = 0.0;      // BO3
    double topThickness = 0.0;  // TO3
    double webHeight = 0.0;     // HS3, above the bottom flange
    double webThickness = 0.0;  // TS3
    double webDistance = 0.0;   // AS3, clear distance from the middle web's outer face
};

// A welded section form (every family except the rolled profiles).
struct WeldedDimensions {
    int form = 0;                  // Querschnittsnummer
    double webAngle = 0.0;         // Stegwinkel, degrees, positive: webs lean outwards at the top
    double topWidth = 0.0;         // Obergurtbreite
    double topThickness = 0.0;     // Obergurtdicke
    double bottomWidth = 0.0;      // Untergurtbreite (forms 51..59: B of the H profile)
    double bottomThickness = 0.0;  // Untergurtdicke (forms 51..59: T of the H profile)
    double webHeight = 0.0;        // Steghöhe, measured along the web
    double webThickness = 0.0;     // Stegdicke (the web under the rail; left web of a two-cell box)
    double webThickness2 = 0.0;    // Stegdicke 2 (0: as Stegdicke)
    double clearWidth = 0.0;       // Schottbreite: clear width between the webs at the bottom flange
    double webHeight2 = 0.0;       // Steghöhe2 (forms 201..299: the left web)
    bool railActing = false;       // Schiene mittragend
    double railWidth = 0.0;        // Schbreite
    double railHeight = 0.0;       // Schhöhe
    double flatWidth = 0.0;        // Breite2 (forms 201..299)
    double flatHeight = 0.0;       // Höhe2 (forms 201..299)
    int runValue = 1;              // Laufwert, written for the boxes; no part of the section
    HProfile profile;              // forms 51..59 (H, S, R with B, T as bottom flange), 111..119, 221..299
    SecondCell secondCell;         // forms 301 and above
    std::array<StiffenerRow, 5> stiffeners{};
};

// A rolled profile (family "H-Prof."): mode 102 plain, 103 with a flat rail on
// the top flange, 110 with a profile under the bottom flange.
struct RolledDimensions {
    int mode = 102;
    HProfile profile;
    double railHeight = 0.0;  // Schienenhöhe (103)
    double railWidth = 0.0;   // Schienenbreite (103)
    HProfile bottom;          // HU, BU, SU, TU, RU (110): HU is the stem height above the bottom flange
};

} // namespace tarvello::geometrie
