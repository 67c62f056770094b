#pragma once
// What the drawings to scale on the result page share: the page column they
// keep to, the mapping from section to paper, the record of what is already on
// the paper, and the placing of dimensions and labels where they cover
// nothing drawn before. Used by the welded and the rolled drawing alone.

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"
#include "kern/polygon.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace detailzeichnung {

// The radius of the small open circle that marks a governing point on paper.
constexpr double kRing = 0.5;

using tarvello::geometrie::Point;

// The page column the drawings keep to: right of the value lines of the
// result page, left of the paper's right edge (the page's left edge is -20).
constexpr double kSpalteLinks = 62;
constexpr double kSpalteRechts = 186;
// Degrees to radians as the program has always converted the web slope.
constexpr double kGrad = 0.0174533;

constexpr double kSchriftMass = 8;   // dimension values and point labels
constexpr double kSchriftSteife = 7; // stiffener point labels and stiffener chains
constexpr double kSchriftDaten = 6;  // stiffener data

inline bool endlich(double v) { return std::isfinite(v); }

// A drawing that cannot go on (a zero reference width, a section that cannot be built).
struct Abbruch {};

// Runs one drawing on the surface it is given. Whatever goes wrong ends the
// drawing and is noted on the surface for the window to tell; the page keeps
// what was drawn and goes on at the drawing's top.
double zeichneGeschuetzt(Zeichenflaeche& f, double& y, const std::function<double()>& zeichnung);

// ---------------------------------------------------------------------------
// Paper and section: the section's y to the right, z upwards; the paper's x to
// the right, y downwards, s paper millimetres per section millimetre.

struct Blatt {
    double s = 1;
    double x0 = 0;    // paper x of section y = 0
    double yOben = 0; // paper y of section z = zOben
    double zOben = 0;

    double x(double ys) const { return x0 + ys * s; }
    double y(double zs) const { return yOben + (zOben - zs) * s; }
    QPointF p(Point q) const { return {x(q.y), y(q.z)}; }
};

// ---------------------------------------------------------------------------
// What is already on the paper, so that labels keep clear of lines, plates and
// other labels.

// How strictly a leader must keep clear: of everything; of plates and the axis
// symbol's arms (it may cross a dimension line); of plates; of labels only.
enum class Strenge { Alles, Platten, Achsen, Beschriftungen };

class Belegung {
public:
    void strich(const QLineF& l);
    void flaeche(const QRectF& r);
    void platte(const std::vector<QPointF>& ring);
    // An edge of a plate that is not a closed outline (a fillet's arc piece).
    void plattenkante(const QLineF& l);
    // An arm of the axis symbol: a leader crosses it only where there is no
    // other way (it would seem to point at the centroid or be an axis).
    void achsenarm(const QLineF& l);
    // A place no label may take, though leaders may cross it (the corner
    // between the axis symbol's arms).
    void sperre(const QRectF& r) { m_sperren.push_back(r); }

    // Free for a label: inside the page column, below the drawing's top, off
    // every plate, line and label drawn so far.
    bool frei(const QRectF& r) const;

    // A leader from a point: it may leave the plate the point lies in, but
    // beyond its first millimetre it crosses no other plate edge (a label
    // stands on the point's side of a plate), and it crosses no label.
    bool leitungFrei(const QLineF& l, Strenge strenge = Strenge::Alles) const;

    void setzeOberkante(double y) { m_oberkante = y; }
    double unterkante() const { return m_unten; }

private:
    void erweitere(const QRectF& r) { m_unten = std::max(m_unten, r.bottom()); }

    std::vector<QLineF> m_striche;        // dimension, extension and leader lines
    std::vector<QLineF> m_plattenstriche; // plate edges that close no outline
    std::vector<QLineF> m_achsenarme;
    std::vector<QRectF> m_flaechen;       // labels and kept places
    std::vector<QRectF> m_sperren;        // places kept from labels only
    std::vector<std::vector<QPointF>> m_platten;
    double m_oberkante = -1e9;
    double m_unten = -1e9;
};

// ---------------------------------------------------------------------------
// One drawing in progress: the surface, the paper mapping and what is occupied.
// Everything it draws is also entered as occupied.

struct Zeichnung {
    Zeichenflaeche& f;
    Blatt b;
    Belegung bel;
    // The plates drawn filled: what is marked on them is cleared of their ink first.
    std::vector<std::vector<QPointF>> vollePlatten;
    // Whether a circle of that radius around the point reaches into a filled plate.
    bool aufVollerPlatte(QPointF p, double radius) const;

    explicit Zeichnung(Zeichenflaeche& flaeche) : f(flaeche) {}

    void schrift(double groesse) { f.setzeSchriftgroesse(groesse); }
    void breite(int n);

    void linie(QPointF a, QPointF c);
    void ring(const std::vector<QPointF>& punkte);
    QRectF textfeld(double x, double y, const QString& text) const;
    void text(double x, double y, const QString& t);

    // A length chain piece (the entered value, drawn wert·massstab long) with
    // what it occupies, arrowheads included; mode 1 to the right, otherwise downwards.
    void wertmass(double x, double y, float wert, double massstab, int modus);
    // A chain piece from a to c on a slope (beside a sloped web), labelled with wert.
    void schraegmass(QPointF a, QPointF c, float wert);
    // A chain piece too short for its label between the arrowheads: the
    // whole line with its arrowheads, the label beside its middle on the
    // side `seite` (a unit vector away from the section).
    void kurzmass(QPointF a, QPointF c, float wert, QPointF seite);

    // Where a thickness dimension puts its strokes (arrowheads included) and its label.
    struct Abstandsbild {
        std::vector<QLineF> striche;
        QRectF feld;
    };
    Abstandsbild abstandsbild(double x, double y, float wert, double massstab, int modus) const;
    bool abstandFrei(const Abstandsbild& a, Strenge strenge) const;
    void abstandsmass(double x, double y, float wert, double massstab, int modus);

    // The axis symbol at m turned by winkel: its letters clear of everything
    // drawn so far (beside, above or below their arm's tip), its arms as long
    // as they can be without crossing a plate, at least 3. What it covers is
    // kept (arms, letters and the corner between the arms, not its middle, so
    // that a point there can still have its leader); returns how to draw it.
    struct Achsenkreuzwahl {
        double arm = 5;
        Achsenbuchstaben lage;
    };
    Achsenkreuzwahl stelleAchsenkreuz(QPointF m, double winkel);

    // A thickness dimension at the first of the candidate places (point and
    // mode) where it keeps clear of everything, else where its strokes only
    // cross other lines; left out where its label would cover another.
    struct Abstandsort {
        QPointF punkt;
        int modus;
    };
    bool abstandsmassBeiFreiem(const std::vector<Abstandsort>& orte, float wert, double massstab);

    // Writes the lines at the rectangle's top-left corner, with a leader from
    // the target point when the label stands off it.
    void setzeBeschriftung(QPointF ziel, const QRectF& feld, const QStringList& zeilen, double zeilenabstand,
                           bool leitung);
    bool passt(QPointF ziel, const QRectF& feld, bool leitung, Strenge strenge) const;

    // A label beside the target point: the given places first, then the
    // nearest free place around the point, searched starting in the
    // preferred direction (paper x right, y down); a leader runs to the point
    // when the label stands off it. Where nothing is free the rules are eased
    // step by step: the leader may cross a dimension line, then the axis
    // symbol, then a plate.
    // Only places `erlaubt` accepts are taken (a label bound to one side of
    // its plate); `weiteste` limits how far from the point the search goes.
    using Ortsregel = std::function<bool(const QRectF&)>;
    std::optional<QRectF> beschrifte(QPointF ziel, const QStringList& zeilen, double zeilenabstand, QPointF bevorzugt,
                                     bool leitung = true, const std::vector<QPointF>& vorschlaege = {},
                                     const Ortsregel& erlaubt = {}, double weiteste = 13);
    // The same for a label that may stand at any of several targets (a
    // rail named from whichever side has room), each with its preferred
    // direction; nearer places come first whichever target they belong to,
    // a target's `nachrang` (millimetres) putting its places further back;
    // the rules are eased no further than `lockerste`.
    struct Ziel {
        QPointF punkt;
        QPointF richtung;
        double nachrang = 0;
    };
    std::optional<QRectF> beschrifte(const std::vector<Ziel>& ziele, const QStringList& zeilen, double zeilenabstand,
                                     bool leitung = true, const std::vector<QPointF>& vorschlaege = {},
                                     const Ortsregel& erlaubt = {}, double weiteste = 13,
                                     Strenge lockerste = Strenge::Beschriftungen);
};

// The two strokes of an open arrowhead with its tip at the point, running
// back along the unit vector r: 1.5 along it and 0.5 to either side.
std::array<QLineF, 2> pfeilstriche(QPointF spitze, QPointF r);

// Lowest y, lowest z, highest y, highest z of the points.
std::array<double, 4> huelle(const std::vector<Point>& punkte);

// Where the axis symbol's parts stand: its letters' boxes and its arms (from
// the centre to the tips).
struct Achsenkreuzbild {
    QRectF z, y;
    QLineF yArm, zArm;
};
Achsenkreuzbild achsenkreuzbild(Zeichenflaeche& f, double x, double y, double winkel, double laenge = 5,
                                const Achsenbuchstaben& lage = {});

} // namespace detailzeichnung
