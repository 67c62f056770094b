#include "Zeichenprimitive.h"

#include "Zeichenflaeche.h"
#include "kern/Zahlen.h"

#include <QPaintDevice>
#include <QPainter>
#include <QtMath>
#include <cmath>

namespace {

Zeichenziel g_ziel;

Zeichenflaeche* flaeche() { return g_ziel.flaeche; }

void linie(double x1, double y1, double x2, double y2) { g_ziel.flaeche->linie(x1, y1, x2, y2); }

// Open arrowhead: two strokes from the tip, 1.5 back along the line (in the
// direction (rx, ry), a unit vector) and 0.5 off it to either side.
void offenerPfeil(double x, double y, double rx, double ry)
{
    const double lx = 1.5 * rx, ly = 1.5 * ry;
    const double qx = -0.5 * ry, qy = 0.5 * rx;
    linie(x, y, x + lx + qx, y + ly + qy);
    linie(x, y, x + lx - qx, y + ly - qy);
}

} // namespace

void setzeZeichenziel(Zeichenflaeche* flaeche, bool testansicht) { g_ziel = {flaeche, testansicht}; }
void setzeZeichenziel(const Zeichenziel& ziel) { g_ziel = ziel; }
const Zeichenziel& zeichenziel() { return g_ziel; }

Zeichenzielbindung::Zeichenzielbindung(Zeichenflaeche* flaeche, bool testansicht) : m_vorher(g_ziel)
{
    setzeZeichenziel(flaeche, testansicht);
}

Zeichenzielbindung::~Zeichenzielbindung() { g_ziel = m_vorher; }

int linienbreite(int n)
{
    if (g_ziel.testansicht)
        return n;
    // Off the screen the bound surface is the printer itself; its resolution
    // is what the width is measured against.
    const Zeichenflaeche* drucker = g_ziel.flaeche;
    const QPaintDevice* geraet = drucker && drucker->painter() ? drucker->painter()->device() : nullptr;
    const int dpi = geraet ? geraet->logicalDpiX() : 0;
    if (dpi <= 0)
        return 2 * n;
    // 12 twips per unit over 1440/dpi twips per pixel, kept as dpi/120 so
    // that 600 dpi gives exactly 5.
    double faktor = 12.0 * dpi / 1440.0;
    if (faktor > 10)
        faktor = 10;
    return int(std::floor(n * faktor));
}

void schreibeBei(double x, double y, const QString& text)
{
    if (!flaeche())
        return;
    flaeche()->CurrentX = x;
    flaeche()->CurrentY = y;
    flaeche()->print(text, false);
}

void zeichnePfeil(double x, double y, int richtung)
{
    if (!flaeche())
        return;
    double b1x, b1y, b2x, b2y;
    switch (richtung) {
    case 1:
        b1x = x - 1.5, b1y = y + 1, b2x = x - 1.5, b2y = y - 1;
        break;
    case 2:
        b1x = x + 1.5, b1y = y + 1, b2x = x + 1.5, b2y = y - 1;
        break;
    case 3:
        b1x = x - 1, b1y = y + 1.5, b2x = x + 1, b2y = y + 1.5;
        break;
    case 4:
        b1x = x - 1, b1y = y - 1.5, b2x = x + 1, b2y = y - 1.5;
        break;
    default:
        return;
    }
    linie(x, y, b1x, b1y);
    linie(b1x, b1y, b2x, b2y);
    linie(b2x, b2y, x, y);
}

void zeichneMass(double x1, double y1, double x2, double y2, const QString& text, int modus)
{
    Zeichenflaeche* f = flaeche();
    if (!f)
        return;
    const double w = f->textWidth(text);
    const double h = f->textHeight(text) / 2;
    const double mitteX = (x1 + x2) / 2;
    const double mitteY = (y1 + y2) / 2;

    // Horizontal dimension line at the heights a (left end) and b (right
    // end), broken from `links` to `rechts` around the text.
    const auto waagerecht = [&](double a, double b, double links, double rechts) {
        linie(x1, a, links, a);
        linie(x2, b, rechts, b);
        zeichnePfeil(x1, a, 2);
        zeichnePfeil(x2, b, 1);
    };
    // Vertical dimension line, the upper piece at xo and the lower one at xu,
    // with a gap of 2.5 above and below the middle.
    const auto senkrecht = [&](double xo, double xu) {
        linie(xo, y1, xo, mitteY - 2.5);
        linie(xu, y2, xu, mitteY + 2.5);
        zeichnePfeil(xo, y1, 3);
        zeichnePfeil(xu, y2, 4);
    };

    switch (modus) {
    case 0:
        waagerecht(y1, y2, mitteX, mitteX);
        schreibeBei(mitteX - w / 2, y1 - 2.5, text);
        break;
    case 1: {
        // A point beside the line (x1 > x2) is brought to it by an extension
        // line; the whole dimension line then stands at x2.
        const double xo = x1 > x2 ? x2 : x1;
        if (x1 > x2)
            linie(x1, y1, x2 - 1, y1);
        senkrecht(xo, x2);
        schreibeBei(xo - w / 2, mitteY - h, text);
        break;
    }
    case 2:
    case 12:
        linie(x1, modus == 12 ? y1 - 3 : y1, x1, y1 + 5);
        linie(x2, y2 - 3, x2, y2 + 5);
        waagerecht(y1 + 4, y2 + 4, mitteX - 4, mitteX + 4);
        schreibeBei(mitteX - w / 2, y1 + 2, text);
        break;
    case 3:
        linie(x1, y1, x1, y1 - 5);
        linie(x2, y2, x2, y2 - 5);
        waagerecht(y1 - 4, y2 - 4, mitteX - 4, mitteX + 4);
        schreibeBei(mitteX - w / 2, y1 - 4 - h, text);
        break;
    case 4:
        senkrecht(x1, x2);
        schreibeBei(x1 - w / 2, mitteY - 2.5, text);
        break;
    case 5:
        // The text starts 2 left of the middle, so the gap leans to the left.
        linie(x1, y1, x1, y1 - 8);
        linie(x2, y2, x2, y2 - 8);
        waagerecht(y1 - 7, y2 - 7, mitteX - 7, mitteX + 4);
        schreibeBei(mitteX - 2, y1 - 10, text);
        break;
    default:
        break;
    }
}

void zeichneKleinmass(double x1, double y1, double x2, double y2, const QString& text, int modus)
{
    Zeichenflaeche* f = flaeche();
    if (!f)
        return;
    const double w = f->textWidth(text);
    const double h = f->textHeight(text) / 2;

    // Horizontal: leaders running outwards from both points, arrowheads on
    // the points pointing inwards.
    const auto waagerecht = [&](double linksLaenge, double rechtsLaenge) {
        linie(x1 - linksLaenge, y1, x1, y1);
        linie(x2, y2, x2 + rechtsLaenge, y2);
        zeichnePfeil(x1, y1, 1);
        zeichnePfeil(x2, y2, 2);
    };
    // Vertical, on the side seite (1 right, -1 left of the points): a tick
    // from each point (starting `obenAb` and `untenAb` beside it) out to 3,
    // the shafts 2 beside the points, up from the upper and down from the
    // lower one, with the arrowheads pointing at the points.
    const auto senkrecht = [&](double seite, double obenAb, double untenAb) {
        linie(x1 + obenAb, y1, x1 + 3 * seite, y1);
        linie(x2 + untenAb, y2, x2 + 3 * seite, y2);
        linie(x2 + 2 * seite, y2, x2 + 2 * seite, y2 + 4);
        linie(x1 + 2 * seite, y1, x1 + 2 * seite, y1 - 4);
        zeichnePfeil(x2 + 2 * seite, y2, 3);
        zeichnePfeil(x1 + 2 * seite, y1, 4);
    };

    switch (modus) {
    case 0:
        waagerecht(5, 5);
        schreibeBei((x1 + x2) / 2 - w / 2, y1 - 2, text);
        break;
    case 1:
        waagerecht(4, w + 3);
        schreibeBei(x2 + 3, y2 - 4, text);
        break;
    case 2:
        waagerecht(3 + w, 4);
        schreibeBei(x1 - 2.5 - w, y1 - 4, text);
        break;
    case 6:
        waagerecht(4, w + 3);
        schreibeBei((x1 + x2) / 2 - 1.5, y2 - 3.2, text);
        break;
    case 7:
        senkrecht(1, -3, -3);
        schreibeBei(x2 + 4, y1, text);
        break;
    case 3:
        // The upper tick starts at the point: the edge it marks ends there.
        senkrecht(1, 0, -3);
        schreibeBei(x2 + 4, y1, text);
        break;
    case 4:
    case 5:
    case 8:
        senkrecht(-1, 0, 0);
        if (modus == 4)
            schreibeBei(x1 - 4 - w, y1 - 2, text);
        else if (modus == 5)
            schreibeBei(x1 - w / 2, (y1 + y2) / 2 - h, text);
        else
            schreibeBei(x1 - w, y1 - 2 * h - 3.5, text);
        break;
    default:
        break;
    }
}

QString einfacherZahltext(float wert)
{
    QString text = QString::number(double(wert), 'g', 7);
    const QChar trenner = Dezimaltrennzeichen();
    if (trenner != u'.')
        text.replace(u'.', trenner);
    return text;
}

float beschriftungswert(float wert)
{
    const QString text = QString::number(double(wert), 'g', 7);
    const bool ganz = std::isfinite(wert) && !text.contains(u'.');
    if (ganz)
        return wert;
    // Halves go to the even neighbour, as the default rounding mode does.
    return std::nearbyint(wert * 10.0f) / 10.0f;
}

void zeichneWertmass(double x, double y, float wert, double massstab, int modus)
{
    Zeichenflaeche* f = flaeche();
    if (!f)
        return;
    const QString beschriftung = einfacherZahltext(beschriftungswert(wert));
    const double L = wert * massstab;
    const double w = f->textWidth(beschriftung);
    if (modus == 1) {
        // Too short for a 10 wide gap: arrowheads and label only.
        if (L / 2 - 5 > 0) {
            linie(x, y, x + L / 2 - 5, y);
            linie(x + L, y, x + L / 2 + 5, y);
        }
        schreibeBei(x + (L - w) / 2, y - 2, beschriftung);
        offenerPfeil(x, y, 1, 0);
        offenerPfeil(x + L, y, -1, 0);
    } else {
        linie(x, y, x, y + L / 2 - 3);
        linie(x, y + L, x, y + L / 2 + 3);
        schreibeBei(x - w / 2, y + L / 2 - 2, beschriftung);
        offenerPfeil(x, y, 0, 1);
        offenerPfeil(x, y + L, 0, -1);
    }
}

void zeichneSchraegmass(double x1, double y1, double x2, double y2, float wert)
{
    Zeichenflaeche* f = flaeche();
    const double L = std::hypot(x2 - x1, y2 - y1);
    if (!f || !(L > 0))
        return;
    const QString beschriftung = einfacherZahltext(beschriftungswert(wert));
    const double rx = (x2 - x1) / L, ry = (y2 - y1) / L;
    const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    linie(x1, y1, mx - 3 * rx, my - 3 * ry);
    linie(x2, y2, mx + 3 * rx, my + 3 * ry);
    schreibeBei(mx - f->textWidth(beschriftung) / 2, my - 2, beschriftung);
    offenerPfeil(x1, y1, rx, ry);
    offenerPfeil(x2, y2, -rx, -ry);
}

void zeichneAbstandsmass(double x, double y, float wert, double massstab, int modus)
{
    Zeichenflaeche* f = flaeche();
    if (!f)
        return;
    const QString beschriftung = einfacherZahltext(wert);
    const double L = wert * massstab;
    const double w = f->textWidth(beschriftung);
    // (rx, ry): from the point towards the far end.
    double rx = 0, ry = 0, tx = 0, ty = 0, vorLaenge = 6;
    switch (modus) {
    case 1:
        rx = -1, tx = x + 4 - w / 2, ty = y - 4;
        break;
    case 2:
        ry = -1, tx = x + 1, ty = y + 1;
        break;
    case 3:
        rx = 1, tx = x - 4 - w / 2, ty = y - 4;
        break;
    case 4:
        ry = 1, tx = x + 1, ty = y - 5, vorLaenge = 5;
        break;
    case 5:
        ry = -1, tx = x - 1 - w, ty = y + 1;
        break;
    case 6:
        ry = 1, tx = x - 1 - w, ty = y - 5, vorLaenge = 5;
        break;
    default:
        return;
    }
    const double fx = x + L * rx, fy = y + L * ry;
    // Leaders run away from the other end; the arrowheads sit on them.
    linie(x, y, x - vorLaenge * rx, y - vorLaenge * ry);
    linie(fx, fy, fx + 4 * rx, fy + 4 * ry);
    offenerPfeil(x, y, -rx, -ry);
    offenerPfeil(fx, fy, rx, ry);
    schreibeBei(tx, ty, beschriftung);
}

void zeichneAchsenkreuz(double x, double y, double winkel, double laenge, const Achsenbuchstaben& lage)
{
    Zeichenflaeche* f = flaeche();
    if (!f)
        return;
    const double groesse = f->schriftgroesse();
    f->setzeSchriftgroesse(6);
    const double s = std::sin(winkel), c = std::cos(winkel);
    const double yx = x + laenge * c, yy = y - laenge * s; // tip of the y axis
    const double zx = x - laenge * s, zy = y - laenge * c; // tip of the z axis
    linie(x, y, yx, yy);
    linie(x, y, zx, zy);
    const double d = M_PI / 12;
    for (const double v : {-d, d}) {
        linie(zx, zy, zx + 2 * std::sin(winkel + v), zy + 2 * std::cos(winkel + v));
        linie(yx, yy, yx - 2 * std::cos(winkel + v), yy + 2 * std::sin(winkel + v));
    }
    schreibeBei(zx + lage.zx, zy + lage.zy, QStringLiteral("Z"));
    schreibeBei(yx + lage.yx, yy + lage.yy, QStringLiteral("Y"));
    f->setzeSchriftgroesse(groesse);
}
