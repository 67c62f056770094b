// The cross-section as plates and named stress points.
//
// One builder turns the entered dimensions of a section form into plates (each a
// polygon) and the stress points P1, P2, ... at which results are reported. The
// calculation engine analyses exactly these polygons and the detailed drawings
// label exactly these points, so both always agree.
//
// Axes: y horizontal to the right, z upwards, millimetres.
//  - y = 0 on the section's centre line: for welded sections the middle of the
//    clear width between the webs (Schottbreite) at the bottom flange (for a
//    two-cell box: of the main, left cell); for rolled profiles the web axis.
//  - z = 0 at the mid-plane of the lowest flange: the bottom flange of a welded
//    box, the bottom flange of the H profile for forms 51..59, the profile's
//    bottom flange for rolled profiles (the bottom profile's flange, TU, for 110).
//
// Stress points per family (a number not listed does not exist for that family;
// the result rows of such numbers are zeros). "mid-line" is the plate's middle
// surface; "junction" is where a web's face meets a flange's face.
//
//  Single-cell box (forms 1..49), half-H box (111..119), box on an H profile
//  (51..58), trolley-rail angle section (201..299), two-cell box (301..399):
//   P1  bottom flange, right end, underside (angle section: see below)
//   P2  right web, mid-line, at the junction with the bottom flange
//       (two-cell box: the middle web; angle section: at the bottom flange's mid-plane)
//   P3  right web, mid-line, at the junction with the top flange
//       (half-H: the H stem at the end of its fillet; two-cell box: the middle web)
//   P4  top flange, right end, top face (half-H: the H flange's right end)
//   P5  bottom flange, left end, underside
//   P6  left web, mid-line, at the junction with the bottom flange
//   P7  left web, mid-line, at the junction with the top flange
//   P8  top flange, left end, top face
//   P9..P12  stiffeners 1..4: on their web's mid-line at the stiffener's height
//   P13 stiffener 5: the lower end of its vertical leg, on its mid-line
//   P14 top of the acting rail, on its centre line
//   P15 half-H (111..119, 221..299): the weld between the H stem and the web plate
//       box on an H profile: the H web's mid-line at the end of the lower fillet
//       two-cell box: the second cell's web, mid-line, at the bottom flange
//   P16 angle section: the right web's lower end, on its mid-line
//       box on an H profile: the H web's mid-line at the end of the upper fillet
//       two-cell box: the second cell's web, mid-line, at its top flange
//   P17 box on an H profile: the H profile's top flange, right end, top face
//       two-cell box: the second cell's top flange, right end, top face
//  The angle section's bottom flange ends at the inner face of the right web,
//  which reaches below it: its right end's underside is a re-entrant corner,
//  where shear stresses are infinite in theory and grow with every refinement
//  of a mesh. Its P1 therefore lies on the underside one bottom-flange
//  thickness to the left of that corner (at most half the flange's width),
//  where the corner's disturbance has died away and the stresses are finite
//  and mesh-independent.
//
//  Rolled profile (102, 103, 110):
//   P1 bottom flange, right end, underside     P2 web mid-line at the end of the bottom fillet
//   P3 web mid-line at the end of the top fillet  P4 top flange, right end, top face
//   P5 bottom flange, left end, underside      P6 top flange, left end, top face
//   P7 (110 only) web mid-line at the joint of the web and the bottom profile's stem
//
// Governing points, numbered from 18 (kFixedPointRows + 1) after the fixed
// ones, are not part of the geometry: the engine finds them where the solved
// stresses of each plate peak and writes where they lie.
#pragma once

#include "kern/Formen.h"
#include "kern/polygon.h"
#include "kern/section_dimensions.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvello::geometrie {

// How a form number is built (Bauart), which forms mirror their stiffeners
// (spiegeltSteifen): the program's one classification of the form numbers.
using Family = Bauart;

struct Plate {
    std::string nameDe;     // for messages, e.g. "Steg rechts"
    std::string nameEn;     // e.g. "right web"
    Polygon outline;        // counter-clockwise
    double thickness = 0.0; // the plate's thickness (smallest extent); sizes the mesh
    bool fillet = false;    // a rolled profile's root fillet: part of a junction, not a wall of its own
    // A fillet's integrals with its true arc; the outline's chords serve the mesh.
    std::optional<AreaMoments> exact;
};

// A plate's area integrals: the true ones where its outline only approximates it.
inline AreaMoments plateMoments(const Plate& p) { return p.exact ? *p.exact : areaMoments(p.outline); }

// Rows 1..17 of the result table are the fixed points of every family; the
// governing points follow from row 18, up to row 30.
constexpr int kFixedPointRows = 17;
constexpr int kMaxStressPoints = 30;

// P9..P13: the points on the stiffeners 1..5.
constexpr bool isStiffenerPoint(int number) { return number >= 9 && number <= 13; }

struct StressPoint {
    int number = 0;         // the row in the result table: 1..17 fixed, 18..30 governing
    Point at;
    int plate = -1;         // index of the plate that holds the point
    Point direction;        // unit vector along that plate: the shear stress component reported
    double thickness = 0.0; // plate thickness at the point (result column 7)
    bool governing = false; // a governing point (number 18 and up), else a fixed one
};

struct SectionGeometry {
    Family family = Family::Keine;
    int form = 0;                        // section number (102/103/110 for rolled profiles)
    std::vector<Plate> plates;           // adjoining, never overlapping
    std::vector<StressPoint> points;     // the fixed points this section has, ascending numbers
    int pointRows = 0;                   // highest fixed number of the family (6, 7, 14..17)
    std::array<bool, 5> stiffenerPresent{}; // stiffeners 1..5 that are part of the section
};

struct BuildResult {
    bool ok = false;
    SectionGeometry geometry;
    std::string reasonDe; // why the dimensions offer no section, German
    std::string reasonEn; // the same in English
    bool railOverhang = false; // refused because a rail projects beyond the flange it stands on
};

// Builds a welded section form. Fails (ok = false, with reasons) for a form
// number that offers no section and for dimensions that cannot form one.
BuildResult buildWeldedSection(const WeldedDimensions& d);

// Builds a rolled profile (mode 102, 103 or 110).
BuildResult buildRolledSection(const RolledDimensions& d);

// Whole-section area integrals: the sum over the plates.
AreaMoments sectionMoments(const SectionGeometry& g);

// Plastic section modulus for bending about the axis through `centroid` at
// `angle` radians from y (counter-clockwise): the plastic neutral axis parallel
// to it halves the area, and Wpl = ∫|v − v_pl| dA, v the distance from the
// axis. Exact on the plates' polygons.
double plasticModulus(const std::vector<Plate>& plates, Point centroid, double angle);

// Smallest axis-parallel box around all plates: {ymin, zmin, ymax, zmax}.
std::array<double, 4> boundingBox(const SectionGeometry& g);

// The name of the plates of stiffener row `row` (0 to 4) of form `form`: "Steife 3" / "stiffener 3";
// where rows 1 and 3 stand on both webs, the copy on the second web is named after the row the
// user typed, "Steife 3 gegenüber" / "stiffener 3 opposite": there is no row 4 to name.
std::string stiffenerName(int form, int row, bool german);

} // namespace tarvello::geometrie
