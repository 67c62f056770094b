#pragma once
// The design check page: the design values, the spread of the wheel load with
// its terms, one row per stress point (σx, τ, σz, σv, fy, η), the governing
// point and the verdict. It follows the result page in the preview and in print.

#include "nachweis/Nachweis.h"
#include "report/Ergebnisseite.h"

#include <optional>

class Zeichenflaeche;

// The design check's texts among the print texts: the page's and the dialog's.
enum Nachweistext {
    kTitel = 31,
    kKraefte = 32,
    kSorte = 33,
    kGammaM0 = 34,
    kRadlast = 35,
    kBefestigung = 36,
    kFest = 37, // 37, 38, 39: rigidly fixed, not rigidly fixed, on a resilient pad
    kVerschleiss = 40,
    kRadlastKopf = 41,
    kFormel = 42,
    kMassgebend = 43,
    kErfuellt = 44,
    kNichtErfuellt = 45,
    kTaste = 46,
    kSchienenkopf = 47,
    kDialogtitel = 48,
    kOk = 49,
    kAchsen = 50,
    kPunkt = 51,
    kSpannungen = 52,
    kStreckgrenze = 53,
    kKeinFy = 54,
    kAbbrechen = 55,
    kKraefteEinheiten = 56,
    kAm = 57,
    kRadlastgruppe = 58,
    kLetzterNachweistext = 58,
};

// `text` gives the print texts.
void legeNachweisseiteAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text);

// A stress or length as the page prints it: one decimal, "." as the point.
QString nachweiszahl(double wert, int stellen = 1);
