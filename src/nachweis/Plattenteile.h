#pragma once
// The section's plates as a checking engineer reads them: what each plate is
// (flange, web, stiffener, rail), its direction and length, where other plates
// support it, and the parts between those supports: internal parts supported
// at both ends and outstands with one free end (EN 1993-1-1 Table 5.2). From
// the same plates the engine analyses, so a check never reads a dimension the
// section does not have.

#include "kern/section_geometry.h"

#include <array>
#include <vector>

enum class Plattenart { Gurt, Steg, Steife, Schiene, Ausrundung, Sonstige };

// A plate's kind from its name in the section.
Plattenart plattenart(const tarvello::geometrie::Plate& p);

// A stretch of a plate's mid-line between two supports or a support and a free end.
struct Plattenteil {
    int platte = -1;
    bool innen = false;         // supported at both ends; else an outstand, free at `bis`
    tarvello::geometrie::Point von, bis; // its ends on the plate's mid-line (an outstand's free end: bis)
    double c = 0;               // its width between the supports' faces (to the free edge)
    double t = 0;               // the plate's thickness
};

// Where another plate meets one along its length: the stretch [von, bis] along
// the plate's direction, measured from its first end.
struct Anschluss {
    int platte = -1;
    double von = 0, bis = 0;
};

struct Plattenlage {
    Plattenart art = Plattenart::Sonstige;
    tarvello::geometrie::Point anfang, richtung; // the mid-line's first end and its unit direction
    double laenge = 0, dicke = 0;
    std::vector<Anschluss> anschluesse;  // plates meeting its faces, ascending
    std::array<int, 2> endAuf{{-1, -1}}; // the plate each end stands on, -1: free

    // How far along the mid-line from the first end a point lies, and the mid-line's point there.
    double entlang(tarvello::geometrie::Point p) const
    {
        return (p.y - anfang.y) * richtung.y + (p.z - anfang.z) * richtung.z;
    }
    tarvello::geometrie::Point bei(double s) const { return {anfang.y + s * richtung.y, anfang.z + s * richtung.z}; }
};

// Every plate's place; rails neither support nor are supported (a rail carries
// a wheel, it does not hold a plate's edge), fillets only support.
std::vector<Plattenlage> plattenlagen(const tarvello::geometrie::SectionGeometry& g);

// The parts of every flange, web and stiffener.
std::vector<Plattenteil> plattenteile(const tarvello::geometrie::SectionGeometry& g,
                                      const std::vector<Plattenlage>& lagen);
