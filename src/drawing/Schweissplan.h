#pragma once
// The welded section as the drawing lays it out: the engine's geometry of the
// section, the scale and place on the page, the rail that rides on it; and
// the pieces the welded drawing is drawn with, plates to scale and dimension
// chains whose extension lines reach the material.

#include "drawing/Detailzeichnungen.h"
#include "drawing/Zeichnung.h"
#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace detailzeichnung {

using tarvello::geometrie::SectionGeometry;
using tarvello::geometrie::WeldedDimensions;

struct Schweissplan {
    WeldedDimensions d;
    SectionGeometry g;
    double s = 0, c = 135;
    double x0 = 0;            // paper x of section y = 0
    double zOben = 0;         // top face of the top flange
    std::vector<Point> schiene; // outline of a rail drawn but not part of the section
    QString schienentext;     // "b x h" or the catalog rail's name
    Point schienenmitte;      // middle of the rail's side, for the label
    double schienenhoehe = 0;
};

// The section the engine computed (from its input lines when the results name
// them, else from the record), scaled so that the largest of the named
// extents is 70 mm long; nothing when it cannot be built or scaled.
std::optional<Schweissplan> schweissplan(const Querschnittsdaten& e, const Schienenbild& aufgesetzt,
                                         const Ergebnislage& r);

// Lowest y, lowest z, highest y, highest z of a plate's outline.
std::array<double, 4> plattenhuelle(const SectionGeometry& g, int platte);
// The index of the plate of that name; -1 when the section has none.
int platteNamens(const SectionGeometry& g, const char* name);
// Candidate spots along a horizontal stretch (paper): the customary ones from
// its middle outwards, then every millimetre to its ends.
std::vector<double> spotsZwischen(double links, double rechts);

// Every plate's outline, fillets as arcs.
void zeichnePlatten(Zeichnung& z, const SectionGeometry& g);

// ---------------------------------------------------------------------------
// Dimension chains of the welded drawings.

// One piece of a chain: from von to bis (section coordinates along the
// chain), labelled with wert. A vertical chain's piece beside a sloped web
// runs parallel to it: neigung is its section y per z (0 upright), and wert
// is its length along the slope.
struct Kettenglied {
    double von, bis;
    float wert;
    double neigung = 0;
};

// The right or left end of the material at height zs (paper x), searched over
// the plate corners lying at that height and the plate edges crossing it.
std::optional<double> randBei(const Zeichnung& z, const SectionGeometry& g, double zs, bool rechts,
                              double yVon = -1e300, double yBis = 1e300);

// A vertical chain standing at paper x at its lower end, pieces from bottom
// to top given by their section heights (a sloped piece leaning by its
// neigung); extension lines run level from 1 beyond the chain to the material
// on the chain's side of the section at each end height, unless the chain
// already ends on it. A piece too short for its label between the arrowheads
// has the label beside it, outwards.
void senkrechteKette(Zeichnung& z, const SectionGeometry& g, double x, const std::vector<Kettenglied>& glieder,
                     bool rechts, double yVon = -1e300, double yBis = 1e300);

// A horizontal chain at paper y, pieces from left to right; extension lines
// run from the material's edge at zs (the face the chain measures) to 1 beyond
// the chain. A piece too short for its label between the arrowheads has the
// label beside it, away from the section.
void waagerechteKette(Zeichnung& z, double y, double zs, const std::vector<Kettenglied>& glieder);

} // namespace detailzeichnung
