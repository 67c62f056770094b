#include "Plattenteile.h"

#include <algorithm>
#include <cmath>

using tarvello::geometrie::Plate;
using tarvello::geometrie::Point;
using tarvello::geometrie::SectionGeometry;

namespace {

// Faces that meet lie on each other to rounding of the typed dimensions.
constexpr double kTreffer = 0.01; // mm

Point minus(Point a, Point b) { return {a.y - b.y, a.z - b.z}; }
double skalar(Point a, Point b) { return a.y * b.y + a.z * b.z; }
double kreuz(Point a, Point b) { return a.y * b.z - a.z * b.y; }
double betrag(Point a) { return std::hypot(a.y, a.z); }

Plattenlage lage(const Plate& p)
{
    Plattenlage l;
    l.art = plattenart(p);
    const auto& u = p.outline;
    // The longest edge gives the plate's direction; the thickness is across it.
    size_t lang = 0;
    for (size_t i = 0; i < u.size(); ++i)
        if (betrag(minus(u[(i + 1) % u.size()], u[i])) > betrag(minus(u[(lang + 1) % u.size()], u[lang])))
            lang = i;
    Point r = minus(u[(lang + 1) % u.size()], u[lang]);
    const double b = betrag(r);
    r = {r.y / b, r.z / b};
    // Directions read left to right, or upwards for a vertical plate.
    if (r.y < -1e-9 || (std::fabs(r.y) <= 1e-9 && r.z < 0))
        r = {-r.y, -r.z};
    const Point n{-r.z, r.y};
    double smin = 1e300, smax = -1e300, dmin = 1e300, dmax = -1e300;
    for (const Point& q : u) {
        smin = std::min(smin, skalar(q, r));
        smax = std::max(smax, skalar(q, r));
        dmin = std::min(dmin, skalar(q, n));
        dmax = std::max(dmax, skalar(q, n));
    }
    const double dm = (dmin + dmax) / 2;
    l.richtung = r;
    l.anfang = {smin * r.y + dm * n.y, smin * r.z + dm * n.z};
    l.laenge = smax - smin;
    l.dicke = dmax - dmin;
    return l;
}

// Where plate q's edges lie on plate p's: along p's faces (a stretch) or on its ends.
void beruehrungen(const Plate& p, const Plate& q, int qi, Plattenlage& l)
{
    const auto& a = p.outline;
    const auto& b = q.outline;
    for (size_t i = 0; i < a.size(); ++i) {
        const Point a0 = a[i], a1 = a[(i + 1) % a.size()];
        const Point da = minus(a1, a0);
        const double la = betrag(da);
        if (la < kTreffer)
            continue;
        const Point e{da.y / la, da.z / la};
        for (size_t j = 0; j < b.size(); ++j) {
            const Point b0 = b[j], b1 = b[(j + 1) % b.size()];
            const Point db = minus(b1, b0);
            const double lb = betrag(db);
            if (lb < kTreffer || std::fabs(kreuz(e, db)) > 1e-6 * lb)
                continue;
            if (std::fabs(kreuz(e, minus(b0, a0))) > kTreffer)
                continue;
            const double s0 = std::max(0.0, std::min(skalar(minus(b0, a0), e), skalar(minus(b1, a0), e)));
            const double s1 = std::min(la, std::max(skalar(minus(b0, a0), e), skalar(minus(b1, a0), e)));
            if (s1 - s0 < kTreffer)
                continue;
            const Point m0{a0.y + s0 * e.y, a0.z + s0 * e.z}, m1{a0.y + s1 * e.y, a0.z + s1 * e.z};
            const double t0 = l.entlang(m0), t1 = l.entlang(m1);
            if (std::fabs(skalar(e, l.richtung)) > 0.99)
                l.anschluesse.push_back({qi, std::min(t0, t1), std::max(t0, t1)});
            else
                l.endAuf[(t0 + t1) / 2 < l.laenge / 2 ? 0 : 1] = qi;
        }
    }
}

} // namespace

Plattenart plattenart(const Plate& p)
{
    if (p.fillet)
        return Plattenart::Ausrundung;
    const std::string& n = p.nameEn;
    const auto hat = [&n](const char* wort) { return n.find(wort) != std::string::npos; };
    if (hat("rail"))
        return Plattenart::Schiene;
    if (hat("stiffener"))
        return Plattenart::Steife;
    if (hat("web") || hat("stem"))
        return Plattenart::Steg;
    if (hat("flange") || hat("flat"))
        return Plattenart::Gurt;
    return Plattenart::Sonstige;
}

std::vector<Plattenlage> plattenlagen(const SectionGeometry& g)
{
    std::vector<Plattenlage> lagen;
    for (const Plate& p : g.plates)
        lagen.push_back(lage(p));
    for (size_t i = 0; i < g.plates.size(); ++i) {
        if (lagen[i].art == Plattenart::Schiene || lagen[i].art == Plattenart::Ausrundung)
            continue;
        for (size_t j = 0; j < g.plates.size(); ++j)
            if (j != i && lagen[j].art != Plattenart::Schiene)
                beruehrungen(g.plates[i], g.plates[j], int(j), lagen[i]);
        std::sort(lagen[i].anschluesse.begin(), lagen[i].anschluesse.end(),
                  [](const Anschluss& a, const Anschluss& b) { return a.von < b.von; });
    }
    return lagen;
}

std::vector<Plattenteil> plattenteile(const SectionGeometry& g, const std::vector<Plattenlage>& lagen)
{
    std::vector<Plattenteil> teile;
    for (size_t i = 0; i < lagen.size(); ++i) {
        const Plattenlage& l = lagen[i];
        if (l.art != Plattenart::Gurt && l.art != Plattenart::Steg && l.art != Plattenart::Steife)
            continue;
        const auto teil = [&](double von, bool vonGestuetzt, double bis, bool bisGestuetzt) {
            if (bis - von < kTreffer || !(vonGestuetzt || bisGestuetzt))
                return;
            Plattenteil t;
            t.platte = int(i);
            t.innen = vonGestuetzt && bisGestuetzt;
            t.c = bis - von;
            t.t = g.plates[i].thickness;
            // An outstand runs from its support to its free edge.
            t.von = l.bei(vonGestuetzt ? von : bis);
            t.bis = l.bei(vonGestuetzt ? bis : von);
            teile.push_back(t);
        };
        double stelle = 0;
        bool gestuetzt = l.endAuf[0] >= 0;
        for (const Anschluss& a : l.anschluesse) {
            if (a.von > stelle)
                teil(stelle, gestuetzt, a.von, true);
            stelle = std::max(stelle, a.bis);
            gestuetzt = true;
        }
        teil(stelle, gestuetzt, l.laenge, l.endAuf[1] >= 0);
    }
    return teile;
}
