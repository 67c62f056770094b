// The welded sections drawn to scale: plates and rail, dimension chains of
// the flanges, the heights and the stiffener positions, clear widths, plate
// thicknesses, the rail's and the H profile's names, the numbered stress
// points, the stiffener data and the axis symbol, each placed where it covers
// nothing drawn before it. The order of the steps is the order of priority:
// what comes later gives way.
#include "Schweissplan.h"

#include "Zeichenprimitive.h"
#include "kern/Formen.h"

#include <algorithm>
#include <cmath>

namespace detailzeichnung {

using namespace tarvello::geometrie;

namespace {

// A web and the stretch its stiffener percentages run on.
struct Steg {
    int platte;
    bool rechts;      // the web's outer side is on the right
    bool innenKette;  // its chain stands in the cell (its outer side is taken)
    double zUnten;    // where the percentages start
    double hoehe;     // the length along the web they refer to
    double cosinus;   // vertical per length along the web
    std::vector<double> prozente;
};

class Schweisszeichnung {
public:
    // Moves y down by a rail standing on the top flange and by the top chain.
    Schweisszeichnung(Zeichenflaeche& flaeche, double& y, const Querschnittsdaten& eingabe, const Schweissplan& plan,
                      const Ergebnislage& lage);
    // Draws everything; returns the page y below the drawing.
    double zeichne();

private:
    void bestimmeStege();
    void platten();
    void gurtketten();
    void hoehenketten();
    void steifenketten();
    void lichteWeiten();
    void blechdicken();
    void namen();
    void punkte();
    void steifendaten();

    Zeichenflaeche& f;
    const Querschnittsdaten& e;
    const Schweissplan& p;
    const Ergebnislage& r;
    const WeldedDimensions& d;
    const SectionGeometry& g;
    const int x;
    Zeichnung z;
    const Blatt& b;

    double schiene = 0; // the rail's height on paper
    double tu = 0, half = 0, cosA = 1;
    std::array<double, 4> alles{};
    double yKetteOben = 0;       // the top chain's paper y
    double zTop = 0, zUnterOG = 0; // top face of the top flange, and its underside
    double xSchwer = 0, ySchwer = 0;

    // The webs and the stretches their stiffener percentages run on: rows 1
    // and 3 on the first web, 2 and 4 on the second (rows 1 and 3 again on it
    // for the forms that mirror them).
    double zb = 0;
    int stegR = -1, stegL = -1, mittel = -1;
    bool gespiegelt = false;
    double hoehe = 0;
    std::vector<Steg> stege;
};

Schweisszeichnung::Schweisszeichnung(Zeichenflaeche& flaeche, double& y, const Querschnittsdaten& eingabe,
                                     const Schweissplan& plan, const Ergebnislage& lage)
    : f(flaeche), e(eingabe), p(plan), r(lage), d(plan.d), g(plan.g), x(plan.d.form), z(flaeche), b(z.b)
{
    const double yAnfang = y;

    // The rail on the top flange and the top chain above it get their room.
    schiene = p.schienenhoehe > 0 ? p.schienenhoehe * p.s : 0;
    y = y + (schiene > 0 ? schiene + 5 : 0) + 5;

    z.b = {p.s, p.x0, y, p.zOben};
    z.bel.setzeOberkante(yAnfang - 2);

    tu = d.bottomThickness;
    half = d.clearWidth / 2;
    cosA = std::cos(d.webAngle * M_PI / 180.0);
    alles = boundingBox(g);
    yKetteOben = y - (schiene > 0 ? schiene + 5 : 0) - 4;
    zTop = p.zOben;
    zUnterOG = zTop - d.topThickness;
    xSchwer = b.x(r.ys);
    ySchwer = b.y(r.zs);
    bestimmeStege();
}

void Schweisszeichnung::bestimmeStege()
{
    zb = mitUntergurtH(x) ? d.profile.height - d.profile.flangeThickness / 2 : tu / 2;
    stegR = platteNamens(g, "Steg rechts");
    stegL = platteNamens(g, "Steg links");
    mittel = platteNamens(g, "Mittelsteg");
    gespiegelt = spiegeltSteifen(x);
    hoehe = istWinkelform(x) ? d.webHeight2 : d.webHeight;
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
}

double Schweisszeichnung::zeichne()
{
    platten();
    gurtketten();
    // The axis symbol's place is kept before anything is placed around it.
    if (endlich(xSchwer) && endlich(ySchwer))
        z.bel.flaeche(achsenkreuzfeld(f, xSchwer, ySchwer, r.apsi));
    hoehenketten();
    steifenketten();
    lichteWeiten();
    blechdicken();
    namen();
    punkte();
    steifendaten();

    // The axis symbol at the engine's centroid, turned by its principal angle.
    if (endlich(xSchwer) && endlich(ySchwer))
        zeichneAchsenkreuz(xSchwer, ySchwer, r.apsi);

    const double unten = b.y(alles[1]);
    return std::max(unten + 5, z.bel.unterkante());
}

// Plates, rail and stiffeners to scale.
void Schweisszeichnung::platten()
{
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
}

void Schweisszeichnung::gurtketten()
{
    // Top chain: the top plates' widths, above the rail when there is one.
    std::vector<Kettenglied> oben;
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
}

// Outer height chains.
void Schweisszeichnung::hoehenketten()
{
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
}

// Stiffener chains, font 7, beside their web: the distance from the top
// down to each stiffener and on to the bottom, outside where that side is
// free, else in the cell. Mirrored rows are dimensioned once.
void Schweisszeichnung::steifenketten()
{
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
}

// Clear widths inside the cells, low in the cell, where nothing else stands.
void Schweisszeichnung::lichteWeiten()
{
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
}

// Plate thicknesses: flanges from inside the cell, webs at about a third
// of the way down, pointing into the plate from the cell or from outside.
void Schweisszeichnung::blechdicken()
{
    const int s3 = platteNamens(g, "Steg 2. Zelle");
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
}

void Schweisszeichnung::namen()
{
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
}

// Stress points: those the engine reported with a plate thickness.
void Schweisszeichnung::punkte()
{
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
}

// Stiffener data, three lines 2.2 apart: leg 1, leg 2, thickness; beside
// the stiffener's tip in the cell starting 1 above it, else under its
// leg between web and lip, else wherever is free nearby.
void Schweisszeichnung::steifendaten()
{
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
}

} // namespace
} // namespace detailzeichnung

double zeichneSchweissquerschnitt(Zeichenflaeche& f, double& y, const Querschnittsdaten& e,
                                  const Schienenbild& aufgesetzt, const Ergebnislage& r)
{
    using namespace detailzeichnung;
    return zeichneGeschuetzt(f, y, [&] {
        const std::optional<Schweissplan> plan = schweissplan(e, aufgesetzt, r);
        if (!plan)
            throw Abbruch{};
        return Schweisszeichnung(f, y, e, *plan, r).zeichne();
    });
}
