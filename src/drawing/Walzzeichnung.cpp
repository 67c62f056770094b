// The rolled profile drawn to scale, step by step as the result page has
// always drawn it: flanges, web and fillets (with the flat rail on the top
// flange or the profile under the bottom flange), radii, heights and widths,
// plate thicknesses, the numbered stress points and the axis symbol.
#include "drawing/Detailzeichnungen.h"

#include "Zeichenprimitive.h"
#include "Zeichnung.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "kern/section_geometry.h"

#include <algorithm>
#include <vector>

namespace detailzeichnung {
namespace {

using namespace tarvello::geometrie;

float feld(const QString& text) { return zahl(text); }

const StressPoint* punkt(const SectionGeometry& g, int n)
{
    for (const StressPoint& p : g.points)
        if (p.number == n)
            return &p;
    return nullptr;
}

class Walzzeichnung {
public:
    // Scales the profile; moves y down by a flat rail standing on the top flange.
    Walzzeichnung(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r);
    // Draws everything; returns the page y below the drawing.
    double zeichne();

private:
    void kasten(double x, double yy, double w, double h) { z.rechteck(x, yy, x + w, yy + h); }
    void strich(double x, double yy, double dx, double dy) { z.linie(x, yy, x + dx, yy + dy); }
    void umriss();
    void radien();
    void hoehenUndBreiten();
    void dicken();
    void flachschiene();
    void punkte();

    Zeichenflaeche& z;
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
    double xAchse = 0, yAchse = 0; // the engine's centroid
    std::vector<QRectF> dickenfelder; // the thickness labels of the bottom profile
};

Walzzeichnung::Walzzeichnung(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus_,
                             const Ergebnislage& lage)
    : z(f), r(lage), modus(modus_)
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
    g = gebaut.geometry;

    // 2. The flat rail.
    if (modus == 103) {
        hr = feld(e.flachschienenhoehe);
        br = feld(e.flachschienenbreite);
    }

    // 3. Scale: the web height counts when it is not smaller than B.
    const double bezug = std::max(B, hw);
    if (!(bezug > 0) || !endlich(bezug))
        throw Abbruch{};
    s = 65 / bezug;
    naechstesY = y + (T + H + TU) * s + 5;
    if (modus == 103) {
        y = y + hr * s;
        naechstesY = y + (T + H + TU) * s + 5 + hr * s / 2;
    }
    y0 = y;
    yb = y0 + (T + hw + TU) * s;
    if (!endlich(yb) || !endlich(naechstesY))
        throw Abbruch{};
    yFuge = y0 + (T + hw - HU) * s;
    // The engine's centroid on paper (see step 16).
    const double zOben = T + hw + TU / 2;
    xAchse = c + double(r.ys) * s;
    yAchse = y0 + (zOben - double(r.zs)) * s;
}

double Walzzeichnung::zeichne()
{
    umriss();
    radien();
    hoehenUndBreiten();
    dicken();
    flachschiene();
    punkte();
    // 16. The axis symbol at the engine's centroid: z counts from the bottom
    // flange's mid-plane, the top face lies H − TU/2 above it.
    zeichneAchsenkreuz(xAchse, yAchse, r.apsi);
    return naechstesY;
}

void Walzzeichnung::umriss()
{
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
}

void Walzzeichnung::radien()
{
    // 9. Radius labels.
    z.setzeLinienbreite(linienbreite(1));
    z.setzeSchriftgroesse(kSchriftMass);
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
}

void Walzzeichnung::hoehenUndBreiten()
{
    // 10. Overall height on the left, extension lines from 1 beyond the
    // dimension line to the flange edges. For the bottom profile the chain
    // beside it splits the height at the joint, the overall height stands
    // further out.
    const double xH = c - B * s / 2 - (modus == 110 ? 12 : 5);
    zeichneWertmass(xH, y0, float(T + hw + TU), s, 2);
    z.linie(xH - 1, y0, c - B * s / 2, y0);
    z.linie(xH - 1, yb, c - BU * s / 2, yb);

    // 11. The bottom profile: the top width above, its height with the flange beside the height.
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
}

void Walzzeichnung::dicken()
{
    // 13. Thicknesses. The web's at 0.35 of its height, lower or higher
    // where the axis symbol stands there.
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
    zeichneAbstandsmass(c, y0 + T * s, float(T), s, 2);
    if (modus == 110) {
        const double ySU = y0 + (hw + T - 2 * HU / 3) * s, yTU = y0 + (hw + T + TU) * s - TU * s;
        zeichneAbstandsmass(c - SU * s / 2, ySU, float(SU), s, 3);
        zeichneAbstandsmass(c - 0.4 * BU * s, yTU, float(TU), s, 4);
        const QString su = einfacherZahltext(float(SU)), tu = einfacherZahltext(float(TU));
        dickenfelder.push_back(QRectF(c - SU * s / 2 - 4 - z.textWidth(su) / 2, ySU - 4, z.textWidth(su), z.textHeight()));
        dickenfelder.push_back(QRectF(c - 0.4 * BU * s + 1, yTU - 5, z.textWidth(tu), z.textHeight()));
    }
}

void Walzzeichnung::flachschiene()
{
    // 14. The flat rail's size.
    if (modus == 103) {
        const QString label = einfacherZahltext(float(br)) + u'x' + einfacherZahltext(float(hr));
        z.linie(c - br * s / 2, y0 - hr * s / 2, c - br * s / 2 - br * s / 2 - 3, y0 - hr * s / 2);
        schreibeBei(c - br * s / 2 - z.textWidth(label) - 0.5, y0 - hr * s / 2 - 5.5, label);
    }
}

void Walzzeichnung::punkte()
{
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
}

} // namespace
} // namespace detailzeichnung

double zeichneWalzprofil(Zeichenflaeche& f, double& y, const Querschnittsdaten& e, int modus, const Ergebnislage& r)
{
    using namespace detailzeichnung;
    return zeichneGeschuetzt(f, y, [&] { return Walzzeichnung(f, y, e, modus, r).zeichne(); });
}
