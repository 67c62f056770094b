#pragma once
// The section drawn to scale on the result page, with dimension chains, plate
// thicknesses, the numbered stress points and the axis symbol at the centroid.
// Plates and points come from the same section geometry the engine computes
// with, so every label stands where the engine reported its stresses. The
// fixed points (P1 to P17) are labelled with their number alone; a governing
// point (from P18: where the engine found a plate's stresses to peak) also gets
// a small open circle on the point, so the two kinds stay apart on the paper as
// they do in the table.

#include "drawing/Zeichenflaeche.h"
#include "kern/Querschnittsdaten.h"
#include "kern/polygon.h"
#include "kern/section_geometry.h"

#include <QString>
#include <array>
#include <vector>

// What a drawing takes from the engine's result file.
struct Ergebnislage {
    double ys = 0, zs = 0;    // centroid in the engine's axes (z from the mid-plane of the bottom flange)
    double apsi = 0;          // principal-axis angle in radians, counter-clockwise from y
    int punkte = 0;                // number of stress-point rows read
    // Plate thickness at point n+1; 0: the section has no such point.
    std::array<double, tarvello::geometrie::kMaxStressPoints> dicke{};
    // The governing points (from P18) where the engine found them, in its axes.
    std::vector<tarvello::geometrie::StressPoint> massgebend;
    // The engine input these results were computed from ("Übergabe0.dat", which
    // stays in the editor's folder). When given, the welded drawings take the
    // section from these very lines, so the drawing shows what the engine
    // computed even when the fields have changed since; when empty they take
    // it from the record as the transfer file would be written from it.
    QString uebergabetext;
};

// A rail that rides on the section without acting: its outline with the foot
// on z = 0, centred on y = 0, and its name ("A75", or "b x h" of a flat rail).
// Empty when there is none.
struct Schienenbild {
    std::vector<tarvello::geometrie::Point> umriss;
    QString name;
};

// The welded families, chosen by the form number: top of the drawing at y
// (moved down by a rail standing on the top flange and by the top dimension
// chain); returns the page y below the drawing. A drawing that cannot be made
// is noted on the surface (`hatteZeichenfehler`) and returns y.
double zeichneSchweissquerschnitt(Zeichenflaeche& f, double& y, const Querschnittsdaten& e,
                                  const Schienenbild& aufgesetzt, const Ergebnislage& r);

// The rolled profile; modus 102 plain, 103 with the flat rail, 110 with the bottom-flange profile.
double zeichneWalzprofil(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r);
