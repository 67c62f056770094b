#pragma once
// What the drawings to scale on the result page share: the page column they
// keep to, the mapping from section to paper, the record of what is already on
// the paper, and the placing of dimensions and labels where they cover
// nothing drawn before. Used by the welded and the rolled drawing alone.

#include "drawing/Zeichenflaeche.h"
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
// drawing with "Printererror"; the page keeps what was drawn and goes on at
// the drawing's top.
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

// How strictly a leader must keep clear: of everything; of plates only (it may
// cross a dimension line); of labels only.
enum class Strenge { Alles, Platten, Beschriftungen };

class Belegung {
public:
    void strich(const QLineF& l);
    void flaeche(const QRectF& r);
    void platte(const std::vector<QPointF>& ring);

    // Free for a label: inside the page column, below the drawing's top, off
    // every plate, line and label drawn so far.
    bool frei(const QRectF& r) const;

    // A leader from a point: it may leave the point's own plate, but beyond
    // the first millimetre it crosses no plate edge (a label stands on the
    // point's side of a plate), and it crosses no label.
    bool leitungFrei(const QLineF& l, Strenge strenge = Strenge::Alles) const;

    void setzeOberkante(double y) { m_oberkante = y; }
    double unterkante() const { return m_unten; }

private:
    void erweitere(const QRectF& r) { m_unten = std::max(m_unten, r.bottom()); }

    std::vector<QLineF> m_striche;        // dimension, extension and leader lines
    std::vector<QLineF> m_plattenstriche; // plate outlines
    std::vector<QRectF> m_flaechen;       // labels and kept places
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

    explicit Zeichnung(Zeichenflaeche& flaeche) : f(flaeche) {}

    void schrift(double groesse) { f.setzeSchriftgroesse(groesse); }
    void breite(int n);

    void linie(QPointF a, QPointF c);
    void ring(const std::vector<QPointF>& punkte);
    QRectF textfeld(double x, double y, const QString& text) const;
    void text(double x, double y, const QString& t);

    // A length chain piece (the entered value, drawn wert·massstab long) with
    // what it occupies; mode 1 to the right, otherwise downwards.
    void wertmass(double x, double y, float wert, double massstab, int modus);

    // Where a thickness dimension puts its strokes and its label.
    struct Abstandsbild {
        std::vector<QLineF> striche;
        QRectF feld;
    };
    Abstandsbild abstandsbild(double x, double y, float wert, double massstab, int modus) const;
    bool abstandFrei(const Abstandsbild& a, Strenge strenge) const;
    void abstandsmass(double x, double y, float wert, double massstab, int modus);

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
    // step by step: first the leader may cross a dimension line, then a plate.
    std::optional<QRectF> beschrifte(QPointF ziel, const QStringList& zeilen, double zeilenabstand, QPointF bevorzugt,
                                     bool leitung = true, const std::vector<QPointF>& vorschlaege = {});
};

// Lowest y, lowest z, highest y, highest z of the points.
std::array<double, 4> huelle(const std::vector<Point>& punkte);

// What the axis symbol covers: its two arms and their letters.
QRectF achsenkreuzfeld(Zeichenflaeche& f, double x, double y, double winkel);

} // namespace detailzeichnung
