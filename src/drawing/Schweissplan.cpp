#include "Schweissplan.h"

#include "Zeichenprimitive.h"
#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace detailzeichnung {

using namespace tarvello::geometrie;

namespace {

bool istSchiene(const Plate& p) { return p.nameDe == "Schiene"; }
bool istAusrundung(const Plate& p) { return p.nameDe == "Ausrundung"; }

// Scale and centre as the result page has always drawn them: the largest
// of the named extents is 70 mm long. False when there is no such scale.
bool setzeMassstab(Schweissplan& p)
{
    const WeldedDimensions& d = p.d;
    const int x = d.form;
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
        bezug = std::max({d.bottomWidth, (bauart(x) == Bauart::HalbesHKasten) ? B + d.topWidth : d.topWidth,
                          d.webHeight * cosA});
    }
    if (!istZweizeller(x)) {
        if (!(bezug > 0) || !endlich(bezug))
            return false;
        p.s = 70 / bezug;
        p.x0 = p.c;
    }
    if (!(p.s > 0) || !endlich(p.s))
        return false;

    std::vector<Point> ohneSchiene;
    for (const Plate& pl : p.g.plates)
        if (!istSchiene(pl))
            ohneSchiene.insert(ohneSchiene.end(), pl.outline.begin(), pl.outline.end());
    const auto h = huelle(ohneSchiene);
    p.zOben = h[3];
    // The unsymmetric families stand in the middle of the column.
    if (istWinkelform(x))
        p.x0 = p.c - (h[0] + h[2]) / 2 * p.s;
    return true;
}

// The rail: the acting one is a plate of the section; one that only rides
// on it is placed where the engine would place an acting rail.
void setzeSchiene(Schweissplan& p, const Schienenbild& aufgesetzt)
{
    const WeldedDimensions& d = p.d;
    const int x = d.form;
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
        const double spanne2 = w2 > w1 ? w2 - w1 : w2 - w1 + 2 * M_PI;
        const auto punkt = [&](double w) { return QPointF(z.b.x(m.y) + r * std::cos(w), z.b.y(m.z) - r * std::sin(w)); };
        for (int k = 0; k < 6; ++k)
            z.bel.plattenkante(QLineF(punkt(w1 + spanne2 * k / 6), punkt(w1 + spanne2 * (k + 1) / 6)));
        return;
    }
}

// The narrowest width of a convex outline: over its edges, the farthest corner from each edge's line.
double kleinsteBreite(const std::vector<QPointF>& ring)
{
    double breite = 1e300;
    for (size_t i = 0; i < ring.size(); ++i) {
        const QLineF kante(ring[i], ring[(i + 1) % ring.size()]);
        if (kante.length() < 1e-9)
            continue;
        double weitester = 0;
        for (const QPointF& q : ring)
            weitester = std::max(weitester, std::abs((kante.dx() * (q.y() - kante.y1()) - kante.dy() * (q.x() - kante.x1())) /
                                                     kante.length()));
        breite = std::min(breite, weitester);
    }
    return breite;
}

// Two plate outlines side by side on paper (24 twips each, in millimetres): a plate narrower than that shows
// its gap on paper and none on a screen, where one of two equal plates may get it and its twin not, by where
// its edges fall on the pixels. Such a plate is drawn filled, alike on every surface.
constexpr double kVollePlatte = 2 * 24.0 / 1440 * 25.4;

} // namespace

void zeichnePlatten(Zeichnung& z, const SectionGeometry& g)
{
    for (const Plate& p : g.plates) {
        if (istAusrundung(p)) {
            zeichneAusrundung(z, p);
            continue;
        }
        const std::vector<QPointF> ring = aufPapier(z.b, p.outline);
        if (kleinsteBreite(ring) < kVollePlatte) {
            z.f.flaeche(QPolygonF(QList<QPointF>(ring.begin(), ring.end())));
            z.vollePlatten.push_back(ring);
        }
        z.ring(ring);
    }
}

std::optional<Schweissplan> schweissplan(const Querschnittsdaten& e, const Schienenbild& aufgesetzt,
                                         const Ergebnislage& r)
{
    Schweissplan p;
    if (!r.uebergabetext.isEmpty()) {
        const ParseOutcome gelesen = parseTransfer(r.uebergabetext.toStdString());
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
    if (!setzeMassstab(p))
        return std::nullopt;
    setzeSchiene(p, aufgesetzt);
    return p;
}

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

std::vector<double> spotsZwischen(double links, double rechts)
{
    std::vector<double> s;
    const double mitte = (links + rechts) / 2, halb = (rechts - links) / 2;
    for (double f : {0.0, -0.3, 0.3, -0.55, 0.55, -0.75, 0.75, -0.15, 0.15, -0.45, 0.45, -0.65, 0.65})
        s.push_back(mitte + f * halb);
    // Then every millimetre out to the ends, nearer the middle first.
    for (double ab = 1; ab <= halb; ab += 1)
        for (double seite : {-1.0, 1.0})
            s.push_back(mitte + seite * ab);
    return s;
}

std::optional<double> randBei(const Zeichnung& z, const SectionGeometry& g, double zs, bool rechts,
                              double yVon, double yBis)
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

void senkrechteKette(Zeichnung& z, const SectionGeometry& g, double x, const std::vector<Kettenglied>& glieder,
                     bool rechts, double yVon, double yBis)
{
    if (glieder.empty())
        return;
    // The chain's paper x at each end height.
    std::vector<std::pair<double, double>> ecken{{glieder.front().von, x}};
    for (const Kettenglied& k : glieder)
        ecken.push_back({k.bis, ecken.back().second + (k.bis - k.von) * k.neigung * z.b.s});
    for (const auto& [zs, xk] : ecken) {
        const std::optional<double> rand = randBei(z, g, zs, rechts, yVon, yBis);
        if (!rand)
            continue;
        const double y = z.b.y(zs);
        if (std::fabs(*rand - xk) > 0.3)
            z.linie(QPointF(xk + (rechts ? 1 : -1), y), QPointF(*rand, y));
    }
    for (size_t i = 0; i < glieder.size(); ++i) {
        const Kettenglied& k = glieder[i];
        const double yOben = z.b.y(k.bis);
        const double laenge = z.b.y(k.von) - yOben;
        if (laenge < z.f.textHeight() + 0.5)
            continue;
        const QPointF oben(ecken[i + 1].second, yOben), unten(ecken[i].second, yOben + laenge);
        // Too short for the label between the arrowheads: the label beside it, outwards.
        if (laenge < z.f.textHeight() + 3.4)
            z.kurzmass(oben, unten, k.wert, QPointF(rechts ? 1 : -1, 0));
        else if (k.neigung == 0)
            z.wertmass(ecken[i].second, yOben, k.wert, laenge / double(k.wert), 2);
        else
            z.schraegmass(oben, unten, k.wert);
    }
}

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
        // Too short for the label between the arrowheads: the label beside it, away from the section.
        if (laenge < z.f.textWidth(einfacherZahltext(beschriftungswert(k.wert))) + 3.6)
            z.kurzmass({z.b.x(k.von), y}, {z.b.x(k.bis), y}, k.wert, QPointF(0, ueber));
        else
            z.wertmass(z.b.x(k.von), y, k.wert, laenge / double(k.wert), 1);
    }
}

} // namespace detailzeichnung
