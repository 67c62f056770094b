// The rolled profile drawn to scale, step by step as the result page has
// always drawn it: flanges, web and fillets (with the flat rail on the top
// flange or the profile under the bottom flange), radii, heights and widths,
// plate thicknesses, the numbered stress points and the axis symbol. What is
// drawn is recorded, so that thicknesses and labels keep clear of it: each
// stands at its customary place when that is free, else at the nearest free one.
#include "drawing/Detailzeichnungen.h"

#include "Zeichenprimitive.h"
#include "Zeichnung.h"
#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "kern/section_geometry.h"

#include <algorithm>
#include <vector>

namespace detailzeichnung {
namespace {

using namespace tarvello::geometrie;

float feld(const QString& text) { return zahl(text); }

class Walzzeichnung {
public:
    // Scales the profile; moves y down by a flat rail standing on the top flange.
    Walzzeichnung(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r);
    // Draws everything; returns the page y below the drawing.
    double zeichne();

private:
    void kasten(double x, double yy, double w, double h);
    void bogen(double cx, double cy, double radius, double w1, double w2);
    void strich(double x, double yy, double dx, double dy) { z.linie({x, yy}, {x + dx, yy + dy}); }
    void umriss();
    void radien();
    void hoehenUndBreiten();
    void dicken();
    void flachschiene();
    void punkte();
    QPointF aufPapier(Point q) const { return {c + q.y * s, y0 + (zOben - q.z) * s}; }

    Zeichnung z;
    Zeichenflaeche& f;
    const Ergebnislage& r;
    const int modus;
    // Profile and bottom profile; without one the bottom is the profile's own.
    double H = 0, B = 0, S = 0, T = 0, R = 0;
    double RU = 0, HU = 0, BU = 0, SU = 0, TU = 0;
    double hw = 0;  // the web's height between the flanges
    double hr = 0, br = 0; // the flat rail
    SectionGeometry g;     // the section the engine computed: where its points are
    double s = 0, c = 135;
    double naechstesY = 0;
    double y0 = 0;     // the top face
    double yb = 0;     // the bottom face: T + hw + TU below the top (H for every mode)
    double yFuge = 0;  // the joint on the bottom profile
    double zOben = 0;  // the top face in the engine's axes
    double xAchse = 0, yAchse = 0; // the engine's centroid
};

Walzzeichnung::Walzzeichnung(Zeichenflaeche& flaeche, double& y, const Querschnittsdaten& e, int modus_,
                             const Ergebnislage& lage)
    : z(flaeche), f(flaeche), r(lage), modus(modus_)
{
    // 1. Profile and bottom profile; without one the bottom is the profile's own.
    const HProfilmasse& w = e.walzprofil;
    const HProfilmasse& u = e.untergurtprofil;
    H = feld(w.H);
    B = feld(w.B);
    S = feld(w.S);
    T = feld(w.T);
    R = feld(w.R);
    RU = feld(u.R);
    HU = feld(u.H);
    BU = feld(u.B);
    SU = feld(u.S);
    TU = feld(u.T);
    hw = H - 2 * T;
    if (modus == kWalzprofilMitUntergurt) {
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
    g = gebaut.geometry;

    // 2. The flat rail.
    if (modus == kWalzprofilMitFlachschiene) {
        hr = feld(e.flachschienenhoehe);
        br = feld(e.flachschienenbreite);
    }

    // 3. Scale: the web height counts when it is not smaller than B.
    const double bezug = std::max(B, hw);
    if (!(bezug > 0) || !endlich(bezug))
        throw Abbruch{};
    s = 65 / bezug;
    naechstesY = y + (T + H + TU) * s + 5;
    if (modus == kWalzprofilMitFlachschiene) {
        y = y + hr * s;
        naechstesY = y + (T + H + TU) * s + 5 + hr * s / 2;
    }
    y0 = y;
    yb = y0 + (T + hw + TU) * s;
    if (!endlich(yb) || !endlich(naechstesY))
        throw Abbruch{};
    yFuge = y0 + (T + hw - HU) * s;
    // The engine's centroid on paper: z counts from the bottom flange's
    // mid-plane, the top face lies H − TU/2 above it.
    zOben = T + hw + TU / 2;
    xAchse = c + double(r.ys) * s;
    yAchse = y0 + (zOben - double(r.zs)) * s;
    z.b = {s, c, y0, zOben};
    z.bel.setzeOberkante(y0 - (modus == kWalzprofilMitFlachschiene ? hr * s : 0) - 12);
}

void Walzzeichnung::kasten(double x, double yy, double w, double h)
{
    f.rechteck(x, yy, x + w, yy + h);
    const QRectF k = QRectF(x, yy, w, h).normalized();
    z.bel.platte({k.topLeft(), k.topRight(), k.bottomRight(), k.bottomLeft()});
}

void Walzzeichnung::bogen(double cx, double cy, double radius, double w1, double w2)
{
    f.bogen(cx, cy, radius, w1, w2);
    double spanne = w2 - w1;
    if (spanne <= 0)
        spanne += 2 * M_PI;
    const auto punkt = [&](double w) { return QPointF(cx + radius * std::cos(w), cy - radius * std::sin(w)); };
    for (int i = 0; i < 6; ++i)
        z.bel.plattenkante(QLineF(punkt(w1 + spanne * i / 6), punkt(w1 + spanne * (i + 1) / 6)));
}

double Walzzeichnung::zeichne()
{
    umriss();
    // The axis symbol's place is kept before anything is placed around it.
    const Zeichnung::Achsenkreuzwahl achse = z.stelleAchsenkreuz({xAchse, yAchse}, r.apsi);
    radien();
    hoehenUndBreiten();
    flachschiene();
    dicken();
    punkte();
    // 16. The axis symbol at the engine's centroid.
    zeichneAchsenkreuz(xAchse, yAchse, r.apsi, achse.arm, achse.lage);
    return naechstesY;
}

void Walzzeichnung::umriss()
{
    // 4. to 6. Flanges and web.
    z.breite(2);
    kasten(c - B * s / 2, y0, B * s, T * s);
    if (modus != kWalzprofilMitUntergurt) {
        kasten(c - S * s / 2, y0 + T * s, S * s, hw * s);
    } else {
        kasten(c - S * s / 2, y0 + T * s, S * s, (hw - HU) * s);
        kasten(c - SU * s / 2, y0 + (hw + T - HU) * s, SU * s, HU * s);
    }
    kasten(c - BU * s / 2, y0 + (hw + T) * s, BU * s, TU * s);

    // 7. Fillets, quarter arcs, with the program's own constants for the angles.
    const double halbPi = 3.1415921 / 2, pi = 3.1415921, dreiHalbePi = 4.71238815;
    if (R * s > 1.5) {
        bogen(c - S * s / 2 - R * s, y0 + T * s + R * s, R * s, 0, halbPi);
        bogen(c + S * s / 2 + R * s, y0 + T * s + R * s, R * s, halbPi, pi);
    }
    if (RU * s > 1.5) {
        bogen(c - SU * s / 2 - RU * s - 0.3, y0 + (T + hw) * s - RU * s, RU * s, dreiHalbePi, 0);
        bogen(c + SU * s / 2 + RU * s, y0 + (T + hw) * s - RU * s, RU * s, pi, dreiHalbePi);
    }

    // 8. The flat rail on the top flange.
    if (modus == kWalzprofilMitFlachschiene)
        kasten(c - br * s / 2, y0, br * s, -hr * s);
    z.breite(1);
    z.schrift(kSchriftMass);
}

void Walzzeichnung::radien()
{
    // 9. Radius labels on a leader to the middle of the right fillets.
    if (R * s > 1.5) {
        const double xl = c + S * s / 2 + R * s + 2, yl = y0 + T * s + R * s + 2;
        strich(xl, yl, -0.71 * R * s - 2, -0.71 * R * s - 2);
        strich(c + S * s / 2, y0 + T * s, 0.3, 0);
        strich(c + S * s / 2, y0 + T * s, 0, 0.3);
        strich(c + S * s / 2 + 0.3, y0 + T * s + 2.5, 2.2, -2.2);
        z.text(xl, yl, einfacherZahltext(float(R)));
    }
    if (RU * s > 1.5) {
        const double xl = c + SU * s / 2 + RU * s + 2, yl = y0 + (hw + T) * s - RU * s - 2;
        strich(xl, yl, -0.71 * RU * s - 2, 0.71 * RU * s + 2);
        strich(c + SU * s / 2, y0 + (hw + T) * s, 0.3, -2.5);
        strich(c + SU * s / 2, y0 + (hw + T) * s, 0, -0.3);
        strich(c + SU * s / 2 + 2, y0 + (hw + T) * s - 0.3, -1.8, -1.8);
        // The label up and right of its leader's start, clear of it.
        z.text(xl + 0.3, yl - 0.3 - f.textHeight(), einfacherZahltext(float(RU)));
    }
}

void Walzzeichnung::hoehenUndBreiten()
{
    // 10. Overall height on the left, extension lines from 1 beyond the
    // dimension line to the flange edges. For the bottom profile the chain
    // beside it splits the height at the joint, the overall height stands
    // further out.
    const double xH = c - B * s / 2 - (modus == kWalzprofilMitUntergurt ? 12 : 5);
    z.wertmass(xH, y0, float(T + hw + TU), s, 2);
    z.linie({xH - 1, y0}, {c - B * s / 2, y0});
    z.linie({xH - 1, yb}, {c - BU * s / 2, yb});

    // 11. The bottom profile: the top width above, its height with the flange beside the height.
    if (modus == kWalzprofilMitUntergurt) {
        z.wertmass(c - B * s / 2, y0 - 5, float(B), s, 1);
        z.linie({c - B * s / 2, y0 - 6}, {c - B * s / 2, y0});
        z.linie({c + B * s / 2, y0 - 6}, {c + B * s / 2, y0});
        const double xK = c - B * s / 2 - 5;
        z.wertmass(xK, y0, float(H - HU - TU), s, 2);
        z.wertmass(xK, yFuge, float(HU + TU), s, 2);
        z.linie({xK - 1, yFuge}, {c - SU * s / 2, yFuge});
    }

    // 12. Bottom width, extension lines from 1 below the dimension line.
    z.wertmass(c - BU * s / 2, yb + 6, float(BU), s, 1);
    z.linie({c - BU * s / 2, yb + 7}, {c - BU * s / 2, yb});
    z.linie({c + BU * s / 2, yb + 7}, {c + BU * s / 2, yb});
}

void Walzzeichnung::dicken()
{
    // 13. Thicknesses: the web's at 0.35 of its height (lower or higher where
    // that is taken), the flanges' in the middle of the web or along their
    // outstands, pointing into the plate.
    using Ort = Zeichnung::Abstandsort;
    std::vector<Ort> steg;
    for (int seite : {-1, 1})
        for (double anteil : {0.35, 0.55, 0.7, 0.2, 0.45, 0.62, 0.27})
            steg.push_back({{c + seite * S * s / 2, y0 + anteil * (modus == kWalzprofilMitUntergurt ? hw - HU : hw) * s}, seite < 0 ? 3 : 1});
    z.abstandsmassBeiFreiem(steg, float(S), s);
    // Along an outstand from its middle outwards and inwards, label on either side.
    const auto flansch = [&](double halbeBreite, double steg2, double rad, double yp, int modus1, int modus2) {
        std::vector<Ort> orte{{{c, yp}, modus1}};
        const double innen = (steg2 / 2 + rad) * s + 1, aussen = halbeBreite * s - 1;
        for (double seite : {-1.0, 1.0})
            for (double a : {0.5, 0.35, 0.65, 0.2, 0.8})
                for (int m : {modus1, modus2})
                    orte.push_back({{c + seite * (innen + a * (aussen - innen)), yp}, m});
        return orte;
    };
    z.abstandsmassBeiFreiem(flansch(B / 2, S, R, y0 + T * s, 2, 5), float(T), s);
    if (modus == kWalzprofilMitUntergurt) {
        std::vector<Ort> su;
        for (double anteil : {2.0 / 3, 0.5, 0.8, 0.35, 0.9, 0.25})
            for (int seite : {-1, 1})
                su.push_back({{c + seite * SU * s / 2, y0 + (hw + T - anteil * HU) * s}, seite < 0 ? 3 : 1});
        z.abstandsmassBeiFreiem(su, float(SU), s);
        std::vector<Ort> tu{{{c - 0.4 * BU * s, yb - TU * s}, 4}};
        for (const Ort& o : flansch(BU / 2, SU, RU, yb - TU * s, 4, 6))
            tu.push_back(o);
        z.abstandsmassBeiFreiem(tu, float(TU), s);
    }
}

void Walzzeichnung::flachschiene()
{
    // 14. The flat rail's size, left of it on a short leader.
    if (modus != kWalzprofilMitFlachschiene)
        return;
    const QString label = einfacherZahltext(float(br)) + u'x' + einfacherZahltext(float(hr));
    const QPointF links(c - br * s / 2, y0 - hr * s / 2);
    z.beschrifte(links, {label}, 0, {-1, -1}, true, {{links.x() - f.textWidth(label) - 0.5, links.y() - 5.5}});
}

void Walzzeichnung::punkte()
{
    // 15. Point labels for the points the engine reported, at their
    // customary places beside the profile when those are free, each with a
    // leader from its point; a governing point also gets its small circle.
    std::vector<StressPoint> alle = g.points;
    alle.insert(alle.end(), r.massgebend.begin(), r.massgebend.end());
    const double yMitte = y0 + (T + hw + TU) * s / 2;
    for (const StressPoint& sp : alle) {
        const int n = sp.number;
        if (n < 1 || n > r.punkte || n > int(r.dicke.size()) || r.dicke[size_t(n - 1)] == 0)
            continue;
        const QPointF ort = aufPapier(sp.at);
        std::vector<QPointF> ueblich;
        switch (n) {
        case 1: ueblich = {{c + BU * s / 2 + 4, yb - 2}}; break;
        case 2: ueblich = {{c - 6.5, y0 + (hw + T) * s - 7.5}}; break;
        case 3: ueblich = {{c - 8.5, y0 + T * s + 3.8}}; break;
        case 4: ueblich = {{c + B * s / 2 + 4, y0 - 2}}; break;
        case 5: ueblich = {modus != kWalzprofilMitUntergurt ? QPointF(c - B * s / 2 - 10.5, yb - 2) : QPointF(c - BU * s / 2 - 5, yb + 1)}; break;
        case 6: ueblich = {{c - B * s / 2 - 10.5, y0 - 2}}; break;
        case 7: ueblich = {{c + 6, yFuge - 2}}; break;
        default: break;
        }
        const QPointF weg(ort.x() - c, ort.y() - yMitte);
        // A governing point may stand further off on its leader: it lies wherever the stresses peak.
        z.beschrifte(ort, {QStringLiteral("P%1").arg(n)}, 0, weg, true, ueblich, {}, sp.governing ? 60 : 13);
        // Its ring is kept from labels; another point's leader may cross it.
        if (sp.governing) {
            f.kreis(ort.x(), ort.y(), kRing);
            z.bel.sperre(QRectF(ort - QPointF(kRing, kRing), ort + QPointF(kRing, kRing)));
        }
    }
}

} // namespace
} // namespace detailzeichnung

double zeichneWalzprofil(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r)
{
    using namespace detailzeichnung;
    return zeichneGeschuetzt(f, y, [&] { return Walzzeichnung(f, y, e, modus, r).zeichne(); });
}
