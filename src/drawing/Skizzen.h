#pragma once
// The schematic sketch of the chosen section form beside the input fields:
// plates, webs, rail, stiffeners and fillets, each dimension named by the
// symbol the user sees in the input form ("BO", "TO", "HS", "St1", ...). The
// sketch is fixed per form, not to scale: it tells the user which input
// belongs to which part of the section.

#include <QString>

class QImage;
class Zeichenflaeche;

// The section picture box: 3800 twips square, 253 pixels at 15 twips per
// pixel (96 dpi), about 67 mm.
constexpr int Skizzenpixel = 253;
constexpr int Skizzendpi = 96;

// The words a sketch writes, in the user's language, from the caller's
// language files. Left empty, the sketch writes the neutral designation
// instead: "HE" for the H profile of the box standing on one.
struct Skizzentexte {
    QString hProfil;
};

// Clears the surface and draws the sketch of the section form by the range
// its number lies in; a number outside every range leaves it cleared and
// empty. The surface is bound as the (screen) drawing target while drawing.
void zeichneQuerschnittsskizze(Zeichenflaeche& f, int Querschnittsnummer, const Skizzentexte& texte = {});

// Clears the surface and draws the rolled profile ("H-Prof."): variant 0
// plain, 1 with the flat rail on top, 2 with the profile under the bottom
// flange.
void zeichneWalzprofilskizze(Zeichenflaeche& f, int variante);

// The sketches as pictures of the picture box, for a widget to show (so the
// drawing survives being covered and uncovered). A factor above 1 gives a
// magnified picture of the same drawing, for looking at details.
QImage skizzenbild(int Querschnittsnummer, int faktor = 1, const Skizzentexte& texte = {});
QImage walzprofilbild(int variante, int faktor = 1);
