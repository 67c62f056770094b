#pragma once
// The utilisation σv/(fy/γM0) over the whole section under the design forces,
// drawn from the check's stress mesh: every six-node triangle as four
// triangles coloured by their nodes' mean, a scale beside it, the governing
// point ringed.

#include "nachweis/Nachweis.h"

#include <QColor>
#include <array>
#include <vector>

class Zeichenflaeche;

// The utilisation at every node of every plate; keyed as the mesh's values.
std::vector<double> knotenauslastung(const Nachweisdaten& d);

// Each element's four triangles (corners and mid-sides) with the mean utilisation of their nodes.
std::vector<std::array<double, 4>> dreiecksauslastung(const Nachweisdaten& d);

// The colour of a utilisation: blue at 0 through green and yellow to red at 1, purple above.
QColor auslastungsfarbe(double eta);

// Draws into the box (x, y, breite, hoehe) in mm; false when there is no mesh to draw.
bool zeichneAuslastung(Zeichenflaeche& f, const Nachweisdaten& d, double x, double y, double breite, double hoehe);
