#pragma once
// The drawing target and the primitives every picture is built from:
// arrowheads, dimension lines with their extension lines and texts, the
// coordinate-axis symbol, text at a point, and the line-width rule that makes
// printed lines as heavy as screen lines.
//
// All primitives draw on one drawing target, bound before a drawing starts
// and left alone while it runs. Coordinates are millimetres on that surface,
// origin top left, y downwards. The callers decide what to dimension; the
// primitives decide how a dimension looks. Every primitive uses the
// surface's current font and line width; only the axis symbol changes the
// font size, and it puts it back.

#include <QString>

class Zeichenflaeche;

// The module-wide drawing target: the surface (the section picture box, a
// preview page or the printer) and whether it is a screen surface
// (`testansicht`), which only affects line widths.
struct Zeichenziel {
    Zeichenflaeche* flaeche = nullptr;
    bool testansicht = true;
};

// Binds the surface and the screen flag; all following primitives draw there
// until the next binding. Without a bound surface the primitives draw nothing.
void setzeZeichenziel(Zeichenflaeche* flaeche, bool testansicht);
void setzeZeichenziel(const Zeichenziel& ziel);
const Zeichenziel& zeichenziel();

// Binds a surface for the length of one drawing and puts the previous
// binding back afterwards, so no binding outlives the surface it names.
class Zeichenzielbindung {
public:
    Zeichenzielbindung(Zeichenflaeche* flaeche, bool testansicht);
    ~Zeichenzielbindung();
    Zeichenzielbindung(const Zeichenzielbindung&) = delete;
    Zeichenzielbindung& operator=(const Zeichenzielbindung&) = delete;

private:
    Zeichenziel m_vorher;
};

// The width in device pixels for a nominal width n: n on a screen surface;
// on the printer n units of 12 twips (1/120 inch), at most ten printer pixels
// per unit; 2·n when the printer's resolution cannot be had.
int linienbreite(int n);

// Writes the text with its top-left corner at (x, y), without a line break.
void schreibeBei(double x, double y, const QString& text);

// Closed arrowhead, 1.5 long and 2 wide, tip at (x, y), pointing
// 1 right, 2 left, 3 up, 4 down; any other direction draws nothing.
void zeichnePfeil(double x, double y, int richtung);

// Dimension from (x1, y1) to (x2, y2) with arrowheads at the ends, extension
// lines and the text. Horizontal modes 0, 2, 12, 3, 5 (x1 < x2, y2 = y1);
// vertical modes 1 and 4 (y1 < y2). Any other mode draws nothing.
void zeichneMass(double x1, double y1, double x2, double y2, const QString& text, int modus);

// Dimension of a distance too short to hold arrows and text: arrowheads
// outside the two ends pointing at them, with leader lines; the text beside.
// Horizontal modes 0, 1, 2, 6; vertical modes 7, 3 (right of the points) and
// 4, 5, 8 (left of them). Any other mode draws nothing.
void zeichneKleinmass(double x1, double y1, double x2, double y2, const QString& text, int modus);

// Dimension of a section length `wert` (section millimetres) drawn
// wert·massstab long from (x, y), labelled with the value to one decimal:
// mode 1 to the right, any other mode downwards.
void zeichneWertmass(double x, double y, float wert, double massstab, int modus);

// The same along the line from (x1, y1) to (x2, y2), for a chain beside a
// sloped web: the line broken 3 either side of its middle, the label upright
// and centred there, open arrowheads at both ends.
void zeichneSchraegmass(double x1, double y1, double x2, double y2, float wert);

// Short dimension of length wert·massstab measured from the point (x, y) to a
// far end (mode 1 left, 2 up, 3 right, 4 down), open arrowheads outside both
// ends pointing inwards, labelled with the value; the vertical ones have it
// right of the line, modes 5 (up) and 6 (down) left of it. Any other mode
// draws nothing.
void zeichneAbstandsmass(double x, double y, float wert, double massstab, int modus);

// Where the axis symbol's letters stand: the top-left corner of each letter
// relative to the tip of its arm. By default "Z" right of the z arm's tip and
// "Y" under the y arm's tip.
struct Achsenbuchstaben {
    double zx = 1, zy = 0;
    double yx = -1.5, yy = 1;
};

// The y/z axis symbol at (x, y), turned by the angle in radians; with angle 0
// the y axis points right and the z axis up. Its arms are 5 long and its
// letters stand as by default unless the caller moves them off a plate.
void zeichneAchsenkreuz(double x, double y, double winkel, double laenge = 5, const Achsenbuchstaben& lage = {});

// The plain text form of a value in labels: at most seven significant
// digits, no grouping, the system's decimal separator.
QString einfacherZahltext(float wert);

// The value a length dimension is labelled with: a whole number unchanged,
// anything else rounded to one decimal place, halves to even.
float beschriftungswert(float wert);
