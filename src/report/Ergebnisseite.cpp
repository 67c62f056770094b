#include "Ergebnisseite.h"

#include "catalogs/Kataloge.h"
#include "drawing/Detailzeichnungen.h"
#include "kern/Formen.h"
#include "kern/section_geometry.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"
#include "report/Seitenhilfen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using seite::leerzeile;
using seite::wertzeile;

// `groesse`: the section's largest extent. A shear centre that differs from the
// centroid only by rounding noise (a doubly symmetric section) gets no block. The
// finite elements place the shear centre to about 1e-5 of the section's size: a
// lateral place closer to the axis than that is the axis and prints as 0.
void schwerpunktzeilen(Zeichenflaeche& f, const Ergebnisse& r, double halbeGurtdicke, double groesse,
                       const Printtext& printtext)
{
    const auto quer = [genau = 1e-5 * groesse](double y) { return std::fabs(y) < genau ? 0.0 : y; };
    wertzeile(f, QStringLiteral("YS   = "), quer(r.YS), QStringLiteral(" [mm]"), 1);
    // The engine measures from the bottom flange's mid-plane, the page from its underside.
    wertzeile(f, QStringLiteral("ZS   = "), r.ZS + halbeGurtdicke, QStringLiteral(" [mm]"), 1);
    const double gleich = 1e-6 * groesse;
    if (std::fabs(double(r.YM) - r.YS) <= gleich && std::fabs(double(r.ZM) - r.ZS) <= gleich)
        return;
    f.print(printtext(14));
    wertzeile(f, QStringLiteral("YM   = "), quer(r.YM), QStringLiteral(" [mm]"), 1);
    wertzeile(f, QStringLiteral("ZM   = "), r.ZM + halbeGurtdicke, QStringLiteral(" [mm]"), 1);
}

void querschnittswerte(Zeichenflaeche& f, const Ergebnisse& r, const Printtext& printtext)
{
    wertzeile(f, printtext(4) + QStringLiteral(" = "), r.A, QStringLiteral(" [mm²]"));
    wertzeile(f, QStringLiteral("IY   = "), r.IY, QStringLiteral(" [mm⁴]"));
    wertzeile(f, QStringLiteral("IZ   = "), r.IZ, QStringLiteral(" [mm⁴]"));
    wertzeile(f, QStringLiteral("IT   = "), r.IT, QStringLiteral(" [mm⁴]"));
}

void schubflaechen(Zeichenflaeche& f, const Ergebnisse& r)
{
    wertzeile(f, QStringLiteral("AY   = "), r.AY, QStringLiteral(" [mm²]"));
    wertzeile(f, QStringLiteral("AZ   = "), r.AZ, QStringLiteral(" [mm²]"));
}

// One row per point the section has, labelled with the engine's number: a
// point the engine reports absent (thickness 0) has no row. The governing
// points follow the fixed ones under a heading of their own. Column k's heads
// and numbers end at 28·k + 2; a value below 1e-9 of its column's largest is
// rounding noise and prints as 0.
void spannungstabelle(Zeichenflaeche& f, const Ergebnisse& r, const Printtext& printtext)
{
    f.print(printtext(5));
    f.print(printtext(15));
    const double y = f.CurrentY + 2;
    const double links = f.linkerRand(); // the body's margin: one left edge for the whole page
    seite::spaltenkoepfe(f, y, printtext(16), spannungsnamen());
    std::array<double, 6> groesster{};
    for (const Spannungspunkt& p : r.punkte)
        if (p.dicke > 0)
            for (size_t k = 0; k < 6; ++k)
                groesster[k] = std::max(groesster[k], std::fabs(double(p.spannung[k])));
    f.CurrentX = f.linkerRand();
    f.CurrentY = y + f.textHeight();
    f.setzeSchriftgroesse(10);
    for (size_t n = 0; n < r.punkte.size(); ++n) {
        const Spannungspunkt& p = r.punkte[n];
        if (!(p.dicke > 0))
            continue;
        if (int(n) == kFesteSpannungspunkte && r.punkte.size() > n) {
            f.CurrentX = links;
            f.print(printtext(19));
        }
        f.CurrentX = links;
        const double yn = f.CurrentY;
        f.print(QStringLiteral("P%1").arg(n + 1));
        for (size_t k = 0; k < 6; ++k) {
            const double v = p.spannung[k];
            const QString s = spannungstext(std::fabs(v) < 1e-9 * groesster[k] ? 0.0 : v);
            schreibeBei(seite::spaltenende(int(k) + 1) - f.textWidth(s), yn, s);
        }
        f.CurrentX = f.linkerRand();
        f.CurrentY = yn + f.textHeight();
    }
}

void seitenanfang(Zeichenflaeche& f) { seite::anfang(f); }

} // namespace

Ergebnislage ergebnislage(const Ergebnisse& r)
{
    Ergebnislage l;
    l.ys = r.YS;
    l.zs = r.ZS;
    l.apsi = r.Winkel;
    l.punkte = int(r.punkte.size());
    for (size_t i = 0; i < r.punkte.size() && i < l.dicke.size(); ++i)
        l.dicke[i] = r.punkte[i].dicke;
    for (size_t i = size_t(kFesteSpannungspunkte); i < r.punkte.size(); ++i) {
        const Spannungspunkt& p = r.punkte[i];
        if (p.dicke > 0 && p.spitzeVon > 0) {
            tarvello::geometrie::StressPoint sp;
            sp.number = int(i) + 1;
            sp.at = {p.y, p.z};
            sp.thickness = p.dicke;
            sp.governing = true;
            l.massgebend.push_back(sp);
        }
    }
    return l;
}

const QStringList& spannungsnamen()
{
    static const QStringList namen{"Sigma-X", "Tau-Y", "Tau-Z", "Tau-X", "Sigma-Y", "Sigma-Z"};
    return namen;
}

Schienenbild schienenbild(const Querschnittsdaten& q, const QString& schienenkatalog)
{
    const Querschnittsdaten g = nurGezeigtes(q);
    if (!mitSchienenblock(g.Querschnittsnummer) || g.schieneMittragend)
        return {};
    if (g.ASchiene != kKeineSchiene) {
        Schienensatz satz;
        leseASchiene(schienenkatalog, g.ASchiene, satz);
        return {schienenumriss(satz), g.ASchiene};
    }
    const double br = zahl(g.masse.schienenbreite), hr = zahl(g.masse.schienenhoehe);
    if (!(br > 0 && hr > 0))
        return {};
    return {{{-br / 2, 0}, {br / 2, 0}, {br / 2, hr}, {-br / 2, hr}},
            einfacherZahltext(float(br)) + u'x' + einfacherZahltext(float(hr))};
}

double halbeUntergurtdicke(const Querschnittsdaten& eingabe, int modus, const QString& uebergabetext)
{
    const Querschnittsdaten e = nurGezeigtes(eingabe);
    if (modus != 0)
        return zahl(modus == kWalzprofilMitUntergurt ? e.untergurtprofil.T : e.walzprofil.T) / 2;
    // The bottom flange the engine computed with, as its input holds it.
    const auto gelesen = tarvello::geometrie::parseTransfer(uebergabetext.toStdString());
    const auto masse = gelesen.ok ? std::optional(gelesen.input) : querschnittsmasse(e);
    return masse ? masse->welded.bottomThickness / 2 : 0.0;
}

void legeErgebnisseiteAn(Zeichenflaeche& f, const Ergebnisse& r, const Querschnittsdaten& eingabe,
                         const QStringList& formnamen, const Printtext& printtext, const Schienenbild& schiene,
                         const QString& uebergabetext)
{
    seitenanfang(f);
    const Querschnittsdaten e = nurGezeigtes(eingabe);
    const auto gelesen = tarvello::geometrie::parseTransfer(uebergabetext.toStdString());
    const auto masse = gelesen.ok ? std::optional(gelesen.input) : querschnittsmasse(e);
    const int x = int(std::lround(r.x));
    leerzeile(f);
    f.setzeSchriftgroesse(14);
    leerzeile(f);
    const double y0 = f.CurrentY;
    for (const QString& name : formnamen)
        f.print(printtext(12) + u' ' + name);

    double yZ = y0;
    if (bauart(x) != Bauart::Keine) {
        double y = y0 + (istZweizeller(x) ? 20 : 9);
        Ergebnislage lage = ergebnislage(r);
        lage.uebergabetext = uebergabetext;
        yZ = zeichneSchweissquerschnitt(f, y, e, schiene, lage);
    }

    f.setzeSchriftgroesse(12);
    f.CurrentX = f.linkerRand();
    f.CurrentY = y0 + 10;
    leerzeile(f);
    const float alpha = zahl(e.masse.stegwinkel);
    if (alpha != 0) {
        // Stiffener places count along the sloped web: said where a web carries one.
        if (hatStegsteifen(x))
            f.print(printtext(11));
        leerzeile(f);
    }
    f.print(printtext(2) + QStringLiteral(" [mm]"));
    leerzeile(f);
    if (!istZweizeller(x))
        wertzeile(f, printtext(13) + QStringLiteral(" = "), alpha, QStringLiteral(" [") + printtext(17) + u']');
    leerzeile(f);
    querschnittswerte(f, r, printtext);
    f.print(printtext(6));
    schubflaechen(f, r);
    f.print(printtext(istZweizeller(x) ? 10 : 7));
    const auto& d = masse ? masse->welded : tarvello::geometrie::WeldedDimensions();
    schwerpunktzeilen(f, r, halbeUntergurtdicke(eingabe, 0, uebergabetext),
                      std::max({d.topWidth, d.bottomWidth, d.webHeight, d.profile.height, d.profile.flangeWidth}),
                      printtext);
    // The trolley-rail angle's web reaches below the bottom flange: the heights count from the flange.
    if (istWinkelform(x) && masse)
        if (const auto bau = tarvello::geometrie::buildWeldedSection(masse->welded); bau.ok) {
            double tiefste = 0;
            for (const auto& platte : bau.geometry.plates)
                for (const auto& p : platte.outline)
                    tiefste = std::min(tiefste, p.z);
            const double darunter = -masse->welded.bottomThickness / 2 - tiefste;
            if (darunter > 0.05)
                f.print(printtext(126).arg(QString::number(darunter, 'f', 1)));
        }
    if (std::fabs(r.Winkel) > 0.0001f)
        wertzeile(f, printtext(8) + u'=', r.Winkel * 57.2958f, u' ' + printtext(17), 2);
    if (formlayout(x).schienen && !e.schieneMittragend)
        f.print(printtext(9));

    f.CurrentX = f.linkerRand();
    f.CurrentY = std::max(f.CurrentY + 5, yZ + 5);
    spannungstabelle(f, r, printtext);
}

void legeWalzprofilseiteAn(Zeichenflaeche& f, const Ergebnisse& r, const Querschnittsdaten& eingabe, const QString& Typ,
                           int modus, const Printtext& printtext)
{
    seitenanfang(f);
    const Querschnittsdaten e = nurGezeigtes(eingabe);
    leerzeile(f);
    f.print(Typ);
    const double y0 = f.CurrentY;
    double y = y0 + 5;
    const double naechstesY = zeichneWalzprofil(f, y, e, modus, ergebnislage(r));

    f.setzeSchriftgroesse(14);
    f.CurrentX = f.linkerRand();
    f.CurrentY = y0 + 9;
    leerzeile(f);
    querschnittswerte(f, r, printtext);
    f.CurrentY += 10;
    f.print(printtext(6));
    schubflaechen(f, r);
    f.CurrentY += 25;
    if (f.CurrentY < naechstesY)
        f.CurrentY = naechstesY + 5;
    f.print(printtext(7));
    schwerpunktzeilen(f, r, halbeUntergurtdicke(eingabe, modus, QString()), std::max(zahl(e.walzprofil.H), zahl(e.walzprofil.B)), printtext);
    leerzeile(f);
    leerzeile(f);
    spannungstabelle(f, r, printtext);
}
