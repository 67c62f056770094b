#pragma once
// The design check pages: first the utilisation over the section, the checks
// with their clauses and utilisations and the verdict; then the terms: the
// spread of the wheel load, one row per stress point (σx, τ, σz, σv, fy, η),
// the web under the wheel, shear buckling and the plates' classes. They follow
// the result page in the preview and in print.

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
    kBild = 69,
    kNachweise = 70,
    kPruefung = 71, // 71..76: the checks in the order of `Pruefung`
    kOhneA = 77,
    kInSigmaZ = 78,
    kNichtErfasst = 79,
    kKlasse4 = 80,
    kUnvollstaendig = 81,
    kAbgefahren = 82,
    kWieEingegeben = 83,
    kEingegeben = 84,
    kInnen = 85,
    kRand = 86,
    kKlasse = 87,
    kKeinDruck = 88,
    kSteifenabstand = 89,
    kNichtNoetig = 90,
    kDetails = 91,
    kBlech = 92,
    kKippen = 93,
    kErmuedung = 94,
    kKippenNicht = 95,
    kNichtErfasstBauteil = 96,
    kBauteilTitel = 97,
    kSpannweite = 98,
    kHalteabstand = 99,
    kLastangriff = 100, // 101..103: rail top, top flange, shear centre
    kMomentenverlauf = 104, // 105..107: uniform, point load, end moments
    kPsi = 108,
    kKranklasse = 109,
    kLambda = 110,
    kSchwingbreiten = 111, // 112, 113: from the design values, typed
    kNaht = 114,           // 115..117: full, partial penetration, fillets
    kKerbfall = 118,
    kLeerL = 119,
    kErmuedungsformel = 120,
    kBauteilseite = 121,
    kBauteilErfuellt = 122,
    kBauteilNichtErfuellt = 123,
    kKippbeschreibung = 124,
    kKnicklinie = 125,
    kLetzterNachweistext = 125,
};

// The check's first page: the utilisation over the section, the design values,
// every check with its clause and η, the governing one and the verdict.
// `text` gives the print texts, `sprache` "D" or "E" for the plates' names.
void legeNachweisseiteAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache);

// Its second page: the wheel's local effects and the stresses at every point
// (up to 30 rows); the third: the webs and the class of every plate part.
void legeNachweisdetailsAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache);
void legeStegnachweiseAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache);

// The member page (lateral-torsional buckling, fatigue), where the member data give a span.
void legeBauteilseiteAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache);

// A stress or length as the page prints it: one decimal, "." as the point.
QString nachweiszahl(double wert, int stellen = 1);
