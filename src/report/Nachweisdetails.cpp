// The design check's second page: the terms of every check, so that each η
// can be followed by hand.
#include "report/Nachweisteile.h"

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"

namespace {

const QString kSchrift = QStringLiteral("Times New Roman");


void radlastblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    if (!d.radlast || !d.ort)
        return;
    const Radlastausbreitung& a = *d.radlast;
    const Radlastort& o = *d.ort;
    f.print(text(kRadlastKopf));
    f.print(QStringLiteral("hr = %1 mm, tf = %2 mm, tw = %3 mm, hw = %4 mm; %5: %6 / %7 mm")
                .arg(nachweiszahl(a.hr), nachweiszahl(o.tf), nachweiszahl(o.tw), nachweiszahl(o.hw), text(kBlech),
                     nachweiszahl(o.links), nachweiszahl(o.rechts)));
    f.print(QStringLiteral("beff = min(bfr + hr + tf; 2·min(%1; %2)) = min(%3; %4) = %5 mm")
                .arg(nachweiszahl(o.links), nachweiszahl(o.rechts), nachweiszahl(a.bfr + a.hr + o.tf), nachweiszahl(o.bf),
                     nachweiszahl(a.beff)));
    f.print(QStringLiteral("Ir = %1 mm⁴, If,eff = %2 mm⁴, Irf = %3 mm⁴").arg(wissenschaftlich(a.Ir), wissenschaftlich(a.Ifeff), wissenschaftlich(a.Irf)));
    const Bemessung& b = d.bemessung;
    const QString formel = b.befestigung == Schienenbefestigung::Starr ? QStringLiteral("3.25·(Irf/tw)^(1/3)")
                           : b.befestigung == Schienenbefestigung::NichtStarr
                               ? QStringLiteral("3.25·((Ir + If,eff)/tw)^(1/3)")
                               : QStringLiteral("4.25·((Ir + If,eff)/tw)^(1/3)");
    f.print(QStringLiteral("leff = ") + formel + QStringLiteral(" = ") + nachweiszahl(a.leff) + QStringLiteral(" mm"));
    f.print(QStringLiteral("σoz,Ed = Fz,Ed / (leff·tw) = ") + nachweiszahl(a.sigmaOz) + QStringLiteral(" N/mm² ") +
            text(kAm) + QStringLiteral(" P") + QString::number(o.punkt) +
            QStringLiteral("; τoxz,Ed = 0.2·σoz,Ed = ") + nachweiszahl(0.2 * a.sigmaOz) +
            QStringLiteral(" N/mm²; σoz(d) = Fz,Ed / ((leff + 2·d)·tw)"));
    if (const auto& s = d.nachweis.stegbiegung)
        f.print(QStringLiteral("ey = %1 mm, TEd = %2 kNm, It = %3 mm⁴, η = %4, σT,Ed = 6·TEd/(a·tw²)·η·tanh η = %5 N/mm²")
                    .arg(nachweiszahl(s->ey, 2), nachweiszahl(s->TEd / 1e6, 3), wissenschaftlich(s->It), nachweiszahl(s->eta, 4),
                         nachweiszahl(s->sigmaT)));
    else
        f.print(text(pruefungstext(Pruefung::Stegbiegung)) + QStringLiteral(": ") + text(kOhneA));
    f.print(QString());
}

void punktblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    f.print(text(kFormel));
    f.print(text(kSpannungen) + QStringLiteral("; ") + text(kStreckgrenze).arg(stahlnorm(d.bemessung.sorte)));
    const Punktnachweise& n = d.nachweis.punkte;
    std::vector<std::pair<QString, QStringList>> zeilen;
    for (const Punktnachweis& p : n.punkte)
        zeilen.push_back({QStringLiteral("P%1").arg(p.nummer),
                          {nachweiszahl(p.dicke), nachweiszahl(p.sigmaX), nachweiszahl(p.tau), nachweiszahl(p.sigmaZ),
                           nachweiszahl(p.sigmaV), nachweiszahl(p.fy, 0), p.fy > 0 ? nachweiszahl(p.eta, 3) : text(kKeinFy)}});
    punkttabelle(f, text(kPunkt),
                 {QStringLiteral("t [mm]"), QStringLiteral("σx"), QStringLiteral("τ"), QStringLiteral("σz"),
                  QStringLiteral("σv"), QStringLiteral("fy"), QStringLiteral("η")},
                 {24, 44, 62, 80, 98, 116, 134}, zeilen, n.massgebend);
    if (d.schienenpunkt)
        f.print(text(kSchienenkopf));
    if (n.massgebend >= 0) {
        const Punktnachweis& p = n.punkte[size_t(n.massgebend)];
        f.print(text(kMassgebend) + QStringLiteral(": P%1, η = ").arg(p.nummer) +
                (p.fy > 0 ? nachweiszahl(p.eta, 3) : text(kKeinFy)));
    }
    f.print(QString());
}

void stegblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache)
{
    const Nachweis& n = d.nachweis;
    if (n.lasteinleitung && n.stegfeld) {
        const Lasteinleitung& l = *n.lasteinleitung;
        const Stegfeld& s = *n.stegfeld;
        f.print(text(pruefungstext(Pruefung::Lasteinleitung)));
        f.print(QStringLiteral("ss = leff − 2·tf = %1 mm, a = %2, fyw = %3, fyf = %4 N/mm², bf = %5 mm%6")
                    .arg(nachweiszahl(n.ss), s.a > 0 ? nachweiszahl(s.a, 0) + QStringLiteral(" mm") : QStringLiteral("∞"),
                         nachweiszahl(s.fyw, 0), nachweiszahl(s.fyf, 0), nachweiszahl(s.bf),
                         l.gammaS > 0 ? QStringLiteral(", b1 = %1 mm, Isl,1 = %2 mm⁴, γs = %3")
                                        .arg(nachweiszahl(s.b1), wissenschaftlich(s.Isl1), nachweiszahl(l.gammaS, 2))
                                  : QString()));
        f.print(QStringLiteral("kF = %1, Fcr = %2 kN, m1 = %3, m2 = %4, ly = %5 mm, λF = %6, χF = %7, Leff = %8 mm")
                    .arg(nachweiszahl(l.kF, 3), nachweiszahl(l.Fcr / 1000), nachweiszahl(l.m1, 2), nachweiszahl(l.m2, 2),
                         nachweiszahl(l.ly), nachweiszahl(l.lambdaF, 3), nachweiszahl(l.chiF, 3), nachweiszahl(l.Leff)));
        f.print(QStringLiteral("FRd = fyw·Leff·tw/γM1 = %1 kN; η2 = Fz,Ed/FRd = %2; η1 = max σx/(fy/γM0) = %3; "
                               "(η2 + 0.8·η1)/1.4 = %4")
                    .arg(nachweiszahl(l.FRd / 1000), nachweiszahl(n.eta2, 3), nachweiszahl(n.eta1, 3),
                         nachweiszahl((n.eta2 + 0.8 * n.eta1) / 1.4, 3)));
        f.print(QString());
    }
    f.print(text(pruefungstext(Pruefung::Schubbeulen)));
    for (const Stegschub& w : n.stege) {
        const QString name = sprache == QStringLiteral("D") ? w.nameDe : w.nameEn;
        const QString kopf = QStringLiteral("%1: %2 × %3, hw/tw = %4")
                                 .arg(name, nachweiszahl(w.hw), nachweiszahl(w.tw), nachweiszahl(w.hw / w.tw));
        if (!w.beulen.noetig)
            f.print(kopf + QStringLiteral(" ≤ %1: ").arg(nachweiszahl(w.beulen.grenze)) + text(kNichtNoetig));
        else
            f.print(kopf + QStringLiteral("%1, λw = %2, χw = %3, τRd = χw·fy/(√3·γM1) = %4, τEd = %5, η3 = %6")
                               .arg(w.beulen.ktau > 0 ? QStringLiteral(", kτ = ") + nachweiszahl(w.beulen.ktau, 2) : QString(),
                                    nachweiszahl(w.beulen.lambdaW, 3), nachweiszahl(w.beulen.chiW, 3),
                                    nachweiszahl(w.beulen.tauRd), nachweiszahl(w.tauEd), nachweiszahl(w.eta, 3)));
    }
    f.print(QString());
}

void klassenblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache)
{
    f.print(text(pruefungstext(Pruefung::Klasse)));
    const double links = f.linkerRand();
    static constexpr double spalten[] = {0, 52, 70, 88, 104, 122, 142};
    const QStringList koepfe{text(kBlech), QStringLiteral("c [mm]"), QStringLiteral("c/t"), QStringLiteral("ψ"),
                             QStringLiteral("σ1"), QStringLiteral("c/t ≤ (3)"), text(kKlasse)};
    double y = f.CurrentY;
    for (int k = 0; k < koepfe.size(); ++k)
        schreibeBei(links + spalten[k], y, koepfe[k]);
    y += f.textHeight();
    int ohneDruck = 0;
    for (const Teilklasse& k : d.nachweis.klassen) {
        // Parts in tension throughout are class 1 and only counted.
        if (!(k.sigma1 > 0)) {
            ++ohneDruck;
            continue;
        }
        const QString name = (sprache == QStringLiteral("D") ? k.nameDe : k.nameEn) + QStringLiteral(" (") +
                             text(k.teil.innen ? kInnen : kRand) + u')';
        const QStringList werte{name,
                                nachweiszahl(k.teil.c),
                                nachweiszahl(k.klasse.cDurchT),
                                nachweiszahl(k.klasse.psi, 2),
                                nachweiszahl(k.sigma1),
                                nachweiszahl(k.klasse.grenzen[2]),
                                QString::number(k.klasse.klasse) +
                                    (k.klasse.klasse == 4 ? QStringLiteral(" (ρ = %1, beff = %2 mm)")
                                                                .arg(nachweiszahl(k.klasse.rho, 3), nachweiszahl(k.klasse.beff))
                                                          : QString())};
        f.setzeFett(k.klasse.klasse == 4);
        for (int i = 0; i < werte.size(); ++i)
            schreibeBei(links + spalten[i], y, werte[i]);
        y += f.textHeight();
    }
    f.setzeFett(false);
    f.CurrentX = links;
    f.CurrentY = y;
    if (ohneDruck > 0)
        f.print(QStringLiteral("%1 × ").arg(ohneDruck) + text(kKeinDruck) + QStringLiteral(": ") + text(kKlasse) +
                QStringLiteral(" 1"));
}

} // namespace

void punkttabelle(Zeichenflaeche& f, const QString& erster, const QStringList& koepfe, const std::vector<double>& enden,
                  const std::vector<std::pair<QString, QStringList>>& zeilen, int fett)
{
    const double links = f.linkerRand();
    const auto zeile = [&](double y, const QString& name, const QStringList& werte) {
        schreibeBei(links, y, name);
        for (int k = 0; k < werte.size() && size_t(k) < enden.size(); ++k)
            schreibeBei(links + enden[size_t(k)] - f.textWidth(werte[k]), y, werte[k]);
    };
    double y = f.CurrentY + 1;
    zeile(y, erster, koepfe);
    y += f.textHeight();
    f.linie(links, y, links + enden.back() + 2, y);
    y += 0.5;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        f.setzeFett(int(i) == fett);
        zeile(y, zeilen[i].first, zeilen[i].second);
        y += f.textHeight();
    }
    f.setzeFett(false);
    f.CurrentX = links;
    f.CurrentY = y + 1;
}

void nachweiskopf(Zeichenflaeche& f, const QString& titel)
{
    f.setzeSchrift(kSchrift, 14);
    f.setzeFett(false);
    f.setzeLinkenRand(-20);
    f.print(QString());
    f.setzeFett(true);
    f.print(titel);
    f.setzeFett(false);
    f.setzeSchriftgroesse(10);
    f.print(QString());
}

void nachweiszeile(Zeichenflaeche& f, const QStringList& teile)
{
    const double y = f.CurrentY, links = f.linkerRand();
    for (int i = 0; i < teile.size(); ++i)
        if (!teile[i].isEmpty())
            schreibeBei(links + 45 * i, y, teile[i]);
    f.CurrentX = links;
    f.CurrentY = y + f.textHeight();
}

int pruefungstext(Pruefung p)
{
    switch (p) {
    case Pruefung::Kippen:
        return kKippen;
    case Pruefung::Ermuedung:
        return kErmuedung;
    default:
        return kPruefung + int(p);
    }
}

QString teilnachweisWert(const Nachweisdaten& d, const Teilnachweis& t, const Printtext& text)
{
    if (!t.moeglich)
        return text(t.pruefung == Pruefung::Kippen ? kKippenNicht : kOhneA);
    if (!t.noetig)
        return text(kNichtNoetig);
    switch (t.pruefung) {
    case Pruefung::Stegbiegung:
        return text(kInSigmaZ) + QStringLiteral(", σT = ") + nachweiszahl(d.nachweis.stegbiegung->sigmaT);
    case Pruefung::Klasse:
        return text(kKlasse) + u' ' + QString::number(d.nachweis.klasse);
    default:
        return QStringLiteral("η = ") + nachweiszahl(t.eta, 3);
    }
}

void legeNachweisdetailsAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString&)
{
    nachweiskopf(f, text(kDetails) + QStringLiteral(" – ") + d.querschnitt);
    radlastblock(f, d, text);
    punktblock(f, d, text);
}

void legeStegnachweiseAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString& sprache)
{
    nachweiskopf(f, text(kDetails) + QStringLiteral(" – ") + d.querschnitt);
    stegblock(f, d, text, sprache);
    klassenblock(f, d, text, sprache);
}
