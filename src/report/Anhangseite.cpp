#include "Anhangseite.h"

#include "kern/Zahlen.h"
#include "report/Seitenhilfen.h"

#include <QLocale>
#include <cmath>

namespace {

// A place to the millimetre: enough to find a peak on the drawing.
QString ortstext(double y, double z)
{
    QLocale ort;
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    return ort.toString(y, 'f', 0) + QStringLiteral(" / ") + ort.toString(z, 'f', 0);
}

void bauteilwerte(Zeichenflaeche& f, const Bauteilwerte& b, const Printtext& printtext)
{
    if (!b.Iw && !b.zj && !b.Wply && !b.Wplz)
        return;
    f.print(printtext(64));
    if (b.Iw)
        seite::wertzeile(f, QStringLiteral("Iw   = "), *b.Iw, QStringLiteral(" [mm⁶]"));
    if (b.zj)
        seite::wertzeile(f, QStringLiteral("zj   = "), *b.zj, QStringLiteral(" [mm]"), 1);
    if (b.Wply)
        seite::wertzeile(f, QStringLiteral("Wpl,y = "), *b.Wply, QStringLiteral(" [mm³]"));
    if (b.Wplz)
        seite::wertzeile(f, QStringLiteral("Wpl,z = "), *b.Wplz, QStringLiteral(" [mm³]"));
    f.setzeSchriftgroesse(10);
    f.print(printtext(65));
    f.setzeSchriftgroesse(12);
    seite::leerzeile(f);
}

void massgebendePunkte(Zeichenflaeche& f, const Ergebnisse& r, double dz, const Printtext& printtext)
{
    bool kopf = false;
    for (size_t n = size_t(kFesteSpannungspunkte); n < r.punkte.size(); ++n) {
        const Spannungspunkt& p = r.punkte[n];
        if (!(p.dicke > 0) || p.spitzeVon < 1 || p.spitzeVon > 6)
            continue;
        if (!kopf) {
            f.print(printtext(19));
            f.setzeSchriftgroesse(10);
            kopf = true;
        }
        f.CurrentX = f.linkerRand();
        f.print(QStringLiteral("P%1   %2 %3   y / z = %4 [mm]")
                    .arg(n + 1)
                    .arg(printtext(68), spannungsnamen()[p.spitzeVon - 1], ortstext(p.y, p.z + dz)));
    }
    if (kopf) {
        f.setzeSchriftgroesse(12);
        seite::leerzeile(f);
    }
}

// Per plate: its name, the six largest values, under each (but Sigma-X, the same everywhere) its place.
void hoechstwerte(Zeichenflaeche& f, const Ergebnisse& r, double dz, const Printtext& printtext, bool deutsch)
{
    if (r.hoechstwerte.empty())
        return;
    f.print(printtext(66));
    f.print(printtext(15));
    const double y = f.CurrentY + 2;
    seite::spaltenkoepfe(f, y, printtext(67), spannungsnamen());
    f.CurrentX = f.linkerRand();
    f.CurrentY = y + f.textHeight();
    for (size_t i = 0; i < r.hoechstwerte.size();) {
        const Plattenhoechstwert& erster = r.hoechstwerte[i];
        std::array<const Plattenhoechstwert*, 6> spalte{};
        size_t j = i;
        for (; j < r.hoechstwerte.size() && r.hoechstwerte[j].nameDe == erster.nameDe &&
               r.hoechstwerte[j].nameEn == erster.nameEn && !spalte[size_t(r.hoechstwerte[j].spalte - 1)];
             ++j)
            spalte[size_t(r.hoechstwerte[j].spalte - 1)] = &r.hoechstwerte[j];
        i = j;
        f.setzeSchriftgroesse(10);
        f.CurrentX = f.linkerRand();
        const double yWerte = f.CurrentY;
        f.print(deutsch ? erster.nameDe : erster.nameEn);
        for (int k = 1; k <= 6; ++k)
            if (const Plattenhoechstwert* h = spalte[size_t(k - 1)]) {
                const QString s = spannungstext(h->wert);
                schreibeBei(seite::spaltenende(k) - f.textWidth(s), yWerte + f.textHeight(), s);
            }
        f.setzeSchriftgroesse(8);
        const double yOrte = yWerte + 2 * f.textHeight() + 1.5;
        for (int k = 2; k <= 6; ++k)
            if (const Plattenhoechstwert* h = spalte[size_t(k - 1)]) {
                const QString s = ortstext(h->y, h->z + dz);
                schreibeBei(seite::spaltenende(k) - f.textWidth(s), yOrte, s);
            }
        f.CurrentX = f.linkerRand();
        f.CurrentY = yOrte + f.textHeight() + 0.5;
    }
    f.setzeSchriftgroesse(12);
}

} // namespace

bool hatAnhang(const Ergebnisse& r)
{
    const Bauteilwerte& b = r.bauteil;
    return b.Iw || b.zj || b.Wply || b.Wplz || !r.hoechstwerte.empty();
}

void legeAnhangAn(Zeichenflaeche& f, const Ergebnisse& r, const QString& titel, double halbeGurtdicke,
                  const Printtext& printtext, const QString& sprache)
{
    seite::anfang(f);
    seite::leerzeile(f);
    f.setzeSchriftgroesse(14);
    f.print(printtext(12) + u' ' + titel);
    seite::leerzeile(f);
    f.setzeSchriftgroesse(12);
    f.print(printtext(2) + QStringLiteral(" [mm]"));
    seite::leerzeile(f);
    bauteilwerte(f, r.bauteil, printtext);
    massgebendePunkte(f, r, halbeGurtdicke, printtext);
    hoechstwerte(f, r, halbeGurtdicke, printtext, sprache == u"D");
}
