#include "Nachweisseite.h"

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"
#include "report/Auslastungsbild.h"
#include "report/Nachweisteile.h"

#include <cmath>

namespace {

QString einheit(const QString& name, double wert, const QString& e)
{
    return name + QStringLiteral(" = ") + nachweiszahl(wert, 1) + u' ' + e;
}

void eingaben(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    const Bemessung& b = d.bemessung;
    const Schnittgroessen& s = b.kraefte;
    f.print(text(kKraefte));
    f.print(text(kAchsen));
    const QString kN = QStringLiteral("kN"), kNm = QStringLiteral("kNm");
    nachweiszeile(f, {einheit("N", s.N, kN), einheit("Vy", s.Vy, kN), einheit("Vz", s.Vz, kN)});
    nachweiszeile(f, {einheit("Mx", s.Mx, kNm), einheit("My", s.My, kNm), einheit("Mz", s.Mz, kNm)});
    nachweiszeile(f, {text(kSorte) + u' ' + stahlsorten()[int(b.sorte)] + QStringLiteral(" (") + stahlnorm(b.sorte) + u')',
                      QString(), QStringLiteral("γM0 = ") + nachweiszahl(b.gammaM0, 2),
                      QStringLiteral("γM1 = ") + nachweiszahl(b.gammaM1, 2)});
    f.print(text(kSteifenabstand) + QStringLiteral(" = ") +
            (b.steifenabstand > 0 ? nachweiszahl(b.steifenabstand, 0) + QStringLiteral(" mm") : QStringLiteral("–")));
    if (b.radlast > 0)
        f.print(text(kRadlast) + QStringLiteral(" = ") + nachweiszahl(b.radlast) + QStringLiteral(" kN, ") +
                text(kFest + int(b.befestigung)) + QStringLiteral(", ") + text(kVerschleiss) + QStringLiteral(" = ") +
                nachweiszahl(100 * b.verschleiss, 0) + QStringLiteral(" %"));
    f.print(text(d.abgefahren ? kAbgefahren : kWieEingegeben) + QStringLiteral(": IY = ") +
            nachweiszahl(d.IYnachweis / 1e4, 0) + QStringLiteral(" cm⁴") +
            (d.abgefahren ? QStringLiteral(" (") + text(kEingegeben) + QStringLiteral(": ") +
                                nachweiszahl(d.IYeingabe / 1e4, 0) + QStringLiteral(" cm⁴)")
                          : QString()));
}

void urteil(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    const Nachweis& n = d.nachweis;
    f.print(QString());
    f.setzeFett(true);
    f.print(text(kNachweise));
    f.setzeFett(false);
    for (size_t i = 0; i < n.teile.size(); ++i) {
        f.setzeFett(int(i) == n.massgebend);
        const Teilnachweis& t = n.teile[i];
        const double y = f.CurrentY;
        schreibeBei(f.linkerRand(), y, text(pruefungstext(t.pruefung)));
        schreibeBei(f.linkerRand() + 128, y, teilnachweisWert(d, t, text));
        f.CurrentX = f.linkerRand();
        f.CurrentY = y + f.textHeight();
    }
    f.setzeFett(false);
    f.print(QString());
    if (n.massgebend >= 0) {
        const Teilnachweis& t = n.teile[size_t(n.massgebend)];
        f.print(text(kMassgebend) + QStringLiteral(": ") + text(pruefungstext(t.pruefung)) + QStringLiteral(", η = ") +
                nachweiszahl(t.eta, 3));
    }
    f.setzeSchriftgroesse(12);
    f.setzeFett(true);
    static const int urteile[] = {kErfuellt, kNichtErfuellt, kKlasse4, kUnvollstaendig};
    f.print(text(urteile[int(n.urteil)]));
    f.setzeFett(false);
    f.setzeSchriftgroesse(10);
    f.print(text(d.traeger ? kNichtErfasstBauteil : kNichtErfasst));
}

} // namespace

QString nachweiszahl(double wert, int stellen)
{
    // −0.0 would print with its sign.
    const double gerundet = std::round(wert * std::pow(10, stellen)) / std::pow(10, stellen);
    return QString::number(gerundet == 0 ? 0.0 : gerundet, 'f', stellen);
}

void legeNachweisseiteAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString&)
{
    nachweiskopf(f, text(kTitel) + QStringLiteral(" – ") + d.querschnitt);
    f.print(text(kBild));
    // Room above the picture for the label of a point on its top edge.
    const double oben = f.CurrentY + 5;
    if (zeichneAuslastung(f, d, f.linkerRand(), oben, 170, 80))
        f.CurrentY = oben + 84;
    f.CurrentX = f.linkerRand();
    eingaben(f, d, text);
    urteil(f, d, text);
}
