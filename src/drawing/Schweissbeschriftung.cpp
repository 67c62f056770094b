// What the welded drawing writes after its plates and dimensions: the rail's
// and the H profile's names, the numbered stress points and the stiffener
// data, each where it covers nothing drawn before it.
#include "Schweisszeichnung.h"

#include "Zeichenprimitive.h"
#include "kern/Formen.h"

#include <algorithm>
#include <cmath>

namespace detailzeichnung {

using namespace tarvello::geometrie;

namespace {

double abstand(const QRectF& a, const QRectF& c)
{
    const double dx = std::max({a.left() - c.right(), 0.0, c.left() - a.right()});
    const double dy = std::max({a.top() - c.bottom(), 0.0, c.top() - a.bottom()});
    return std::hypot(dx, dy);
}

} // namespace

void Schweisszeichnung::namen()
{
    // The rail's name or size, from its left side, else its right side or top.
    if (!p.schienentext.isEmpty() && p.schienenhoehe > 0) {
        std::vector<Point> umriss = p.schiene;
        const int acting = platteNamens(g, "Schiene");
        if (acting >= 0)
            umriss = g.plates[size_t(acting)].outline;
        const auto h = umriss.empty() ? std::array<double, 4>{} : huelle(umriss);
        std::vector<Zeichnung::Ziel> ziele{{b.p(p.schienenmitte), {-1, -0.2}}};
        if (!umriss.empty())
            ziele.insert(ziele.end(), {{b.p({h[2], p.schienenmitte.z}), {1, -0.2}}, {b.p({(h[0] + h[2]) / 2, h[3]}), {0, -1}, 6}});
        z.beschrifte(ziele, {p.schienentext}, 0);
    }
    // The H profile's name beside its flange.
    if (mitStegprofil(x) && !e.stegprofilreihe.isEmpty()) {
        const int flansch = platteNamens(g, mitUntergurtH(x) ? "H-Profil Obergurt" : "H-Profil Flansch");
        if (flansch >= 0) {
            const auto fl = plattenhuelle(g, flansch);
            const QString name = (mitHalbemH(x) ? QStringLiteral("1/2 ") : QString()) + e.stegprofilreihe + u' ' + e.stegprofilgroesse;
            // Beside the flange's end, else above the top plate on a leader from the flange's other end.
            z.beschrifte({{b.p({fl[2], (fl[1] + fl[3]) / 2}), {1, 0.6}},
                          {b.p({fl[2], fl[1]}), {1, 1}},
                          {b.p({fl[0], fl[3]}), {-1, -1}, 4}},
                         {name}, 0);
        }
    }
}

std::vector<StressPoint> Schweisszeichnung::gemeldetePunkte() const
{
    std::vector<StressPoint> alle = g.points;
    alle.insert(alle.end(), r.massgebend.begin(), r.massgebend.end());
    std::vector<StressPoint> gemeldet;
    for (const StressPoint& sp : alle) {
        const int n = sp.number;
        if (n >= 1 && n <= r.punkte && n <= int(r.dicke.size()) && r.dicke[size_t(n - 1)] != 0)
            gemeldet.push_back(sp);
    }
    return gemeldet;
}

// A point's label, away from the section's middle. A stiffener's point is on
// its web: its label stands on the web's outer side, as laid out for it, and
// moves only along that side. A governing point gets its small circle.
void Schweisszeichnung::beschriftePunkt(const StressPoint& sp)
{
    const int n = sp.number;
    const bool steife = isStiffenerPoint(n);
    z.schrift(steife ? kSchriftSteife : kSchriftMass);
    const double yMitte = (alles[0] + alles[2]) / 2, zMitte = (alles[1] + alles[3]) / 2;
    QPointF richtung(sp.at.y - yMitte, -(sp.at.z - zMitte));
    const QPointF ziel = b.p(sp.at);
    Zeichnung::Ortsregel erlaubt;
    const int steg = n >= 9 && n <= 12 ? stegDerSteife(n - 9) : -1;
    if (steg >= 0) {
        const Steg& st = stege[size_t(steg)];
        const double kante = stegkante(st.platte, sp.at.z, st.rechts);
        // The web's outer face at a paper height (a sloped web leans).
        const auto kanteBei = [&, kante](double yp) { return kante + (ziel.y() - yp) * st.neigung; };
        richtung = QPointF(st.rechts ? 1 : -1, 0.4);
        erlaubt = [&st, kanteBei](const QRectF& feld) {
            return st.rechts ? feld.left() >= std::max(kanteBei(feld.top()), kanteBei(feld.bottom())) + 0.3
                             : feld.right() <= std::min(kanteBei(feld.top()), kanteBei(feld.bottom())) - 0.3;
        };
    }
    // A governing point, placed last among crowded labels, may stand further off on its leader.
    z.beschrifte(ziel, {QStringLiteral("P%1").arg(n)}, 0, richtung, true, {}, erlaubt, sp.governing ? 60 : 13);
    // Its ring's place was kept from labels from the start; another point's leader may cross it.
    // On a filled plate the ring is cleared inside first, or it would show only where it leaves the plate.
    if (sp.governing) {
        if (z.aufVollerPlatte(ziel, kRing)) {
            z.f.setzeFarbe(Qt::white);
            z.f.kreis(ziel.x(), ziel.y(), kRing, true);
            z.f.setzeFarbe(Qt::black);
        }
        z.f.kreis(ziel.x(), ziel.y(), kRing);
    }
}

// Stress points: those the engine reported with a plate thickness; the
// stiffeners' points after the others, the governing ones last.
void Schweisszeichnung::punkte()
{
    const std::vector<StressPoint> gemeldet = gemeldetePunkte();
    const auto steife = [](const StressPoint& sp) { return isStiffenerPoint(sp.number); };
    for (const StressPoint& sp : gemeldet)
        if (!steife(sp) && !sp.governing)
            beschriftePunkt(sp);
    for (const StressPoint& sp : gemeldet)
        if (steife(sp) && !sp.governing)
            beschriftePunkt(sp);
    z.schrift(kSchriftMass);
}

// The governing points last: they lie wherever the stresses peak, so they take
// the places the dimensions and names leave free, on longer leaders if need be.
void Schweisszeichnung::massgebendePunkte()
{
    for (const StressPoint& sp : gemeldetePunkte())
        if (sp.governing)
            beschriftePunkt(sp);
    z.schrift(kSchriftMass);
}

// Stiffener data, three lines 2.2 apart: leg 1, leg 2, thickness; at its
// stiffener, on its side of the web (of the top flange for the middle one): beside the tip in the cell starting 1
// above it, else under its leg between web and lip (the middle stiffener's
// beside its upright leg), else wherever is free within 2.5 of it. Where nothing near is free, on a leader from it, in the
// second pass.
void Schweisszeichnung::steifendaten(bool nahBei)
{
    z.schrift(kSchriftDaten);
    for (int i = 0; i < 5; ++i) {
        if (!g.stiffenerPresent[size_t(i)] || datenGesetzt[size_t(i)])
            continue;
        const StiffenerRow& zeile =
            gespiegelt && (i == 1 || i == 3) ? d.stiffeners[size_t(i - 1)] : d.stiffeners[size_t(i)];
        const std::string name = stiffenerName(d.form, i, true);
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
        // A flat stiffener (L2 = 0) reads as the flat it is: "90x10".
        QStringList zeilen{einfacherZahltext(float(zeile.leg1)) + u'x'};
        if (zeile.leg2 > 0)
            zeilen.append(einfacherZahltext(float(zeile.leg2)) + u'x');
        zeilen.append(einfacherZahltext(float(zeile.thickness)));
        double w = 0;
        for (const QString& t : zeilen)
            w = std::max(w, f.textWidth(t));
        const auto ganz = huelle(teile);
        const auto s1 = huelle(schenkel1);
        const double links = b.x(ganz[0]), rechts = b.x(ganz[2]);
        const QRectF steifenfeld(b.p({ganz[0], ganz[3]}), b.p({ganz[2], ganz[1]}));
        std::vector<QPointF> vorschlaege;
        QPointF richtung;
        // The face of the web the stiffener stands on: the data stays on the stiffener's side of it.
        std::optional<double> stegseite;
        bool spitzeLinks = false;
        if (i == 4) {
            vorschlaege = {{b.x(s1[2]) + 1, b.y(ganz[3]) + 1},
                           {links - w - 0.6, b.y(ganz[3]) + 0.5},
                           {links - w - 1, b.y(ganz[1]) + 0.5}};
            richtung = {1, 0.5};
        } else {
            // The tip is the end away from the web.
            const int steg = stege[size_t(i % 2)].platte;
            const auto wh = steg >= 0 ? plattenhuelle(g, steg) : ganz;
            spitzeLinks = (ganz[0] + ganz[2]) / 2 < (wh[0] + wh[2]) / 2;
            if (steg >= 0)
                stegseite = stegkante(steg, (ganz[1] + ganz[3]) / 2, !spitzeLinks);
            const double yi = b.y((s1[1] + s1[3]) / 2);
            const double lippe = zeile.thickness * p.s;
            if (spitzeLinks)
                vorschlaege = {{links - 1 - w, yi - 1}, {links + lippe + 0.6, b.y(s1[1]) + 0.5}};
            else
                vorschlaege = {{rechts + 1, yi - 1}, {rechts - lippe - 0.6 - w, b.y(s1[1]) + 0.5}};
            richtung = {spitzeLinks ? -1.0 : 1.0, 0.6};
        }
        // The middle stiffener's data stays under the top flange it hangs from.
        const double unterOG = i == 4 ? b.y(zUnterOG) + 0.3 : -1e300;
        const auto seite = [stegseite, spitzeLinks, unterOG](const QRectF& feld) {
            return feld.top() >= unterOG &&
                   (!stegseite || (spitzeLinks ? feld.right() <= *stegseite - 0.3 : feld.left() >= *stegseite + 0.3));
        };
        const auto nah = [&](const QRectF& feld) { return seite(feld) && abstand(feld, steifenfeld) <= 2.5; };
        // A leader leaves from the middle of a leg, or from its lower end.
        const QPointF mitte = b.p({(s1[0] + s1[2]) / 2, (s1[1] + s1[3]) / 2});
        std::vector<Zeichnung::Ziel> ziele;
        for (const Plate& pl : g.plates)
            if (pl.nameDe == name) {
                const auto h = huelle(pl.outline);
                ziele.push_back({b.p({(h[0] + h[2]) / 2, (h[1] + h[3]) / 2}), richtung});
                ziele.push_back({b.p({(h[0] + h[2]) / 2, h[1]}), richtung});
            }
        if (nahBei) {
            datenGesetzt[size_t(i)] = z.beschrifte(mitte, zeilen, 2.2, richtung, false, vorschlaege, nah).has_value();
            continue;
        }
        // A crowded cell: the data on one line at the stiffener, else on a
        // leader from it, on its side of the web if at all possible; on three
        // lines or on one, whichever crosses less on its way.
        const QStringList eineZeile{zeilen.join(QString())};
        bool gesetzt = z.beschrifte(mitte, eineZeile, 0, richtung, false, {}, nah).has_value();
        for (Strenge strenge : {Strenge::Alles, Strenge::Platten, Strenge::Achsen, Strenge::Beschriftungen})
            gesetzt = gesetzt || z.beschrifte(ziele, zeilen, 2.2, true, {}, seite, 13, strenge) ||
                      z.beschrifte(ziele, eineZeile, 0, true, {}, seite, 13, strenge);
        datenGesetzt[size_t(i)] = gesetzt || z.beschrifte(ziele, eineZeile, 0, true, {}, {}, 30);
    }
    z.schrift(kSchriftMass);
}

} // namespace detailzeichnung
