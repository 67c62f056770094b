#pragma once
// The result page: the form's name, the section drawn to scale, the section
// values and the table of unit stresses, laid out line by line on a report
// surface. The preview and the printer get the very same page.

#include "drawing/Detailzeichnungen.h"
#include "engine/Ergebnisdatei.h"
#include "kern/Querschnittsdaten.h"

#include <QStringList>
#include <functional>

class Zeichenflaeche;

using Printtext = std::function<QString(int)>;

// The welded families. `formnamen` are the list entries whose number is the form's;
// `uebergabetext` the input the engine computed, from which the drawing is built.
void legeErgebnisseiteAn(Zeichenflaeche& f, const Ergebnisse& r, const Querschnittsdaten& e,
                         const QStringList& formnamen, const Printtext& printtext, const Schienenbild& schiene,
                         const QString& uebergabetext);

// The rail that rides on the section without acting, from the catalog or the rail fields.
Schienenbild schienenbild(const Querschnittsdaten& q, const QString& schienenkatalog);

// The rolled profiles; `modus` is the form the engine handed back (102, 103, 110).
void legeWalzprofilseiteAn(Zeichenflaeche& f, const Ergebnisse& r, const Querschnittsdaten& e, const QString& Typ,
                           int modus, const Printtext& printtext);

// What the page adds to the engine's z (measured from the bottom flange's
// mid-plane) to measure from the section's underside: half the bottom flange
// the engine computed with (modus 0: the welded families, from their engine
// input; 102, 103, 110: the rolled profile's T, or TU under a bottom profile).
double halbeUntergurtdicke(const Querschnittsdaten& e, int modus, const QString& uebergabetext);

// What the drawings to scale take from the results: centroid, angle, stiffeners, points.
Ergebnislage ergebnislage(const Ergebnisse& r);

// The stress table's column heads.
const QStringList& spannungsnamen();
