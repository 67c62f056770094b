#pragma once
// The welded section drawn to scale, step by step; the steps that draw plates
// and dimensions are in Schweisszeichnung.cpp, those that write names, point
// labels and stiffener data in Schweissbeschriftung.cpp. The order of the
// steps is the order of priority: what comes later gives way.

#include "Schweissplan.h"

#include <array>
#include <vector>

namespace detailzeichnung {

using tarvello::geometrie::StressPoint;

// A web and the stretch its stiffener percentages run on.
struct Steg {
    int platte;
    bool rechts;      // the web's outer side is on the right
    bool innenKette;  // its chain stands in the cell (its outer side is taken)
    double zUnten;    // where the percentages start
    double hoehe;     // the length along the web they refer to
    double cosinus;   // vertical per length along the web
    double neigung;   // horizontal per vertical of the web (section y per z), 0 upright
    std::vector<double> prozente;
    std::vector<int> steifen; // its stiffener rows (0..3)
};

class Schweisszeichnung {
public:
    // Moves y down by a rail standing on the top flange and by the top chain.
    Schweisszeichnung(Zeichenflaeche& flaeche, double& y, const Querschnittsdaten& eingabe, const Schweissplan& plan,
                      const Ergebnislage& lage);
    // Draws everything; returns the page y below the drawing.
    double zeichne();

private:
    void bestimmeStege();
    void rueckeInDieSpalte();
    void platten();
    void gurtketten();
    void steifenketten();
    void hoehenketten();
    void lichteWeiten();
    void gurtdicken();
    void stegdicken();
    void flachstahl();
    void namen();
    void punkte();
    void massgebendePunkte();
    // Stiffener data at the stiffener, or (nahBei false) on a leader for
    // those that found no place at it.
    void steifendaten(bool nahBei);
    void achsenkreuz();

    // Paper x of the web's face on the side given, at height zs.
    double stegkante(int platte, double zs, bool rechts) const;
    // The web a stiffener point sits on (index into stege), -1 for none.
    int stegDerSteife(int zeile) const;
    // The stress points the engine reported, fixed and governing.
    std::vector<StressPoint> gemeldetePunkte() const;
    void beschriftePunkt(const StressPoint& sp);

    Zeichenflaeche& f;
    const Querschnittsdaten& e;
    const Schweissplan& p;
    const Ergebnislage& r;
    const WeldedDimensions& d;
    const SectionGeometry& g;
    const int x;
    Zeichnung z;
    const Blatt& b;

    double schiene = 0; // the rail's height on paper
    double tu = 0, half = 0, cosA = 1, tanA = 0;
    std::array<double, 4> alles{};
    double yKetteOben = 0;         // the top chain's paper y
    double zTop = 0, zUnterOG = 0; // top face of the top flange, and its underside
    double xSchwer = 0, ySchwer = 0;
    double achsenarm = 5;          // the axis symbol's arms
    Achsenbuchstaben achsenlage;   // and where its letters stand

    // The webs and the stretches their stiffener percentages run on: rows 1
    // and 3 on the first web, 2 and 4 on the second (rows 1 and 3 again on it
    // for the forms that mirror them).
    double zb = 0;
    int stegR = -1, stegL = -1, mittel = -1;
    bool gespiegelt = false;
    double hoehe = 0;
    std::vector<Steg> stege;
    // Paper x of each web's stiffener chain at its lower end (none: NaN), by index in stege.
    std::vector<double> steifenketteX;
    std::array<bool, 5> datenGesetzt{};
};

} // namespace detailzeichnung
