// The welded sections drawn to scale: plates and rail, dimension chains of
// the flanges, the stiffener positions and the heights, clear widths and plate
// thicknesses; the names, points and stiffener data follow in
// Schweissbeschriftung.cpp.
#include "Schweisszeichnung.h"

#include "Zeichenprimitive.h"
#include "kern/Formen.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace detailzeichnung {

using namespace tarvello::geometrie;

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
    tanA = std::tan(d.webAngle * M_PI / 180.0);
    alles = boundingBox(g);
    yKetteOben = y - (schiene > 0 ? schiene + 5 : 0) - 4;
    zTop = p.zOben;
    zUnterOG = zTop - d.topThickness;
    bestimmeStege();
    rueckeInDieSpalte();
    xSchwer = b.x(r.ys);
    ySchwer = b.y(r.zs);
}

// The room the drawing needs right of the section: the outer height chain
// (beyond a stiffener chain and the stiffener labels) and the half H
// profile's name beside its flange. Where that would leave the page column,
// the whole drawing moves left, into the room the column has there.
void Schweisszeichnung::rueckeInDieSpalte()
{
    z.schrift(kSchriftSteife);
    const double markenraum = f.textWidth(QStringLiteral("P12")) + 3;
    z.schrift(kSchriftMass);
    // The outer height chain runs along a sloped web: its far end lies the web's lean beyond its foot.
    const double lehne = std::abs((zUnterOG - zb) * tanA * p.s);
    double rechts = b.x(alles[2]) + 7 + std::max(lehne + 1, lehne / 2 + f.textWidth(QStringLiteral("0000")) / 2);
    for (const Steg& st : stege)
        if (st.platte >= 0 && !st.prozente.empty() && st.rechts && !st.innenKette)
            rechts = std::max(rechts, stegkante(st.platte, st.zUnten, true) + markenraum + 7 +
                                          std::max(0.0, (zUnterOG - zb) * st.neigung * p.s) +
                                          f.textWidth(QStringLiteral("0000")) / 2);
    const int flansch = platteNamens(g, "H-Profil Flansch");
    if (mitHalbemH(x) && flansch >= 0 && !e.stegprofilreihe.isEmpty())
        rechts = std::max(rechts, b.x(plattenhuelle(g, flansch)[2]) + 2 +
                                      f.textWidth(QStringLiteral("1/2 ") + e.stegprofilreihe + u' ' + e.stegprofilgroesse));
    const double ueber = rechts - (kSpalteRechts - 0.5);
    if (ueber > 0)
        z.b.x0 -= std::min(ueber, b.x(alles[0]) - 7 - 8 - kSpalteLinks);
}

void Schweisszeichnung::bestimmeStege()
{
    zb = mitUntergurtH(x) ? d.profile.height - d.profile.flangeThickness / 2 : tu / 2;
    stegR = platteNamens(g, "Steg rechts");
    stegL = platteNamens(g, "Steg links");
    mittel = platteNamens(g, "Mittelsteg");
    gespiegelt = spiegeltSteifen(x);
    hoehe = istWinkelform(x) ? d.webHeight2 : d.webHeight;
    const bool aufrecht = mitHalbemH(x) || istWinkelform(x) || istZweizeller(x);
    const double neigung = aufrecht ? 1 : cosA, schraeg = aufrecht ? 0 : tanA;
    if (istZweizeller(x))
        stege = {{stegL, false, false, zb, hoehe, 1, 0, {}, {}}, {mittel, true, true, zb, hoehe, 1, 0, {}, {}}};
    else
        stege = {{stegR, true, false, zb, hoehe, neigung, schraeg, {}, {}},
                 {stegL, false, false, zb, hoehe, neigung, -schraeg, {}, {}}};
    for (int zeile = 0; zeile < 4; ++zeile) {
        Steg& st = stege[size_t(zeile % 2)];
        if (!g.stiffenerPresent[size_t(zeile)] || st.platte < 0)
            continue;
        const StiffenerRow& z0 = gespiegelt && zeile % 2 == 1 ? d.stiffeners[size_t(zeile - 1)] : d.stiffeners[size_t(zeile)];
        st.prozente.push_back(z0.position);
        st.steifen.push_back(zeile);
    }
    steifenketteX.assign(stege.size(), std::nan(""));
}

double Schweisszeichnung::stegkante(int platte, double zs, bool rechts) const
{
    const Plate& pl = g.plates[size_t(platte)];
    SectionGeometry nurSie;
    nurSie.family = g.family;
    nurSie.form = g.form;
    nurSie.plates = {pl};
    const std::optional<double> kante = randBei(z, nurSie, zs, rechts);
    return kante ? *kante : b.x(rechts ? huelle(pl.outline)[2] : huelle(pl.outline)[0]);
}

int Schweisszeichnung::stegDerSteife(int zeile) const
{
    for (size_t i = 0; i < stege.size(); ++i)
        if (std::find(stege[i].steifen.begin(), stege[i].steifen.end(), zeile) != stege[i].steifen.end())
            return int(i);
    return -1;
}

double Schweisszeichnung::zeichne()
{
    platten();
    // The governing points are labelled last; until then no label may cover their rings.
    for (const StressPoint& sp : gemeldetePunkte())
        if (sp.governing)
            z.bel.sperre(QRectF(b.p(sp.at) - QPointF(kRing, kRing), QSizeF(2 * kRing, 2 * kRing)));
    gurtketten();
    steifenketten();
    hoehenketten();
    // The axis symbol's place is kept before anything that may move is placed.
    achsenkreuz();
    lichteWeiten();
    flachstahl();
    // The flanges' thicknesses before the points' labels: their few places lie
    // at the flanges, where the governing points also gather.
    gurtdicken();
    punkte();
    namen();
    // The stiffener data at its stiffener, the data that found no place there
    // on a leader, the webs' thicknesses: the later ones have more places to
    // choose from.
    steifendaten(true);
    steifendaten(false);
    stegdicken();
    massgebendePunkte();

    // The axis symbol at the engine's centroid, turned by its principal angle.
    if (endlich(xSchwer) && endlich(ySchwer))
        zeichneAchsenkreuz(xSchwer, ySchwer, r.apsi, achsenarm, achsenlage);

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

    // Bottom chain: the bottom flange, 6 below the lowest plate; a trolley
    // plate too thin for arrows is named by a leader instead (flachstahl()).
    const int ug = platteNamens(g, mitUntergurtH(x) ? "H-Profil Untergurt" : "Untergurt");
    if (ug >= 0) {
        const auto u = plattenhuelle(g, ug);
        // Labelled with the entered width (for a box on an H profile the profile's B).
        waagerechteKette(z, b.y(alles[1]) + 6, u[1], {{u[0], u[2], float(d.bottomWidth)}});
        const int flach = platteNamens(g, "Flachstahl");
        if (flach >= 0 && d.flatHeight * p.s >= 2) {
            const auto fl = plattenhuelle(g, flach);
            waagerechteKette(z, b.y(alles[1]) + 6, fl[1], {{fl[0], fl[2], float(d.flatWidth)}});
        }
    }

    // Second cell's top flange: its own chain in the room above it (above a
    // rail standing on it), or above the top chain.
    if (istZweizeller(x)) {
        const int o3 = platteNamens(g, "Obergurt 2. Zelle");
        if (o3 >= 0) {
            const auto h3 = plattenhuelle(g, o3);
            const double aufIhr = !p.schiene.empty() || platteNamens(g, "Schiene") >= 0 ? schiene : 0;
            const double luft = (zUnterOG - h3[3]) * p.s - aufIhr;
            const double yk = luft >= 8 ? b.y(h3[3]) - aufIhr - 4 : yKetteOben - 7;
            waagerechteKette(z, yk, h3[3], {{h3[0], h3[2], float(d.secondCell.topWidth)}});
        }
    }
}

// The axis symbol at the engine's centroid, its letters clear of the plates
// and chains.
void Schweisszeichnung::achsenkreuz()
{
    if (!endlich(xSchwer) || !endlich(ySchwer))
        return;
    const Zeichnung::Achsenkreuzwahl wahl = z.stelleAchsenkreuz({xSchwer, ySchwer}, r.apsi);
    achsenarm = wahl.arm;
    achsenlage = wahl.lage;
}

// Stiffener chains, font 7, beside their web: the distance from the top
// down to each stiffener and on to the bottom, outside where that side is
// free, else in the cell beyond the stiffeners' tips. Mirrored rows are
// dimensioned once. Outside, the chain stands off far enough for the
// stiffener points' labels between it and the web.
void Schweisszeichnung::steifenketten()
{
    z.schrift(kSchriftSteife);
    const double markenraum = f.textWidth(QStringLiteral("P12")) + 3;
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
            glieder.push_back(
                {a, c2, beschriftungswert(float((grenzen[k + 1] - grenzen[k]) / 100 * st.hoehe)), st.neigung});
        }
        const auto w = plattenhuelle(g, st.platte);
        const bool daneben = st.innenKette ? !st.rechts : st.rechts;
        // The web and, on the chain's side, its stiffeners.
        double kante = stegkante(st.platte, st.zUnten, daneben), yVon = w[0], yBis = w[2];
        for (int zeile : st.steifen)
            for (const Plate& pl : g.plates)
                if (pl.nameDe == stiffenerName(g.form, zeile, true)) {
                    const auto h = huelle(pl.outline);
                    kante = daneben ? std::max(kante, b.x(h[2])) : std::min(kante, b.x(h[0]));
                    yVon = std::min(yVon, h[0]);
                    yBis = std::max(yBis, h[2]);
                }
        const double abstand = st.innenKette ? 3.5 : markenraum;
        const double xk = daneben ? kante + abstand : kante - abstand;
        steifenketteX[i] = xk;
        senkrechteKette(z, g, xk, glieder, daneben, yVon, yBis);
    }
    z.schrift(kSchriftMass);
}

// Outer height chains, 7 beyond the section and beyond a stiffener chain on
// that side; beside a sloped web the web's piece runs along it.
void Schweisszeichnung::hoehenketten()
{
    // The chain's x at its lower end: clear of the section all along its
    // height, and of the stiffener chain (which starts at zb).
    const auto aussen = [&](bool rechts, double neigung) {
        const double rand = b.x(rechts ? alles[2] : alles[0]) + (rechts ? 7 : -7);
        const double lauf = (zUnterOG - zb) * neigung * p.s;
        double xk = rechts ? std::max(rand, rand - lauf) : std::min(rand, rand - lauf);
        const size_t i = istZweizeller(x) ? (rechts ? 1 : 0) : (rechts ? 0 : 1);
        if (!std::isnan(steifenketteX[i]) && !stege[i].innenKette)
            xk = rechts ? std::max(xk, steifenketteX[i] + 7) : std::min(xk, steifenketteX[i] - 7);
        return xk;
    };
    const double xRechts = aussen(true, tanA), xLinks = aussen(false, -tanA);
    if (mitUntergurtH(x)) {
        const double zH = d.profile.height - d.profile.flangeThickness / 2;
        senkrechteKette(z, g, xRechts,
                        {{-tu / 2, zH, float(d.profile.height)}, {zH, zUnterOG, float(d.webHeight), tanA}}, true);
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
        senkrechteKette(z, g, xRechts, {{zb, zUnterOG, float(d.webHeight), tanA}}, true);
    }
}

// Clear widths inside the cells, where nothing else stands: the width the
// value names, between the webs' inner corners at the face it is typed for
// (the bottom flange; for the rail at mid top flange the top flange), low in
// the cell or high under the top flange. Beside sloped webs short extension
// lines carry the corners to the chain.
void Schweisszeichnung::lichteWeiten()
{
    const auto innenkette = [&](double yLinks, double yRechts, float wert, double zFlaeche, double zGegenueber) {
        const double xl = b.x(yLinks), xr = b.x(yRechts), yf = b.y(zFlaeche);
        const double richtung = zGegenueber > zFlaeche ? -1 : 1; // paper y from the face into the cell
        // Under the top flange below the middle stiffener, with room for its data beside it.
        const int st5 = platteNamens(g, "Steife 5");
        const double unterSt5 = st5 >= 0 ? (zFlaeche - plattenhuelle(g, st5)[1]) * p.s + 4.5 : 0;
        const double erstes = richtung < 0 ? 10 : std::max(4.0, unterSt5), raum = std::fabs(b.y(zGegenueber) - yf) - 4;
        const QString t = einfacherZahltext(beschriftungswert(wert));
        for (Strenge strenge : {Strenge::Alles, Strenge::Beschriftungen})
            for (double ab = erstes; ab < raum; ab += 1.5) {
                const double yk = yf + richtung * ab;
                const QRectF feld((xl + xr - f.textWidth(t)) / 2, yk - 2, f.textWidth(t), f.textHeight(t));
                if (z.bel.frei(feld) && z.bel.leitungFrei(QLineF(xl + 1.6, yk, xr - 1.6, yk), strenge)) {
                    if (tanA != 0)
                        for (double xe : {xl, xr})
                            z.linie(QPointF(xe, yf), QPointF(xe, yk + richtung));
                    z.wertmass(xl, yk, wert, (xr - xl) / double(wert), 1);
                    return;
                }
            }
    };
    if (stegR >= 0 && stegL >= 0 && !istZweizeller(x)) {
        const double zDecke = std::min(plattenhuelle(g, stegR)[3], plattenhuelle(g, stegL)[3]);
        if (schieneMitteObergurt(x) && tanA != 0) {
            // The width typed is the top one; the engine got the bottom one.
            const double oben = half + (zDecke - zb) * tanA;
            innenkette(-oben, oben, beschriftungswert(float(2 * oben)), zDecke, zb);
        } else {
            innenkette(-half, half, float(d.clearWidth), zb, zDecke);
        }
    }
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

// Flange thicknesses from inside the cell (the top one also under its
// overhangs), pointing into the plate.
void Schweisszeichnung::gurtdicken()
{
    using Ort = Zeichnung::Abstandsort;
    // Label right of the line, else left of it.
    const auto zwischen = [&](double links, double rechts, double yp, int modus) {
        std::vector<Ort> orte;
        if (rechts > links)
            for (int m : {modus, modus == 2 ? 5 : 6})
                for (double xs : spotsZwischen(links, rechts))
                    orte.push_back({{xs, yp}, m});
        return orte;
    };
    const int links = stegL;
    const int rechts = istZweizeller(x) ? mittel : stegR;
    if (links >= 0 && rechts >= 0) {
        const double innenL = b.x(plattenhuelle(g, links)[2]) + 2, innenR = b.x(plattenhuelle(g, rechts)[0]) - 2;
        std::vector<Ort> oben = zwischen(innenL, innenR, b.y(zUnterOG), 2);
        const int og = platteNamens(g, "Obergurt");
        if (og >= 0) {
            const auto o = plattenhuelle(g, og);
            for (const auto& [von, bis] : {std::pair{b.x(o[0]) + 1.5, b.x(plattenhuelle(g, links)[0]) - 1.5},
                                           std::pair{b.x(plattenhuelle(g, rechts)[2]) + 1.5, b.x(o[2]) - 1.5}})
                for (const Ort& ort : zwischen(von, bis, b.y(zUnterOG), 2))
                    oben.push_back(ort);
            // Where the cell's top is crowded (a rail at mid flange between webs that spread to the flange's
            // ends), from above the flange beside the rail.
            for (const Ort& ort : zwischen(b.x(o[0]) + 1.5, b.x(o[2]) - 1.5, b.y(o[3]), 4))
                oben.push_back(ort);
        }
        z.abstandsmassBeiFreiem(oben, float(d.topThickness), p.s);
        if (!mitUntergurtH(x))
            z.abstandsmassBeiFreiem(zwischen(innenL, innenR, b.y(zb), 4), float(d.bottomThickness), p.s);
    }
    const int s3 = platteNamens(g, "Steg 2. Zelle"), o3 = platteNamens(g, "Obergurt 2. Zelle");
    if (istZweizeller(x) && o3 >= 0 && s3 >= 0 && mittel >= 0)
        z.abstandsmassBeiFreiem(zwischen(b.x(plattenhuelle(g, mittel)[2]) + 2, b.x(plattenhuelle(g, s3)[0]) - 2,
                                         b.y(plattenhuelle(g, o3)[1]), 2),
                                float(d.secondCell.topThickness), p.s);
    const int hu = platteNamens(g, "H-Profil Untergurt");
    if (mitUntergurtH(x) && hu >= 0) {
        const auto u = plattenhuelle(g, hu);
        const double xl = b.x(u[0]) + 2, xr = b.x(-d.profile.webThickness / 2) - 2;
        z.abstandsmassBeiFreiem(zwischen(xl, xr, b.y(u[3]), 4), float(d.profile.flangeThickness), p.s);
    }
}

// Web thicknesses at about a third of the way down, pointing into the plate
// from the cell or from outside.
void Schweisszeichnung::stegdicken()
{
    const auto stegdicke = [&](int platte, float t, double faktor) {
        if (platte < 0 || !(t > 0))
            return;
        const auto w = huelle(g.plates[size_t(platte)].outline);
        std::vector<Zeichnung::Abstandsort> orte;
        for (double anteil : {0.35, 0.5, 0.65, 0.2, 0.8, 0.42, 0.58, 0.27, 0.73, 0.12, 0.88}) {
            const double zs = w[3] - anteil * (w[3] - w[1]);
            // From the left face pointing right, or from the right face pointing left.
            orte.push_back({{stegkante(platte, zs, false), b.y(zs)}, 3});
            orte.push_back({{stegkante(platte, zs, true), b.y(zs)}, 1});
        }
        z.abstandsmassBeiFreiem(orte, t, p.s * faktor);
    };
    if (istZweizeller(x)) {
        stegdicke(stegL, float(d.webThickness), 1);
        stegdicke(mittel, float(d.webThickness2), 1);
        stegdicke(platteNamens(g, "Steg 2. Zelle"), float(d.secondCell.webThickness), 1);
        return;
    }
    const double schraeg = !mitHalbemH(x) && !istWinkelform(x) ? 1 / cosA : 1;
    stegdicke(stegR, float(d.webThickness), schraeg);
    stegdicke(stegL, float(d.webThickness2 > 0 ? d.webThickness2 : d.webThickness), schraeg);
    if (mitStegprofil(x))
        stegdicke(platteNamens(g, "H-Profil Steg"), float(d.profile.webThickness), 1);
}

// The trolley plate on the angle section's web: its height by a thickness
// dimension (its width is in the bottom chain); a plate under 2 mm on paper
// is named by its size on a leader instead, as a rail is, so that no arrows
// pile up on it.
void Schweisszeichnung::flachstahl()
{
    const int flach = platteNamens(g, "Flachstahl");
    if (flach < 0)
        return;
    const auto fl = plattenhuelle(g, flach);
    if (d.flatHeight * p.s >= 2) {
        std::vector<Zeichnung::Abstandsort> orte;
        for (double xs : spotsZwischen(b.x(fl[0]) + 1, b.x(fl[2]) - 1))
            orte.push_back({{xs, b.y(fl[3])}, 4});
        z.abstandsmassBeiFreiem(orte, float(d.flatHeight), p.s);
        return;
    }
    const QString groesse = einfacherZahltext(float(d.flatWidth)) + u'x' + einfacherZahltext(float(d.flatHeight));
    z.beschrifte(b.p({fl[0] + 0.7 * (fl[2] - fl[0]), (fl[1] + fl[3]) / 2}), {groesse}, 0, {0.6, 1});
}

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
