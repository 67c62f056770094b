#pragma once
// The section drawn to scale on the result page, with dimension chains, plate
// thicknesses, the numbered stress points and the axis symbol at the centroid.
// Plates and points come from the same section geometry the engine computes
// with, so every label stands where the engine reported its stresses.

#include "drawing/Zeichenflaeche.h"
#include "section/Querschnittsdaten.h"

#include "geometrie/section_dimensions.h"

#include <QString>
#include <array>

// What a drawing takes from the engine's result file.
struct Ergebnislage {
    float ys = 0, zs = 0;     // centroid in the engine's axes (z from the mid-plane of the bottom flange)
    float apsi = 0;           // principal-axis angle in radians, counter-clockwise from y
    std::array<bool, 5> steifen{}; // stiffener i+1 is part of the section
    int punkte = 0;                // number of stress-point rows read
    std::array<float, 17> dicke{}; // plate thickness at point n+1; 0: the section has no such point
    // The engine input these results were computed from ("Übergabe0.dat", which
    // stays in the editor's folder). When given, the welded drawings take the
    // section from these very lines, so the drawing shows what the engine
    // computed even when the fields have changed since; when empty they take
    // it from the record as the transfer file would be written from it.
    QString übergabetext;
};

// The welded families, chosen by the form number: top of the drawing at y
// (moved down by a rail standing on the top flange and by the top dimension
// chain); returns the page y below the drawing. A drawing that cannot be made
// shows "Printererror" and returns y.
//
// The record is taken as the result page holds it while the page is laid out:
// the fields as the transfer file was written from them (the diaphragm width of
// the rail at mid top flange already converted to the bottom flange, the bottom
// flange of a box on an H profile being the profile's).
double zeichneSchweissquerschnitt(Zeichenflaeche& f, double& y, const Querschnittseingabe& e,
                                  const QString& schienenkatalog, const Ergebnislage& r);

// The rolled profile; modus 102 plain, 103 with the flat rail, 110 with the bottom-flange profile.
double zeichneWalzprofil(Zeichenflaeche& f, double& y, const Querschnittseingabe& e, int modus, const Ergebnislage& r);

// The dimensions of a welded section as the transfer file carries them to the
// engine, read from the record with the same choices the writer makes: which
// field fills which line, which lines a form has at all.
tarvello::geometrie::WeldedDimensions schweissmasse(const Querschnittseingabe& e);

// The dimensions of a rolled profile from the profile fields; modus as above.
tarvello::geometrie::RolledDimensions walzmasse(const Querschnittseingabe& e, int modus);
