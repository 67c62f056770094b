#include "Nachweisseite.h"

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"

#include <cmath>

namespace {

const QString kSchrift = QStringLiteral("Times New Roman");


QString einheit(const QString& name, double wert, const QString& e)
{
    return name + QStringLiteral(" = ") + nachweiszahl(wert, 1) + u' ' + e;
}

// One line of values, each starting at its own tab of 45 mm.
void zeile(Zeichenflaeche& f, const QStringList& teile)
{
    const double y = f.CurrentY, links = f.linkerRand();
    for (int i = 0; i < teile.size(); ++i)
        schreibeBei(links + 45 * i, y, teile[i]);
    f.CurrentX = links;
    f.CurrentY = y + f.textHeight();
}

void eingaben(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    const Schnittgroessen& s = d.bemessung.kraefte;
    f.print(text(kKraefte));
    f.print(text(kAchsen));
    const QString kN = QStringLiteral("kN"), kNm = QStringLiteral("kNm");
    zeile(f, {einheit("N", s.N, kN), einheit("Vy", s.Vy, kN), einheit("Vz", s.Vz, kN)});
    zeile(f, {einheit("Mx", s.Mx, kNm), einheit("My", s.My, kNm), einheit("Mz", s.Mz, kNm)});
    zeile(f, {text(kSorte) + u' ' + stahlsorten()[int(d.bemessung.sorte)],
              QStringLiteral("γM0 = ") + nachweiszahl(d.bemessung.gammaM0, 2)});
    f.print(text(kStreckgrenze));
}

void radlastblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    if (!d.radlast || !d.ort)
        return;
    const Radlastausbreitung& a = *d.radlast;
    const Radlastort& o = *d.ort;
    const Bemessung& b = d.bemessung;
    f.print(QString());
    f.print(text(kRadlastKopf));
    f.print(text(kRadlast) + QStringLiteral(" = ") + nachweiszahl(b.radlast) + QStringLiteral(" kN, ") +
            text(kFest + int(b.befestigung)) + QStringLiteral(", ") + text(kVerschleiss) + QStringLiteral(" = ") +
            nachweiszahl(100 * b.verschleiss, 0) + QStringLiteral(" %"));
    f.print(QStringLiteral("hr = %1 mm, tf = %2 mm, tw = %3 mm, beff = min(bfr + hr + tf; bf) = %4 mm")
                .arg(nachweiszahl(a.hr), nachweiszahl(o.tf), nachweiszahl(o.tw), nachweiszahl(a.beff)));
    f.print(QStringLiteral("Ir = %1 mm⁴, If,eff = %2 mm⁴, Irf = %3 mm⁴")
                .arg(QString::number(a.Ir, 'e', 4), QString::number(a.Ifeff, 'e', 4), QString::number(a.Irf, 'e', 4)));
    const QString formel = b.befestigung == Schienenbefestigung::Starr ? QStringLiteral("3.25·(Irf/tw)^(1/3)")
                           : b.befestigung == Schienenbefestigung::NichtStarr
                               ? QStringLiteral("3.25·((Ir + If,eff)/tw)^(1/3)")
                               : QStringLiteral("4.25·((Ir + If,eff)/tw)^(1/3)");
    f.print(QStringLiteral("leff = ") + formel + QStringLiteral(" = ") + nachweiszahl(a.leff) + QStringLiteral(" mm"));
    f.print(QStringLiteral("σoz,Ed = Fz,Ed / (leff·tw) = ") + nachweiszahl(a.sigmaOz) + QStringLiteral(" N/mm² ") +
            text(kAm) + QStringLiteral(" P") + QString::number(o.punkt));
}

// Column k's numbers end at kSpalte[k]; the point's name starts at the margin.
constexpr double kSpalte[] = {26, 48, 68, 88, 110, 130, 150};

void tabelle(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    const double links = f.linkerRand();
    f.print(QString());
    f.print(text(kFormel));
    f.print(text(kSpannungen));
    const QStringList koepfe{QStringLiteral("t [mm]"), QStringLiteral("σx"), QStringLiteral("τ"), QStringLiteral("σz"),
                             QStringLiteral("σv"),     QStringLiteral("fy"), QStringLiteral("η")};
    double y = f.CurrentY + 1;
    schreibeBei(links, y, text(kPunkt));
    for (int k = 0; k < koepfe.size(); ++k)
        schreibeBei(links + kSpalte[k] - f.textWidth(koepfe[k]), y, koepfe[k]);
    y += f.textHeight();
    f.linie(links, y, links + kSpalte[6] + 2, y);
    y += 0.5;
    const Nachweis& n = d.nachweis;
    for (size_t i = 0; i < n.punkte.size(); ++i) {
        const Punktnachweis& p = n.punkte[i];
        const bool massgebend = int(i) == n.massgebend;
        f.setzeFett(massgebend);
        schreibeBei(links, y, QStringLiteral("P%1").arg(p.nummer));
        const QString eta = p.fy > 0 ? nachweiszahl(p.eta, 3) : text(kKeinFy);
        const QStringList werte{nachweiszahl(p.dicke),  nachweiszahl(p.sigmaX), nachweiszahl(p.tau),
                                nachweiszahl(p.sigmaZ), nachweiszahl(p.sigmaV), nachweiszahl(p.fy, 0), eta};
        for (int k = 0; k < werte.size(); ++k)
            schreibeBei(links + kSpalte[k] - f.textWidth(werte[k]), y, werte[k]);
        y += f.textHeight();
    }
    f.setzeFett(false);
    f.CurrentX = links;
    f.CurrentY = y + 1;
    if (d.schienenpunkt)
        f.print(text(kSchienenkopf));
}

void urteil(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    const Nachweis& n = d.nachweis;
    f.print(QString());
    if (n.massgebend >= 0) {
        const Punktnachweis& p = n.punkte[size_t(n.massgebend)];
        f.print(text(kMassgebend) + QStringLiteral(": P%1, η = ").arg(p.nummer) +
                (p.fy > 0 ? nachweiszahl(p.eta, 3) : text(kKeinFy)));
    }
    f.setzeSchriftgroesse(14);
    f.setzeFett(true);
    f.print(text(n.erfuellt ? kErfuellt : kNichtErfuellt));
    f.setzeFett(false);
}

} // namespace

QString nachweiszahl(double wert, int stellen)
{
    // −0.0 would print with its sign.
    const double gerundet = std::round(wert * std::pow(10, stellen)) / std::pow(10, stellen);
    return QString::number(gerundet == 0 ? 0.0 : gerundet, 'f', stellen);
}

void legeNachweisseiteAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    f.setzeSchrift(kSchrift, 14);
    f.setzeFett(false);
    f.setzeLinkenRand(-20);
    f.print(QString());
    f.setzeFett(true);
    f.print(text(kTitel) + QStringLiteral(" – ") + d.querschnitt);
    f.setzeFett(false);
    f.setzeSchriftgroesse(10);
    f.print(QString());
    eingaben(f, d, text);
    radlastblock(f, d, text);
    tabelle(f, d, text);
    urteil(f, d, text);
}
