#pragma once
// The appendix to the result page: the values that member checks take from the
// section (warping constant, monosymmetry, plastic moduli), where each
// governing point lies and whose peak it is, and for every plate the largest
// value of each unit stress with its place.

#include "engine/Ergebnisdatei.h"
#include "report/Ergebnisseite.h"

class Zeichenflaeche;

// Whether the results carry anything for the appendix (an older engine's do not).
bool hatAnhang(const Ergebnisse& r);

// `titel` names the section as the result page does; `halbeGurtdicke` moves the
// engine's z (from the bottom flange's mid-plane) to the page's (from its
// underside); plates are named in German for "D", else in English.
void legeAnhangAn(Zeichenflaeche& f, const Ergebnisse& r, const QString& titel, double halbeGurtdicke,
                  const Printtext& printtext, const QString& sprache);
