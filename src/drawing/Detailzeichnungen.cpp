#include "Detailzeichnungen.h"

#include "Zeichenprimitive.h"
#include "app/Meldungen.h"
#include "kern/Zahlen.h"
#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"

#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <vector>

using namespace tarvello::geometrie;

namespace {

// The page column the drawings keep to: right of the value lines of the
// result page, left of the paper's right edge (the page's left edge is -20).
constexpr double kSpalteLinks = 62;
constexpr double kSpalteRechts = 186;
// Degrees to radians as the program has always converted the web slope.
constexpr double kGrad = 0.0174533;

constexpr double kSchriftMass = 8;   // dimension values and point labels
constexpr double kSchriftSteife = 7; // stiffener point labels and stiffener chains
constexpr double kSchriftDaten = 6;  // stiffener data

bool endlich(double v) { return std::isfinite(v); }

void zeigeDruckfehler() { meldungen().zeige(QStringLiteral("Printererror"), Meldungssymbol::Keins); }

// A drawing that cannot go on (a zero reference width, a section that cannot be built).
struct Abbruch {};

// The surface the primitives draw on: the caller's binding when it names this
// surface (the printer keeps its line widths), else this surface as a screen.
Zeichenziel zielFuer(Zeichenflaeche& f)
{
    const Zeichenziel& jetzt = zeichenziel();
    return {&f, jetzt.flaeche == &f ? jetzt.testansicht : true};
}

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

bool schneidet(const QLineF& l, const QRectF& r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const QLineF kanten[] = {{r.topLeft(), r.topRight()},
                             {r.topRight(), r.bottomRight()},
                             {r.bottomRight(), r.bottomLeft()},
                             {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& k : kanten)
        if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

bool innen(const std::vector<QPointF>& ring, QPointF p)
{
    bool drin = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            drin = !drin;
    }
    return drin;
}

// How strictly a leader must keep clear: of everything; of plates only (it may
// cross a dimension line); of labels only.
enum class Strenge { Alles, Platten, Beschriftungen };

class Belegung {
public:
    void strich(const QLineF& l)
    {
        m_striche.push_back(l);
        erweitere(QRectF(l.p1(), l.p2()).normalized());
    }
    void flaeche(const QRectF& r)
    {
        m_flaechen.push_back(r);
        erweitere(r);
    }
    void platte(const std::vector<QPointF>& ring)
    {
        m_platten.push_back(ring);
        for (size_t i = 0; i < ring.size(); ++i) {
            m_plattenstriche.push_back(QLineF(ring[i], ring[(i + 1) % ring.size()]));
            erweitere(QRectF(ring[i], ring[(i + 1) % ring.size()]).normalized());
        }
    }

    // Free for a label: inside the page column, below the drawing's top, off
    // every plate, line and label drawn so far.
    bool frei(const QRectF& r) const
    {
        if (r.left() < kSpalteLinks || r.right() > kSpalteRechts || r.top() < m_oberkante)
            return false;
        const QRectF rand = r.adjusted(-0.25, -0.25, 0.25, 0.25);
        for (const QRectF& f : m_flaechen)
            if (f.intersects(rand))
                return false;
        for (const auto* liste : {&m_striche, &m_plattenstriche})
            for (const QLineF& l : *liste)
                if (schneidet(l, rand))
                    return false;
        for (const auto& ring : m_platten)
            if (innen(ring, r.center()))
                return false;
        return true;
    }

    // A leader from a point: it may leave the point's own plate, but beyond
    // the first millimetre it crosses no plate edge (a label stands on the
    // point's side of a plate), and it crosses no label.
    bool leitungFrei(const QLineF& l, Strenge strenge = Strenge::Alles) const
    {
        for (const QRectF& f : m_flaechen)
            if (schneidet(l, f))
                return false;
        if (strenge == Strenge::Beschriftungen || l.length() <= 1.0)
            return true;
        const QLineF weiter(l.pointAt(1.0 / l.length()), l.p2());
        for (const QLineF& k : m_plattenstriche)
            if (weiter.intersects(k, nullptr) == QLineF::BoundedIntersection)
                return false;
        // Nor does it run inside a plate (along a stiffener, into a rail).
        for (double t : {0.25, 0.5, 0.75, 1.0})
            for (const auto& ring : m_platten)
                if (innen(ring, weiter.pointAt(t)))
                    return false;
        if (strenge == Strenge::Platten)
            return true;
        for (const QLineF& k : m_striche)
            if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
                return false;
        return true;
    }

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

struct Zeichnung {
    Zeichenflaeche& f;
    Blatt b;
    Belegung bel;

    explicit Zeichnung(Zeichenflaeche& flaeche) : f(flaeche) {}

    void schrift(double groesse) { f.setzeSchriftgroesse(groesse); }
    void breite(int n) { f.setzeLinienbreite(linienbreite(n)); }

    void linie(QPointF a, QPointF c)
    {
        f.linie(a, c);
        bel.strich(QLineF(a, c));
    }

    void ring(const std::vector<QPointF>& punkte)
    {
        for (size_t i = 0; i < punkte.size(); ++i)
            f.linie(punkte[i], punkte[(i + 1) % punkte.size()]);
        bel.platte(punkte);
    }

    QRectF textfeld(double x, double y, const QString& text) const
    {
        return QRectF(x, y, f.textWidth(text), f.textHeight(text));
    }

    void text(double x, double y, const QString& t)
    {
        schreibeBei(x, y, t);
        bel.flaeche(textfeld(x, y, t));
    }

    // A length chain piece (the entered value, drawn wert·massstab long) with
    // what it occupies; mode 1 to the right, otherwise downwards.
    void wertmass(double x, double y, float wert, double massstab, int modus)
    {
        const double L = double(wert) * massstab;
        if (!endlich(L) || L <= 0)
            return;
        const QString label = einfacherZahltext(beschriftungswert(wert));
        const double w = f.textWidth(label), h = f.textHeight(label);
        zeichneWertmass(x, y, wert, massstab, modus);
        if (modus == 1) {
            bel.strich(QLineF(x, y, x + L, y));
            bel.flaeche(QRectF(x + (L - w) / 2, y - 2, w, h));
        } else {
            bel.strich(QLineF(x, y, x, y + L));
            bel.flaeche(QRectF(x - w / 2, y + L / 2 - 2, w, h));
        }
    }

    // Where a thickness dimension puts its strokes and its label.
    struct Abstandsbild {
        std::vector<QLineF> striche;
        QRectF feld;
    };
    Abstandsbild abstandsbild(double x, double y, float wert, double massstab, int modus) const
    {
        const QString label = einfacherZahltext(wert);
        const double L = double(wert) * massstab, w = f.textWidth(label), h = f.textHeight(label);
        switch (modus) {
        case 1:
            return {{{x, y, x + 6, y}, {x - L, y, x - L - 4, y}}, QRectF(x + 4 - w / 2, y - 4, w, h)};
        case 2:
            return {{{x, y, x, y + 6}, {x, y - L, x, y - L - 4}}, QRectF(x + 1, y + 1, w, h)};
        case 3:
            return {{{x - 6, y, x, y}, {x + L, y, x + L + 4, y}}, QRectF(x - 4 - w / 2, y - 4, w, h)};
        default:
            return {{{x, y, x, y - 5}, {x, y + L, x, y + L + 4}}, QRectF(x + 1, y - 5, w, h)};
        }
    }
    bool abstandFrei(const Abstandsbild& a, Strenge strenge) const
    {
        if (!bel.frei(a.feld))
            return false;
        for (const QLineF& l : a.striche)
            if (!bel.leitungFrei(l, strenge == Strenge::Alles ? Strenge::Alles : Strenge::Beschriftungen))
                return false;
        return true;
    }
    void abstandsmass(double x, double y, float wert, double massstab, int modus)
    {
        const Abstandsbild a = abstandsbild(x, y, wert, massstab, modus);
        zeichneAbstandsmass(x, y, wert, massstab, modus);
        for (const QLineF& l : a.striche)
            bel.strich(l);
        bel.flaeche(a.feld);
    }
    // A thickness dimension at the first of the candidate places (point and
    // mode) where it keeps clear of everything, else where its strokes only
    // cross other lines; left out where its label would cover another.
    struct Abstandsort {
        QPointF punkt;
        int modus;
    };
    bool abstandsmassBeiFreiem(const std::vector<Abstandsort>& orte, float wert, double massstab)
    {
        if (!(wert > 0))
            return false;
        for (Strenge strenge : {Strenge::Alles, Strenge::Platten})
            for (const Abstandsort& o : orte)
                if (abstandFrei(abstandsbild(o.punkt.x(), o.punkt.y(), wert, massstab, o.modus), strenge)) {
                    abstandsmass(o.punkt.x(), o.punkt.y(), wert, massstab, o.modus);
                    return true;
                }
        return false;
    }

    // Writes the lines at the rectangle's top-left corner, with a leader from
    // the target point when the label stands off it.
    void setzeBeschriftung(QPointF ziel, const QRectF& feld, const QStringList& zeilen, double zeilenabstand,
                           bool leitung)
    {
        for (int i = 0; i < zeilen.size(); ++i)
            text(feld.left(), feld.top() + i * zeilenabstand, zeilen[i]);
        const QPointF nah(std::clamp(ziel.x(), feld.left(), feld.right()), std::clamp(ziel.y(), feld.top(), feld.bottom()));
        const QLineF l(ziel, nah);
        if (leitung && l.length() > 1.2)
            linie(l.p1(), l.pointAt((l.length() - 0.3) / l.length()));
    }

    bool passt(QPointF ziel, const QRectF& feld, bool leitung, Strenge strenge) const
    {
        if (!bel.frei(feld))
            return false;
        const QPointF nah(std::clamp(ziel.x(), feld.left(), feld.right()), std::clamp(ziel.y(), feld.top(), feld.bottom()));
        const QLineF l(ziel, nah);
        return !leitung || l.length() <= 1.2 || bel.leitungFrei(l, strenge);
    }

    // A label beside the target point: the given places first, then the
    // nearest free place around the point, searched starting in the
    // preferred direction (paper x right, y down); a leader runs to the point
    // when the label stands off it. Where nothing is free the rules are eased
    // step by step: first the leader may cross a dimension line, then a plate.
    std::optional<QRectF> beschrifte(QPointF ziel, const QStringList& zeilen, double zeilenabstand, QPointF bevorzugt,
                                     bool leitung = true, const std::vector<QPointF>& vorschlaege = {})
    {
        double w = 0;
        for (const QString& z : zeilen)
            w = std::max(w, f.textWidth(z));
        const double h = f.textHeight(zeilen.front()) + zeilenabstand * (zeilen.size() - 1);
        const double lb = std::hypot(bevorzugt.x(), bevorzugt.y());
        const QPointF vor = lb > 0 ? bevorzugt / lb : QPointF(1, 0);

        std::vector<QRectF> felder;
        for (const QPointF& v : vorschlaege)
            felder.push_back(QRectF(v.x(), v.y(), w, h));
        struct Kandidat {
            double wertung;
            QRectF feld;
        };
        std::vector<Kandidat> kandidaten;
        const double abstaende[] = {0.8, 1.5, 2.5, 3.5, 5, 6.5, 8, 10, 13};
        for (double d : abstaende)
            for (int k = 0; k < 16; ++k) {
                const double a = k * M_PI / 8;
                const QPointF r(std::cos(a), std::sin(a));
                const double x = r.x() > 0.3 ? ziel.x() + d * r.x() : r.x() < -0.3 ? ziel.x() + d * r.x() - w
                                                                                     : ziel.x() - w / 2 + d * r.x();
                const double y = r.y() > 0.3 ? ziel.y() + d * r.y() : r.y() < -0.3 ? ziel.y() + d * r.y() - h
                                                                                     : ziel.y() - h / 2 + d * r.y();
                const double winkel = std::acos(std::clamp(r.x() * vor.x() + r.y() * vor.y(), -1.0, 1.0));
                kandidaten.push_back({d + 3.0 * winkel, QRectF(x, y, w, h)});
            }
        std::stable_sort(kandidaten.begin(), kandidaten.end(),
                         [](const Kandidat& a, const Kandidat& c) { return a.wertung < c.wertung; });
        for (const Kandidat& k : kandidaten)
            felder.push_back(k.feld);
        for (Strenge strenge : {Strenge::Alles, Strenge::Platten, Strenge::Beschriftungen})
            for (const QRectF& feld : felder)
                if (passt(ziel, feld, leitung, strenge)) {
                    setzeBeschriftung(ziel, feld, zeilen, zeilenabstand, leitung);
                    return feld;
                }
        return std::nullopt;
    }
};

// ---------------------------------------------------------------------------
// Reading the record.

float feld(const QString& text) { return zahl(text); }



// The crane rail's outline from its catalog record, standing on z = 0 and
// centred on y = 0: foot, web and head as the catalog dimensions them.
std::array<double, 4> huelle(const std::vector<Point>& punkte)
{
    std::array<double, 4> h{1e300, 1e300, -1e300, -1e300};
    for (const Point& p : punkte) {
        h[0] = std::min(h[0], p.y);
        h[1] = std::min(h[1], p.z);
        h[2] = std::max(h[2], p.y);
        h[3] = std::max(h[3], p.z);
    }
    return h;
}

bool istSchiene(const Plate& p) { return p.nameDe == "Schiene"; }
bool istAusrundung(const Plate& p) { return p.nameDe == "Ausrundung"; }

const StressPoint* punkt(const SectionGeometry& g, int n)
{
    for (const StressPoint& p : g.points)
        if (p.number == n)
            return &p;
    return nullptr;
}

// The plate's outline on paper.
std::vector<QPointF> aufPapier(const Blatt& b, const Polygon& poly)
{
    std::vector<QPointF> r;
    for (const Point& q : poly)
        r.push_back(b.p(q));
    return r;
}

// A fillet's arc: the polygon runs corner, tangent point, arc, tangent point;
// its centre is the corner mirrored across the chord.
void zeichneAusrundung(Zeichnung& z, const Plate& p)
{
    const Polygon& poly = p.outline;
    if (poly.size() < 4)
        return;
    // Whatever its orientation, the corner is the one point off the circle.
    for (size_t i = 0; i < poly.size(); ++i) {
        const Point e = poly[i];
        const Point a = poly[(i + 1) % poly.size()];
        const Point c = poly[(i + poly.size() - 1) % poly.size()];
        const double ra = std::hypot(a.y - e.y, a.z - e.z), rc = std::hypot(c.y - e.y, c.z - e.z);
        const Point m{a.y + c.y - e.y, a.z + c.z - e.z};
        if (std::fabs(ra - rc) > 1e-6 * std::max(1.0, ra) || ra <= 0)
            continue;
        // Every other corner must lie on the circle around m.
        bool kreis = true;
        for (size_t j = 0; j < poly.size() && kreis; ++j)
            if (j != i)
                kreis = std::fabs(std::hypot(poly[j].y - m.y, poly[j].z - m.z) - ra) < 1e-6 * std::max(1.0, ra);
        if (!kreis)
            continue;
        const double r = ra * z.b.s;
        if (r <= 1.5)
            return;
        double w1 = std::atan2(a.z - m.z, a.y - m.y), w2 = std::atan2(c.z - m.z, c.y - m.y);
        double spanne = std::remainder(w2 - w1, 2 * M_PI);
        if (spanne < 0)
            std::swap(w1, w2);
        if (w1 < 0)
            w1 += 2 * M_PI;
        if (w2 < 0)
            w2 += 2 * M_PI;
        z.f.bogen(z.b.x(m.y), z.b.y(m.z), r, w1, w2);
        return;
    }
}

void zeichnePlatten(Zeichnung& z, const SectionGeometry& g)
{
    for (const Plate& p : g.plates) {
        if (istAusrundung(p))
            zeichneAusrundung(z, p);
        else
            z.ring(aufPapier(z.b, p.outline));
    }
}

// What the axis symbol covers: its two arms and their letters.
QRectF achsenkreuzfeld(Zeichenflaeche& f, double x, double y, double winkel)
{
    const double groesse = f.schriftgroesse();
    f.setzeSchriftgroesse(6);
    const double s = std::sin(winkel), c = std::cos(winkel);
    const QPointF yTip(x + 5 * c, y - 5 * s), zTip(x - 5 * s, y - 5 * c);
    const QRectF zFeld(zTip.x() + 1, zTip.y(), f.textWidth(QStringLiteral("Z")), f.textHeight());
    const QRectF yFeld(yTip.x() - 1.5, yTip.y() + 1, f.textWidth(QStringLiteral("Y")), f.textHeight());
    f.setzeSchriftgroesse(groesse);
    QRectF feld = QRectF(QPointF(x, y), yTip).normalized().united(QRectF(QPointF(x, y), zTip).normalized());
    return feld.united(zFeld).united(yFeld).adjusted(-0.8, -0.8, 0.8, 0.8);
}

// ---------------------------------------------------------------------------
// Dimension chains of the welded drawings.

// One piece of a chain: from a to b (section coordinates along the chain),
// labelled with wert and drawn wert·faktor·s long.
struct Kettenglied {
    double von, bis;
    float wert;
    double faktor = 1;
};

// The right or left end of the material at height zs (paper x), searched over
// the plate corners lying at that height and the plate edges crossing it.
std::optional<double> randBei(const Zeichnung& z, const SectionGeometry& g, double zs, bool rechts,
                              double yVon = -1e300, double yBis = 1e300)
{
    std::optional<double> rand;
    for (const Plate& p : g.plates) {
        const Polygon& poly = p.outline;
        for (size_t i = 0; i < poly.size(); ++i) {
            const Point a = poly[i], c = poly[(i + 1) % poly.size()];
            if ((a.z - zs) * (c.z - zs) > 1e-9 && !(std::fabs(a.z - zs) < 1e-9 || std::fabs(c.z - zs) < 1e-9))
                continue;
            std::vector<double> ys;
            if (std::fabs(a.z - zs) < 1e-9)
                ys.push_back(a.y);
            if (std::fabs(c.z - zs) < 1e-9)
                ys.push_back(c.y);
            if (ys.empty() && std::fabs(c.z - a.z) > 1e-12)
                ys.push_back(a.y + (zs - a.z) * (c.y - a.y) / (c.z - a.z));
            for (double y : ys) {
                if (y < yVon - 1e-9 || y > yBis + 1e-9)
                    continue;
                const double x = z.b.x(y);
                if (!rand || (rechts ? x > *rand : x < *rand))
                    rand = x;
            }
        }
    }
    return rand;
}

// A vertical chain at paper x, pieces from bottom to top given by their
// section heights; extension lines reach from 1 beyond the chain to the
// material on the chain's side of the section at each end height, unless the
// chain already ends on it.
void senkrechteKette(Zeichnung& z, const SectionGeometry& g, double x, const std::vector<Kettenglied>& glieder,
                     bool rechts, double yVon = -1e300, double yBis = 1e300)
{
    if (glieder.empty())
        return;
    std::vector<double> hoehen{glieder.front().von};
    for (const Kettenglied& k : glieder)
        hoehen.push_back(k.bis);
    for (double zs : hoehen) {
        const std::optional<double> rand = randBei(z, g, zs, rechts, yVon, yBis);
        if (!rand)
            continue;
        const double y = z.b.y(zs);
        if (std::fabs(*rand - x) > 0.3)
            z.linie(QPointF(x + (rechts ? 1 : -1), y), QPointF(*rand, y));
    }
    for (const Kettenglied& k : glieder) {
        const double yOben = z.b.y(k.bis);
        const double laenge = z.b.y(k.von) - yOben;
        if (laenge < z.f.textHeight() + 0.5)
            continue;
        z.wertmass(x, yOben, k.wert, laenge / double(k.wert), 2);
    }
}

// A horizontal chain at paper y, pieces from left to right; extension lines
// run from the material's edge at zs (the face the chain measures) to 1 beyond
// the chain.
void waagerechteKette(Zeichnung& z, double y, double zs, const std::vector<Kettenglied>& glieder)
{
    if (glieder.empty())
        return;
    std::vector<double> stellen{glieder.front().von};
    for (const Kettenglied& k : glieder)
        stellen.push_back(k.bis);
    const double yKante = z.b.y(zs);
    const double ueber = y > yKante ? 1 : -1;
    for (double ys : stellen)
        z.linie(QPointF(z.b.x(ys), yKante), QPointF(z.b.x(ys), y + ueber));
    for (const Kettenglied& k : glieder) {
        const double laenge = (k.bis - k.von) * z.b.s;
        if (laenge < 1)
            continue;
        z.wertmass(z.b.x(k.von), y, k.wert, laenge / double(k.wert), 1);
    }
}

// ---------------------------------------------------------------------------
// The welded drawings.

struct Stegangaben {
    int platte = -1;     // the web plate
    bool rechtsAussen;   // its outer side is on the right
    bool aussenFrei;     // its outer side is free for a chain
    double zUnten, zOben; // the stretch the stiffener percentages run on
    double cosinus = 1;  // slope of the web
};

struct Schweissplan {
    WeldedDimensions d;
    SectionGeometry g;
    double s = 0, c = 135;
    double x0 = 0;            // paper x of section y = 0
    double zOben = 0;         // top face of the top flange
    std::vector<Point> schiene; // outline of a rail drawn but not part of the section
    QString schienentext;     // "b x h" or the catalog rail's name
    Point schienenmitte;      // middle of the rail's side, for the label
    double schienenhoehe = 0;
};

std::optional<Schweissplan> schweissplan(const Querschnittsdaten& e, const Schienenbild& aufgesetzt, const Ergebnislage& r)
{
    Schweissplan p;
    if (!r.übergabetext.isEmpty()) {
        const ParseOutcome gelesen = parseTransfer(r.übergabetext.toStdString());
        if (!gelesen.ok || gelesen.input.rolled)
            return std::nullopt;
        p.d = gelesen.input.welded;
    } else {
        const auto masse = querschnittsmasse(e);
        if (!masse || masse->rolled)
            return std::nullopt;
        p.d = masse->welded;
    }
    const WeldedDimensions& d = p.d;
    const BuildResult gebaut = buildWeldedSection(d);
    if (!gebaut.ok)
        return std::nullopt;
    p.g = gebaut.geometry;
    const int x = d.form;

    // Scale and centre as the result page has always drawn them: the largest
    // of the named extents is 70 mm long.
    const double cosA = std::cos(d.webAngle * kGrad);
    const double B = d.profile.flangeWidth, H = d.profile.height;
    double bezug = 0;
    if (istZweizeller(x)) {
        const SecondCell& z = d.secondCell;
        const double a =
            (d.bottomWidth - d.clearWidth - z.webDistance - d.webThickness - d.webThickness2 - z.webThickness) / 2;
        const double w2 = a + d.clearWidth + d.webThickness + d.webThickness2 + z.topWidth;
        const double W = z.webDistance + z.webThickness + a < z.topWidth ? w2 : d.bottomWidth;
        bezug = std::max(W, d.webHeight);
        p.c = 133;
        p.s = 70 / bezug;
        const double yLinks = -d.clearWidth / 2 - d.webThickness - a;
        p.x0 = p.c - w2 * p.s / 2 - yLinks * p.s;
    } else if (istWinkelform(x)) {
        bezug = std::max({d.bottomWidth, mitHalbemH(x) ? B + d.topWidth : d.topWidth, d.webHeight});
    } else if (mitUntergurtH(x)) {
        bezug = std::max({d.bottomWidth, d.topWidth, H + d.webHeight * cosA});
    } else {
        bezug = std::max({d.bottomWidth, (bauart(x) == Bauart::HalbesHKasten) ? B + d.topWidth : d.topWidth, d.webHeight * cosA});
    }
    if (!istZweizeller(x)) {
        if (!(bezug > 0) || !endlich(bezug))
            return std::nullopt;
        p.s = 70 / bezug;
        p.x0 = p.c;
    }
    if (!(p.s > 0) || !endlich(p.s))
        return std::nullopt;

    std::vector<Point> ohneSchiene;
    for (const Plate& pl : p.g.plates)
        if (!istSchiene(pl))
            ohneSchiene.insert(ohneSchiene.end(), pl.outline.begin(), pl.outline.end());
    const auto h = huelle(ohneSchiene);
    p.zOben = h[3];
    // The unsymmetric families stand in the middle of the column.
    if (istWinkelform(x))
        p.x0 = p.c - (h[0] + h[2]) / 2 * p.s;

    // The rail: the acting one is a plate of the section; one that only rides
    // on it is placed where the engine would place an acting rail.
    const bool hatSchiene = mitSchienenblock(x);
    for (const Plate& pl : p.g.plates)
        if (istSchiene(pl)) {
            const auto hs = huelle(pl.outline);
            p.schienenhoehe = hs[3] - hs[1];
            p.schienentext = einfacherZahltext(float(hs[2] - hs[0])) + u'x' + einfacherZahltext(float(hs[3] - hs[1]));
            p.schienenmitte = {hs[0], (hs[1] + hs[3]) / 2};
        }
    if (hatSchiene && !d.railActing) {
        std::vector<Point> umriss = aufgesetzt.umriss;
        const QString& name = aufgesetzt.name;
        if (!umriss.empty()) {
            const auto hu = huelle(umriss);
            WeldedDimensions probe = d;
            probe.railActing = true;
            probe.railWidth = hu[2] - hu[0];
            probe.railHeight = hu[3] - hu[1];
            const BuildResult mitSchiene = buildWeldedSection(probe);
            if (mitSchiene.ok)
                for (const Plate& pl : mitSchiene.geometry.plates)
                    if (istSchiene(pl)) {
                        const auto hs = huelle(pl.outline);
                        const double ym = (hs[0] + hs[2]) / 2;
                        for (Point& q : umriss)
                            q = {q.y + ym, q.z + hs[1]};
                        p.schiene = umriss;
                        p.schienentext = name;
                        p.schienenhoehe = hs[3] - hs[1];
                        const auto hn = huelle(umriss);
                        p.schienenmitte = {hn[0], hs[1] + (hs[3] - hs[1]) / 2};
                    }
        }
    }
    return p;
}

// Left and right ends of a plate's outline at the plate's lowest and highest corners.
std::array<double, 4> plattenhuelle(const SectionGeometry& g, int platte)
{
    return huelle(g.plates[size_t(platte)].outline);
}

int platteNamens(const SectionGeometry& g, const char* name)
{
    for (size_t i = 0; i < g.plates.size(); ++i)
        if (g.plates[i].nameDe == name)
            return int(i);
    return -1;
}

// Candidate spots along a horizontal stretch (paper), from its middle outwards.
std::vector<double> spotsZwischen(double links, double rechts)
{
    std::vector<double> s;
    const double mitte = (links + rechts) / 2, halb = (rechts - links) / 2;
    for (double f : {0.0, -0.3, 0.3, -0.55, 0.55, -0.75, 0.75, -0.15, 0.15, -0.45, 0.45, -0.65, 0.65})
        s.push_back(mitte + f * halb);
    return s;
}

double zeichneSchweissplan(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, const Schweissplan& p,
                           const Ergebnislage& r)
{
    const WeldedDimensions& d = p.d;
    const SectionGeometry& g = p.g;
    const int x = d.form;
    const double yAnfang = y;

    // The rail on the top flange and the top chain above it get their room.
    const double schiene = p.schienenhoehe > 0 ? p.schienenhoehe * p.s : 0;
    y = y + (schiene > 0 ? schiene + 5 : 0) + 5;

    Zeichnung z(f);
    z.b = {p.s, p.x0, y, p.zOben};
    z.bel.setzeOberkante(yAnfang - 2);
    const Blatt& b = z.b;

    // Plates, rail and stiffeners to scale.
    z.breite(2);
    zeichnePlatten(z, g);
    if (!p.schiene.empty()) {
        std::vector<QPointF> ring;
        for (const Point& q : p.schiene)
            ring.push_back(b.p(q));
        z.ring(ring);
    }

    z.breite(1);
    z.schrift(kSchriftMass);

    const double tu = d.bottomThickness;
    const double half = d.clearWidth / 2;
    const double cosA = std::cos(d.webAngle * M_PI / 180.0);
    const auto alles = boundingBox(g);

    // Top chain: the top plates' widths, above the rail when there is one.
    const double yKetteOben = y - (schiene > 0 ? schiene + 5 : 0) - 4;
    const double zTop = p.zOben;
    std::vector<Kettenglied> oben;
    double zUnterOG = zTop - d.topThickness;
    if (mitHalbemH(x)) {
        const double yAchse = half + d.webThickness / 2;
        const double yPlatte = yAchse - d.profile.flangeWidth / 2;
        oben.push_back({yPlatte - d.topWidth, yPlatte, float(d.topWidth)});
        oben.push_back({yPlatte, yAchse + d.profile.flangeWidth / 2, float(d.profile.flangeWidth)});
    } else {
        oben.push_back({-d.topWidth / 2, d.topWidth / 2, float(d.topWidth)});
    }
    waagerechteKette(z, yKetteOben, zTop, oben);

    // Bottom chain: the bottom flange, 6 below the lowest plate.
    const int ug = platteNamens(g, mitUntergurtH(x) ? "H-Profil Untergurt" : "Untergurt");
    if (ug >= 0) {
        const auto u = plattenhuelle(g, ug);
        // Labelled with the entered width (for a box on an H profile the profile's B).
        const std::vector<Kettenglied> unten{{u[0], u[2], float(d.bottomWidth)}};
        const int flach = platteNamens(g, "Flachstahl");
        if (flach >= 0) {
            const auto fl = plattenhuelle(g, flach);
            waagerechteKette(z, b.y(alles[1]) + 6, u[1], unten);
            waagerechteKette(z, b.y(alles[1]) + 6, fl[1], {{fl[0], fl[2], float(d.flatWidth)}});
        } else {
            waagerechteKette(z, b.y(alles[1]) + 6, u[1], unten);
        }
    }

    // Second cell's top flange: its own chain in the room above it, or above the top chain.
    if (istZweizeller(x)) {
        const int o3 = platteNamens(g, "Obergurt 2. Zelle");
        if (o3 >= 0) {
            const auto h3 = plattenhuelle(g, o3);
            const double luft = (zUnterOG - h3[3]) * p.s;
            const double yk = luft >= 8 ? b.y(h3[3]) - 4 : yKetteOben - 7;
            waagerechteKette(z, yk, h3[3], {{h3[0], h3[2], float(d.secondCell.topWidth)}});
        }
    }

    // The axis symbol's place is kept before anything is placed around it.
    const double xSchwer = b.x(r.ys), ySchwer = b.y(r.zs);
    if (endlich(xSchwer) && endlich(ySchwer))
        z.bel.flaeche(achsenkreuzfeld(f, xSchwer, ySchwer, r.apsi));

    // The webs and the stretches their stiffener percentages run on: rows 1
    // and 3 on the first web, 2 and 4 on the second (rows 1 and 3 again on it
    // for the forms that mirror them).
    const double zb = mitUntergurtH(x) ? d.profile.height - d.profile.flangeThickness / 2 : tu / 2;
    const int stegR = platteNamens(g, "Steg rechts"), stegL = platteNamens(g, "Steg links");
    const int mittel = platteNamens(g, "Mittelsteg");
    const bool gespiegelt = spiegeltSteifen(x);
    struct Steg {
        int platte;
        bool rechts;      // the web's outer side is on the right
        bool innenKette;  // its chain stands in the cell (its outer side is taken)
        double zUnten;    // where the percentages start
        double hoehe;     // the length along the web they refer to
        double cosinus;   // vertical per length along the web
        std::vector<double> prozente;
    };
    std::vector<Steg> stege;
    const double hoehe = istWinkelform(x) ? d.webHeight2 : d.webHeight;
    const double neigung = mitHalbemH(x) || istWinkelform(x) || istZweizeller(x) ? 1 : cosA;
    if (istZweizeller(x))
        stege = {{stegL, false, false, zb, hoehe, 1, {}}, {mittel, true, true, zb, hoehe, 1, {}}};
    else
        stege = {{stegR, true, false, zb, hoehe, neigung, {}}, {stegL, false, false, zb, hoehe, neigung, {}}};
    for (int zeile = 0; zeile < 4; ++zeile) {
        const Steg& st = stege[size_t(zeile % 2)];
        if (!g.stiffenerPresent[size_t(zeile)] || st.platte < 0)
            continue;
        const StiffenerRow& z0 = gespiegelt && zeile % 2 == 1 ? d.stiffeners[size_t(zeile - 1)] : d.stiffeners[size_t(zeile)];
        stege[size_t(zeile % 2)].prozente.push_back(z0.position);
    }

    // Outer height chains.
    const double xRechts = b.x(alles[2]) + 7, xLinks = b.x(alles[0]) - 7;
    if (mitUntergurtH(x)) {
        const double zH = d.profile.height - d.profile.flangeThickness / 2;
        senkrechteKette(z, g, xRechts,
                        {{-tu / 2, zH, float(d.profile.height)}, {zH, zUnterOG, float(d.webHeight), cosA}}, true);
    } else if (mitHalbemH(x) && stegR >= 0) {
        const auto w = plattenhuelle(g, stegR);
        senkrechteKette(z, g, xRechts,
                        {{w[1], w[3], beschriftungswert(float(w[3] - w[1]))},
                         {w[3], zTop, beschriftungswert(float(d.profile.height / 2))}},
                        true);
        if (stegL >= 0) {
            const auto l = plattenhuelle(g, stegL);
            senkrechteKette(z, g, xLinks, {{l[1], l[3], float(hoehe)}}, false);
        }
    } else if (istWinkelform(x) && stegR >= 0) {
        const auto w = plattenhuelle(g, stegR);
        senkrechteKette(z, g, xRechts, {{w[1], w[3], float(d.webHeight)}}, true);
        if (stegL >= 0) {
            const auto l = plattenhuelle(g, stegL);
            senkrechteKette(z, g, xLinks, {{l[1], l[3], float(d.webHeight2)}}, false);
        }
    } else if (istZweizeller(x)) {
        senkrechteKette(z, g, xLinks, {{zb, zUnterOG, float(d.webHeight)}}, false);
        const int s3 = platteNamens(g, "Steg 2. Zelle");
        if (s3 >= 0) {
            const auto w3 = plattenhuelle(g, s3);
            senkrechteKette(z, g, xRechts, {{w3[1], w3[3], float(d.secondCell.webHeight)}}, true);
        }
    } else {
        senkrechteKette(z, g, xRechts, {{zb, zUnterOG, float(d.webHeight), cosA}}, true);
    }

    // Stiffener chains, font 7, beside their web: the distance from the top
    // down to each stiffener and on to the bottom, outside where that side is
    // free, else in the cell. Mirrored rows are dimensioned once.
    z.schrift(kSchriftSteife);
    for (size_t i = 0; i < stege.size(); ++i) {
        Steg st = stege[i];
        if (st.prozente.empty() || st.platte < 0 || (i == 1 && gespiegelt && !istZweizeller(x)))
            continue;
        std::sort(st.prozente.begin(), st.prozente.end());
        std::vector<double> grenzen{0};
        for (double pr : st.prozente)
            if (pr > grenzen.back())
                grenzen.push_back(pr);
        grenzen.push_back(100);
        std::vector<Kettenglied> glieder;
        for (size_t k = 0; k + 1 < grenzen.size(); ++k) {
            const double a = st.zUnten + grenzen[k] / 100 * st.hoehe * st.cosinus;
            const double c2 = st.zUnten + grenzen[k + 1] / 100 * st.hoehe * st.cosinus;
            glieder.push_back({a, c2, beschriftungswert(float((grenzen[k + 1] - grenzen[k]) / 100 * st.hoehe)), st.cosinus});
        }
        const auto w = plattenhuelle(g, st.platte);
        const bool rechtsDaneben = st.innenKette ? !st.rechts : st.rechts;
        const double xk = rechtsDaneben ? b.x(w[2]) + 3.5 : b.x(w[0]) - 3.5;
        senkrechteKette(z, g, xk, glieder, rechtsDaneben, w[0], w[2]);
    }
    z.schrift(kSchriftMass);

    // Clear widths inside the cells, low in the cell, where nothing else stands.
    const auto innenkette = [&](double yLinks, double yRechts, float wert, double zBoden, double zDecke) {
        const double xl = b.x(yLinks), xr = b.x(yRechts);
        const QString t = einfacherZahltext(beschriftungswert(wert));
        for (Strenge strenge : {Strenge::Alles, Strenge::Beschriftungen})
            for (double ab = 10; b.y(zBoden) - ab > b.y(zDecke) + 4; ab += 1.5) {
                const double yk = b.y(zBoden) - ab;
                const QRectF feld((xl + xr - f.textWidth(t)) / 2, yk - 2, f.textWidth(t), f.textHeight(t));
                if (z.bel.frei(feld) && z.bel.leitungFrei(QLineF(xl + 1.6, yk, xr - 1.6, yk), strenge)) {
                    z.wertmass(xl, yk, wert, (xr - xl) / double(wert), 1);
                    return;
                }
            }
    };
    if (stegR >= 0 && stegL >= 0 && !istZweizeller(x))
        innenkette(-half, half, float(d.clearWidth), zb,
                   std::min(plattenhuelle(g, stegR)[3], plattenhuelle(g, stegL)[3]));
    const int s3 = platteNamens(g, "Steg 2. Zelle");
    if (istZweizeller(x)) {
        innenkette(-half, half, float(d.clearWidth), zb, zUnterOG);
        if (s3 >= 0 && mittel >= 0) {
            const auto m = plattenhuelle(g, mittel);
            const auto w3 = plattenhuelle(g, s3);
            innenkette(m[2], w3[0], float(d.secondCell.webDistance), zb, w3[3]);
        }
    }

    // Plate thicknesses: flanges from inside the cell, webs at about a third
    // of the way down, pointing into the plate from the cell or from outside.
    using Ort = Zeichnung::Abstandsort;
    const auto zwischen = [&](double links, double rechts, double yp, int modus) {
        std::vector<Ort> orte;
        if (rechts > links)
            for (double xs : spotsZwischen(links, rechts))
                orte.push_back({{xs, yp}, modus});
        return orte;
    };
    {
        const int links = stegL;
        const int rechts = istZweizeller(x) ? mittel : stegR;
        if (links >= 0 && rechts >= 0) {
            const double innenL = b.x(plattenhuelle(g, links)[2]) + 2, innenR = b.x(plattenhuelle(g, rechts)[0]) - 2;
            z.abstandsmassBeiFreiem(zwischen(innenL, innenR, b.y(zUnterOG), 2), float(d.topThickness), p.s);
            if (!mitUntergurtH(x))
                z.abstandsmassBeiFreiem(zwischen(innenL, innenR, b.y(zb), 4), float(d.bottomThickness), p.s);
        }
    }
    const auto stegdicke = [&](int platte, float t, double faktor) {
        if (platte < 0 || !(t > 0))
            return;
        const Plate& pl = g.plates[size_t(platte)];
        const SectionGeometry nurSie{g.family, g.form, {pl}, {}, 0, {}};
        const auto w = huelle(pl.outline);
        std::vector<Ort> orte;
        for (double anteil : {0.35, 0.5, 0.65, 0.2, 0.8, 0.42, 0.58, 0.27, 0.73, 0.12, 0.88}) {
            const double zs = w[3] - anteil * (w[3] - w[1]);
            const std::optional<double> linkeSeite = randBei(z, nurSie, zs, false);
            const std::optional<double> rechteSeite = randBei(z, nurSie, zs, true);
            if (!linkeSeite || !rechteSeite)
                continue;
            // From the left face pointing right, or from the right face pointing left.
            orte.push_back({{*linkeSeite, b.y(zs)}, 3});
            orte.push_back({{*rechteSeite, b.y(zs)}, 1});
        }
        z.abstandsmassBeiFreiem(orte, t, p.s * faktor);
    };
    if (istZweizeller(x)) {
        stegdicke(stegL, float(d.webThickness), 1);
        stegdicke(mittel, float(d.webThickness2), 1);
        stegdicke(s3, float(d.secondCell.webThickness), 1);
        const int o3 = platteNamens(g, "Obergurt 2. Zelle");
        if (o3 >= 0 && s3 >= 0 && mittel >= 0)
            z.abstandsmassBeiFreiem(zwischen(b.x(plattenhuelle(g, mittel)[2]) + 2, b.x(plattenhuelle(g, s3)[0]) - 2,
                                             b.y(plattenhuelle(g, o3)[1]), 2),
                                    float(d.secondCell.topThickness), p.s);
    } else {
        const double schraeg = !mitHalbemH(x) && !istWinkelform(x) ? 1 / cosA : 1;
        stegdicke(stegR, float(d.webThickness), schraeg);
        stegdicke(stegL, float(d.webThickness2 > 0 ? d.webThickness2 : d.webThickness), schraeg);
        if (mitStegprofil(x))
            stegdicke(platteNamens(g, "H-Profil Steg"), float(d.profile.webThickness), 1);
        if (mitUntergurtH(x)) {
            const int hu = platteNamens(g, "H-Profil Untergurt");
            if (hu >= 0) {
                const auto u = plattenhuelle(g, hu);
                const double xl = b.x(u[0]) + 2, xr = b.x(-d.profile.webThickness / 2) - 2;
                z.abstandsmassBeiFreiem(zwischen(xl, xr, b.y(u[3]), 4), float(d.profile.flangeThickness), p.s);
            }
        }
    }
    // The flat on the angle section's web: its height.
    const int flach = platteNamens(g, "Flachstahl");
    if (flach >= 0) {
        const auto fl = plattenhuelle(g, flach);
        std::vector<Ort> orte;
        for (double xs : spotsZwischen(b.x(fl[0]) + 1, b.x(fl[2]) - 1))
            orte.push_back({{xs, b.y(fl[3])}, 4});
        z.abstandsmassBeiFreiem(orte, float(d.flatHeight), p.s);
    }

    // The rail's name or size.
    if (!p.schienentext.isEmpty() && p.schienenhoehe > 0)
        z.beschrifte(b.p(p.schienenmitte), {p.schienentext}, 0, {-1, -0.2});
    // The H profile's name beside its flange.
    if (mitStegprofil(x) && !e.stegprofilreihe.isEmpty()) {
        const int flansch = platteNamens(g, mitUntergurtH(x) ? "H-Profil Obergurt" : "H-Profil Flansch");
        if (flansch >= 0) {
            const auto fl = plattenhuelle(g, flansch);
            const QString name = (mitHalbemH(x) ? QStringLiteral("1/2 ") : QString()) + e.stegprofilreihe + u' ' + e.stegprofilgroesse;
            z.beschrifte(b.p({fl[2], (fl[1] + fl[3]) / 2}), {name}, 0, {1, 0.6});
        }
    }

    // Stress points: those the engine reported with a plate thickness.
    const double yMitte = (alles[0] + alles[2]) / 2, zMitte = (alles[1] + alles[3]) / 2;
    const auto beschrifteteStelle = [&](const StressPoint& sp) {
        const int n = sp.number;
        if (n < 1 || n > r.punkte || n > int(r.dicke.size()) || !(r.dicke[size_t(n - 1)] != 0))
            return;
        const bool steife = n >= 9 && n <= 13;
        z.schrift(steife ? kSchriftSteife : kSchriftMass);
        QPointF richtung(sp.at.y - yMitte, -(sp.at.z - zMitte));
        if (steife && n <= 12) {
            // A stiffener's point is on its web: its label goes to the web's outer side.
            const auto w = huelle(g.plates[size_t(sp.plate)].outline);
            richtung = QPointF((w[0] + w[2]) / 2 > yMitte ? 1 : -1, 0.4);
            if (istZweizeller(x) && (n == 10 || n == 12))
                richtung = QPointF(1, 0.4);
        }
        z.beschrifte(b.p(sp.at), {QStringLiteral("P%1").arg(n)}, 0, richtung);
    };
    for (const StressPoint& sp : g.points)
        if (sp.number < 9 || sp.number > 13)
            beschrifteteStelle(sp);
    for (const StressPoint& sp : g.points)
        if (sp.number >= 9 && sp.number <= 13)
            beschrifteteStelle(sp);

    // Stiffener data, three lines 2.2 apart: leg 1, leg 2, thickness; beside
    // the stiffener's tip in the cell starting 1 above it, else under its
    // leg between web and lip, else wherever is free nearby.
    z.schrift(kSchriftDaten);
    for (int i = 0; i < 5; ++i) {
        if (!g.stiffenerPresent[size_t(i)])
            continue;
        const StiffenerRow& zeile =
            gespiegelt && (i == 1 || i == 3) ? d.stiffeners[size_t(i - 1)] : d.stiffeners[size_t(i)];
        const std::string name = "Steife " + std::to_string(i + 1);
        std::vector<Point> teile;
        std::vector<Point> schenkel1;
        for (const Plate& pl : g.plates)
            if (pl.nameDe == name) {
                teile.insert(teile.end(), pl.outline.begin(), pl.outline.end());
                if (schenkel1.empty())
                    schenkel1 = pl.outline;
            }
        if (teile.empty())
            continue;
        const QStringList zeilen{einfacherZahltext(float(zeile.leg1)) + u'x',
                                 einfacherZahltext(float(zeile.leg2)) + u'x', einfacherZahltext(float(zeile.thickness))};
        double w = 0;
        for (const QString& t : zeilen)
            w = std::max(w, f.textWidth(t));
        const auto ganz = huelle(teile);
        const auto s1 = huelle(schenkel1);
        const double links = b.x(ganz[0]), rechts = b.x(ganz[2]);
        std::vector<QPointF> vorschlaege;
        QPointF richtung;
        if (i == 4) {
            vorschlaege = {{b.x(s1[2]) + 1, b.y(ganz[3]) + 1}, {links - w - 1, b.y(ganz[1]) + 0.5}};
            richtung = {1, 0.5};
        } else {
            // The tip is the end away from the web.
            const int steg = stege[size_t(i % 2)].platte;
            const auto wh = steg >= 0 ? plattenhuelle(g, steg) : ganz;
            const bool spitzeLinks = (ganz[0] + ganz[2]) / 2 < (wh[0] + wh[2]) / 2;
            const double yi = b.y((s1[1] + s1[3]) / 2);
            const double lippe = zeile.thickness * p.s;
            if (spitzeLinks)
                vorschlaege = {{links - 1 - w, yi - 1}, {links + lippe + 0.6, b.y(s1[1]) + 0.5}};
            else
                vorschlaege = {{rechts + 1, yi - 1}, {rechts - lippe - 0.6 - w, b.y(s1[1]) + 0.5}};
            richtung = {spitzeLinks ? -1.0 : 1.0, 0.6};
        }
        z.beschrifte(b.p({(ganz[0] + ganz[2]) / 2, (ganz[1] + ganz[3]) / 2}), zeilen, 2.2, richtung, false,
                     vorschlaege);
    }
    z.schrift(kSchriftMass);

    // The axis symbol at the engine's centroid, turned by its principal angle.
    if (endlich(xSchwer) && endlich(ySchwer))
        zeichneAchsenkreuz(xSchwer, ySchwer, r.apsi);

    const double unten = b.y(alles[1]);
    return std::max(unten + 5, z.bel.unterkante());
}

} // namespace

namespace {

// Runs one drawing on the surface it is given. Whatever goes wrong ends the drawing with
// "Printererror"; the page keeps what was drawn and goes on at the drawing's top.
template <typename Zeichnung>
double zeichneGeschuetzt(Zeichenflaeche& f, double& y, Zeichnung&& zeichnung)
{
    const double yAnfang = y;
    const double schrift = f.schriftgroesse();
    const Zeichenziel ziel = zielFuer(f);
    const Zeichenzielbindung bindung(ziel.flaeche, ziel.testansicht);
    try {
        const double naechstesY = zeichnung();
        f.setzeSchriftgroesse(schrift);
        return naechstesY;
    } catch (...) {
        f.setzeSchriftgroesse(schrift);
        y = yAnfang;
        zeigeDruckfehler();
        return yAnfang;
    }
}

} // namespace

double zeichneSchweissquerschnitt(Zeichenflaeche& f, double& y, const Querschnittsdaten& e,
                                  const Schienenbild& aufgesetzt, const Ergebnislage& r)
{
    return zeichneGeschuetzt(f, y, [&] {
        const std::optional<Schweissplan> plan = schweissplan(e, aufgesetzt, r);
        if (!plan)
            throw Abbruch{};
        return zeichneSchweissplan(f, y, e, *plan, r);
    });
}

// ---------------------------------------------------------------------------
// The rolled profile, step by step as the result page has always drawn it.

namespace {

double walzprofil(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r)
{
    // 1. Profile and bottom profile; without one the bottom is the profile's own.
    const HProfilmasse& w = e.walzprofil;
    const HProfilmasse& u = e.untergurtprofil;
    const double H = feld(w.H), B = feld(w.B), S = feld(w.S), T = feld(w.T), R = feld(w.R);
    double RU = feld(u.R), HU = feld(u.H), BU = feld(u.B), SU = feld(u.S), TU = feld(u.T);
    double hw = H - 2 * T;
    if (modus == 110) {
        hw = H - T - TU;
    } else {
        TU = T;
        BU = B;
        RU = R;
        SU = S;
    }
    // The section the engine computed: where its points are.
    const auto masse = querschnittsmasse(e);
    if (!masse || !masse->rolled)
        throw Abbruch{};
    const BuildResult gebaut = buildRolledSection(masse->rolledProfile);
    if (!gebaut.ok)
        throw Abbruch{};
    const SectionGeometry& g = gebaut.geometry;

    // 2. The flat rail.
    double hr = 0, br = 0;
    if (modus == 103) {
        hr = feld(e.flachschienenhoehe);
        br = feld(e.flachschienenbreite);
    }

    // 3. Scale: the web height counts when it is not smaller than B.
    const double bezug = std::max(B, hw);
    if (!(bezug > 0) || !endlich(bezug))
        throw Abbruch{};
    const double s = 65 / bezug, c = 135;
    double naechstesY = y + (T + H + TU) * s + 5;
    if (modus == 103) {
        y = y + hr * s;
        naechstesY = y + (T + H + TU) * s + 5 + hr * s / 2;
    }
    const double y0 = y;
    // The bottom face: T + hw + TU below the top (H for every mode).
    const double yb = y0 + (T + hw + TU) * s;
    if (!endlich(yb) || !endlich(naechstesY))
        throw Abbruch{};

    Zeichenflaeche& z = f;
    const auto kasten = [&z](double x, double yy, double w, double h) { z.rechteck(x, yy, x + w, yy + h); };

    // 4. to 6. Flanges and web.
    z.setzeLinienbreite(linienbreite(2));
    kasten(c - B * s / 2, y0, B * s, T * s);
    if (modus < 110) {
        kasten(c - S * s / 2, y0 + T * s, S * s, hw * s);
    } else {
        kasten(c - S * s / 2, y0 + T * s, S * s, (hw - HU) * s);
        kasten(c - SU * s / 2, y0 + (hw + T - HU) * s, SU * s, HU * s);
    }
    kasten(c - BU * s / 2, y0 + (hw + T) * s, BU * s, TU * s);

    // 7. Fillets, quarter arcs, with the program's own constants for the angles.
    const double halbPi = 3.1415921 / 2, pi = 3.1415921, dreiHalbePi = 4.71238815;
    if (R * s > 1.5) {
        z.bogen(c - S * s / 2 - R * s, y0 + T * s + R * s, R * s, 0, halbPi);
        z.bogen(c + S * s / 2 + R * s, y0 + T * s + R * s, R * s, halbPi, pi);
    }
    if (RU * s > 1.5) {
        z.bogen(c - SU * s / 2 - RU * s - 0.3, y0 + (T + hw) * s - RU * s, RU * s, dreiHalbePi, 0);
        z.bogen(c + SU * s / 2 + RU * s, y0 + (T + hw) * s - RU * s, RU * s, pi, dreiHalbePi);
    }

    // 8. The flat rail on the top flange.
    if (modus == 103)
        kasten(c - br * s / 2, y0, br * s, -hr * s);

    // 9. Radius labels.
    z.setzeLinienbreite(linienbreite(1));
    z.setzeSchriftgroesse(kSchriftMass);
    const auto strich = [&z](double x, double yy, double dx, double dy) { z.linie(x, yy, x + dx, yy + dy); };
    if (R * s > 1.5) {
        const double xl = c + S * s / 2 + R * s + 2, yl = y0 + T * s + R * s + 2;
        strich(xl, yl, -0.71 * R * s - 2, -0.71 * R * s - 2);
        strich(c + S * s / 2, y0 + T * s, 0.3, 0);
        strich(c + S * s / 2, y0 + T * s, 0, 0.3);
        strich(c + S * s / 2 + 0.3, y0 + T * s + 2.5, 2.2, -2.2);
        schreibeBei(xl, yl, einfacherZahltext(float(R)));
    }
    if (RU * s > 1.5) {
        const double xl = c + SU * s / 2 + RU * s + 2, yl = y0 + (hw + T) * s - RU * s - 2;
        strich(xl, yl, -0.71 * RU * s - 2, 0.71 * RU * s + 2);
        strich(c + SU * s / 2, y0 + (hw + T) * s, 0.3, -2.5);
        strich(c + SU * s / 2, y0 + (hw + T) * s, 0, -0.3);
        strich(c + SU * s / 2 + 2, y0 + (hw + T) * s - 0.3, -1.8, -1.8);
        schreibeBei(c + SU * s / 2 + RU * s + 2, y0 + hw * s - RU * s - 1, einfacherZahltext(float(RU)));
    }

    // 10. Overall height on the left, extension lines from 1 beyond the
    // dimension line to the flange edges. For the bottom profile the chain
    // beside it splits the height at the joint, the overall height stands
    // further out.
    const double xH = c - B * s / 2 - (modus == 110 ? 12 : 5);
    zeichneWertmass(xH, y0, float(T + hw + TU), s, 2);
    z.linie(xH - 1, y0, c - B * s / 2, y0);
    z.linie(xH - 1, yb, c - BU * s / 2, yb);

    // 11. The bottom profile: the top width above, its height with the flange beside the height.
    const double yFuge = y0 + (T + hw - HU) * s;
    if (modus == 110) {
        zeichneWertmass(c - B * s / 2, y0 - 5, float(B), s, 1);
        z.linie(c - B * s / 2, y0 - 6, c - B * s / 2, y0);
        z.linie(c + B * s / 2, y0 - 6, c + B * s / 2, y0);
        const double xK = c - B * s / 2 - 5;
        zeichneWertmass(xK, y0, float(H - HU - TU), s, 2);
        zeichneWertmass(xK, yFuge, float(HU + TU), s, 2);
        z.linie(xK - 1, yFuge, c - SU * s / 2, yFuge);
    }

    // 12. Bottom width, extension lines from 1 below the dimension line.
    zeichneWertmass(c - BU * s / 2, yb + 6, float(BU), s, 1);
    z.linie(c - BU * s / 2, yb + 7, c - BU * s / 2, yb);
    z.linie(c + BU * s / 2, yb + 7, c + BU * s / 2, yb);

    // 13. Thicknesses. The web's at 0.35 of its height, lower or higher
    // where the axis symbol stands there.
    const double zOben = T + hw + TU / 2;
    const double xAchse = c + double(r.ys) * s, yAchse = y0 + (zOben - double(r.zs)) * s;
    const QRectF achse = achsenkreuzfeld(z, xAchse, yAchse, r.apsi);
    const QString sText = einfacherZahltext(float(S));
    double anteilS = 0.35;
    for (double anteil : {0.35, 0.55, 0.7, 0.2}) {
        const double ys = y0 + anteil * hw * s;
        const QRectF feld(c - S * s / 2 - 4 - z.textWidth(sText) / 2, ys - 4, z.textWidth(sText), z.textHeight());
        const QRectF striche(c - S * s / 2 - 6, ys - 0.6, S * s + 10, 1.2);
        if (!feld.intersects(achse) && !striche.intersects(achse)) {
            anteilS = anteil;
            break;
        }
    }
    zeichneAbstandsmass(c - S * s / 2, y0 + anteilS * hw * s, float(S), s, 3);
    std::vector<QRectF> dickenfelder;
    zeichneAbstandsmass(c, y0 + T * s, float(T), s, 2);
    if (modus == 110) {
        const double ySU = y0 + (hw + T - 2 * HU / 3) * s, yTU = y0 + (hw + T + TU) * s - TU * s;
        zeichneAbstandsmass(c - SU * s / 2, ySU, float(SU), s, 3);
        zeichneAbstandsmass(c - 0.4 * BU * s, yTU, float(TU), s, 4);
        const QString su = einfacherZahltext(float(SU)), tu = einfacherZahltext(float(TU));
        dickenfelder.push_back(QRectF(c - SU * s / 2 - 4 - z.textWidth(su) / 2, ySU - 4, z.textWidth(su), z.textHeight()));
        dickenfelder.push_back(QRectF(c - 0.4 * BU * s + 1, yTU - 5, z.textWidth(tu), z.textHeight()));
    }

    // 14. The flat rail's size.
    if (modus == 103) {
        const QString label = einfacherZahltext(float(br)) + u'x' + einfacherZahltext(float(hr));
        z.linie(c - br * s / 2, y0 - hr * s / 2, c - br * s / 2 - br * s / 2 - 3, y0 - hr * s / 2);
        schreibeBei(c - br * s / 2 - z.textWidth(label) - 0.5, y0 - hr * s / 2 - 5.5, label);
    }

    // 15. Point labels, each with a short leader, for the points the engine reported.
    const auto gemeldet = [&](int n) {
        return n >= 1 && n <= r.punkte && n <= int(r.dicke.size()) && r.dicke[size_t(n - 1)] != 0 && punkt(g, n);
    };
    // A label that would cover a thickness label of the bottom profile moves
    // left, beside its leader.
    const auto marke = [&](int n, double x, double yy) {
        if (!gemeldet(n))
            return;
        const QString t = QStringLiteral("P%1").arg(n);
        QRectF feld(x, yy, z.textWidth(t), z.textHeight());
        for (int schritt = 0; schritt < 12; ++schritt) {
            bool frei = true;
            for (const QRectF& d : dickenfelder)
                frei = frei && !d.adjusted(-0.3, -0.3, 0.3, 0.3).intersects(feld);
            if (frei)
                break;
            feld.translate(-0.5, 0);
        }
        schreibeBei(feld.left(), feld.top(), t);
    };
    const auto leitung = [&](int n, double x, double yy, double dx, double dy) {
        if (gemeldet(n))
            strich(x, yy, dx, dy);
    };
    marke(1, c + BU * s / 2 + 4, yb - 2);
    leitung(1, c + BU * s / 2 + 0.5, yb, 3, 0);
    if (modus < 110)
        marke(5, c - B * s / 2 - 10.5, yb - 2);
    else
        marke(5, c - BU * s / 2 - 5, yb + 1);
    marke(2, c - 6.5, y0 + (hw + T) * s - 7.5);
    leitung(2, c - SU * s / 2, y0 + (hw + T) * s - 0.5, -4, -4);
    marke(3, c - 8.5, y0 + T * s + 3.8);
    leitung(3, c - S * s / 2, y0 + T * s + 0.5, -5, 5);
    marke(4, c + B * s / 2 + 4, y0 - 2);
    leitung(4, c + B * s / 2 + 0.5, y0, 3, 0);
    marke(6, c - B * s / 2 - 10.5, y0 - 2);
    if (modus == 110) {
        marke(7, c + 6, yFuge - 2);
        leitung(7, c + S * s / 2, yFuge, 4, 0);
    }

    // 16. The axis symbol at the engine's centroid: z counts from the bottom
    // flange's mid-plane, the top face lies H − TU/2 above it.
    zeichneAchsenkreuz(xAchse, yAchse, r.apsi);
    return naechstesY;
}

} // namespace

double zeichneWalzprofil(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r)
{
    return zeichneGeschuetzt(f, y, [&] { return walzprofil(f, y, e, modus, r); });
}
