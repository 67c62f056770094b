// The member page: lateral-torsional buckling between the top flange's
// restraints and fatigue at every point, each with its terms and verdict.
#include "report/Nachweisteile.h"

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"

namespace {

QString m(double mm) { return nachweiszahl(mm / 1000, 2) + QStringLiteral(" m"); }

void eingaben(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    const Traeger& t = *d.traeger;
    f.print(text(kSpannweite).section(u'[', 0, 0).trimmed() + QStringLiteral(" = ") + m(t.L) + QStringLiteral(", ") +
            text(kHalteabstand).section(u'[', 0, 0).trimmed() + QStringLiteral(" = ") + m(t.Lc));
    f.print(text(kLastangriff) + u' ' + text(kLastangriff + 1 + int(t.lasthoehe)) + QStringLiteral("; ") +
            text(kMomentenverlauf) + QStringLiteral(": ") + text(kMomentenverlauf + 1 + int(t.form)) +
            (t.form == Momentenform::Endmomente ? QStringLiteral(", ψ = ") + nachweiszahl(t.psi, 2) : QString()));
    f.print(QStringLiteral("S%1: λσ = %2, λτ = %3%4; γFf = %5, γMf = %6")
                .arg(t.klasse)
                .arg(nachweiszahl(t.lambdaSigma, 3), nachweiszahl(t.lambdaTau, 3),
                     t.lambdaGetippt ? QStringLiteral(" (λ typed)") : QString(), nachweiszahl(t.gammaFf, 2),
                     nachweiszahl(t.gammaMf, 2)));
    const auto& s = t.schwing;
    f.print(text(kSchwingbreiten) + u' ' + text(kSchwingbreiten + 1 + int(t.quelle)) +
            QStringLiteral(" ΔN = %1, ΔVy = %2, ΔVz = %3, ΔFz = %4 kN").arg(nachweiszahl(s[0]), nachweiszahl(s[1]),
                                                                          nachweiszahl(s[2]), nachweiszahl(t.dRadlast)));
    f.print(QStringLiteral("ΔMx = %1, ΔMy = %2, ΔMz = %3 kNm").arg(nachweiszahl(s[3]), nachweiszahl(s[4]), nachweiszahl(s[5])));
    f.print(text(kNaht) + QStringLiteral(": ") + text(kNaht + 1 + int(t.naht)));
    f.print(QString());
}

void kippblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    f.setzeFett(true);
    f.print(text(kKippen));
    f.setzeFett(false);
    const auto& k = d.kippen;
    if (!k) {
        f.print(text(kKippenNicht));
        f.print(QString());
        return;
    }
    f.print(text(kKippbeschreibung));
    // z counted towards the compressed flange (↑ the top one, ↓ the bottom one).
    f.print(QStringLiteral("Iz = %1 mm⁴, It = %2 mm⁴, Iw = %3 mm⁶, zj = %4 mm, za = %5 mm, zg = %6 mm (%7)")
                .arg(wissenschaftlich(k->q.Iz), wissenschaftlich(k->q.It), wissenschaftlich(k->q.Iw), nachweiszahl(k->q.zj), nachweiszahl(k->za),
                     nachweiszahl(k->q.zg), k->obenGedrueckt ? QStringLiteral("↑") : QStringLiteral("↓")));
    f.print(QStringLiteral("C1 = %1, C2 = %2, C3 = %3: Mcr = C1·π²EIz/L²·(√(Iw/Iz + L²GIt/(π²EIz) + (C2zg − C3zj)²) − (C2zg − C3zj)) = %4 kNm")
                .arg(nachweiszahl(k->c.C1, 3), nachweiszahl(k->c.C2, 3), nachweiszahl(k->c.C3, 3),
                     nachweiszahl(k->k.Mcr / 1e6)));
    f.print(QStringLiteral("Wy = %1 mm³ (fy = %2 N/mm²), My,Rk = Wy·fy = %3 kNm, λLT = √(My,Rk/Mcr) = %4")
                .arg(wissenschaftlich(k->Wy), nachweiszahl(k->MyRk / k->Wy, 0), nachweiszahl(k->MyRk / 1e6), nachweiszahl(k->k.lambdaLT, 3)));
    f.print(QStringLiteral("%1, %2 %3: αLT = %4, λLT,0 = %5, β = %6, Φ = %7, χLT = %8")
                .arg(k->kurve.beta < 1 ? QStringLiteral("EN 1993-1-1 6.3.2.3") : QStringLiteral("EN 1993-1-1 6.3.2.2"),
                     text(kKnicklinie),
                     QString(QChar::fromLatin1(k->kurve.kurve)), nachweiszahl(k->kurve.alpha, 2),
                     nachweiszahl(k->kurve.lambda0, 1), nachweiszahl(k->kurve.beta, 2), nachweiszahl(k->k.phi, 3),
                     nachweiszahl(k->k.chiLT, 3)));
    f.print(QStringLiteral("η = My,Ed/(χLT·My,Rk/γM1) + Mz,Ed/(Mz,Rk/γM1) = %1/(%2·%3/%4) + %5/%6 = %7")
                .arg(nachweiszahl(k->MyEd / 1e6), nachweiszahl(k->k.chiLT, 3), nachweiszahl(k->MyRk / 1e6),
                     nachweiszahl(d.bemessung.gammaM1, 2), nachweiszahl(k->MzEd / 1e6),
                     nachweiszahl(k->MzRk / 1e6 / d.bemessung.gammaM1), nachweiszahl(k->eta, 3)));
    f.print(QString());
}

void ermuedungsblock(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text)
{
    f.setzeFett(true);
    f.print(text(kErmuedung));
    f.setzeFett(false);
    f.print(text(kErmuedungsformel));
    if (d.sigmaOzErmuedung > 0)
        f.print(QStringLiteral("Δσoz = ΔFz/(leff·tw) = %1 N/mm² (hr − 0.5·%2 %)").arg(nachweiszahl(d.sigmaOzErmuedung),
                                                                                 nachweiszahl(50 * d.bemessung.verschleiss, 1)));
    const Ermuedungsnachweis& e = *d.ermuedung;
    std::vector<std::pair<QString, QStringList>> zeilen;
    for (const Ermuedungspunkt& p : e.punkte)
        zeilen.push_back({QStringLiteral("P%1").arg(p.nummer),
                          {nachweiszahl(p.kerb.sigma, 0) + u'/' + nachweiszahl(p.kerb.tau, 0) +
                               (p.kerb.lokal > 0 ? u'/' + nachweiszahl(p.kerb.lokal, 0) : QString()),
                           nachweiszahl(p.dSigma), nachweiszahl(p.dTau), nachweiszahl(p.dSigmaLokal),
                           nachweiszahl(p.etaSigma, 3), nachweiszahl(p.etaTau, 3), nachweiszahl(p.etaLokal, 3),
                           nachweiszahl(p.etaInteraktion, 3)}});
    punkttabelle(f, text(kPunkt),
                 {text(kKerbfall), QStringLiteral("ΔσE,2"), QStringLiteral("ΔτE,2"), QStringLiteral("Δσloc"),
                  QStringLiteral("ησ"), QStringLiteral("ητ"), QStringLiteral("ηloc"), QStringLiteral("Σ")},
                 {46, 66, 84, 102, 120, 138, 152, 166}, zeilen, e.massgebend);
    // The categories' sources, once each.
    QStringList quellen;
    for (const Ermuedungspunkt& p : e.punkte)
        for (const QString& q : {p.kerb.quelleSigma, p.kerb.quelleLokal})
            if (!q.isEmpty() && !quellen.contains(q))
                quellen << q;
    f.print(text(kKerbfall) + QStringLiteral(" Δσc/Δτc/Δσc,loc [N/mm²]:"));
    for (int i = 0; i < quellen.size(); i += 3)
        f.print(QStringLiteral("   ") + quellen.mid(i, 3).join(QStringLiteral(", ")));
    if (e.massgebend >= 0)
        f.print(text(kMassgebend) + QStringLiteral(": P%1, η = ").arg(e.punkte[size_t(e.massgebend)].nummer) +
                nachweiszahl(e.eta, 3));
    f.print(QString());
}

} // namespace

void legeBauteilseiteAn(Zeichenflaeche& f, const Nachweisdaten& d, const Printtext& text, const QString&)
{
    if (!d.traeger)
        return;
    nachweiskopf(f, text(kBauteilseite).arg(d.querschnitt));
    eingaben(f, d, text);
    kippblock(f, d, text);
    if (d.ermuedung)
        ermuedungsblock(f, d, text);
    const bool erfuellt = (!d.kippen || d.kippen->eta <= 1) && (!d.ermuedung || d.ermuedung->eta <= 1);
    f.setzeSchriftgroesse(12);
    f.setzeFett(true);
    f.print(text(erfuellt ? kBauteilErfuellt : kBauteilNichtErfuellt));
    f.setzeFett(false);
    f.setzeSchriftgroesse(10);
}
