#include "Bauteil.h"

#include "kern/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace {


// σ at the point for the moment column k (4 My, 5 Mz) of 1 kNm, kN/mm².
double einheit(const Spannungspunkt& p, int k) { return p.spannung[size_t(k)]; }

} // namespace

bool hatTraeger(const Traegerwerte& t) { return !t.spannweite.trimmed().isEmpty(); }

Traegerlesung leseTraeger(const Traegerwerte& t)
{
    Traegerlesung l;
    Traeger& w = l.werte;
    const auto fehler = [&l](Traegerfehler f) {
        l.fehler = f;
        return l;
    };
    const auto L = wertOderNull(t.spannweite);
    if (!L || *L < 1 || *L > 200)
        return fehler(Traegerfehler::Spannweite);
    w.L = *L * 1000;
    const auto Lc = wertOderNull(t.halteabstand);
    if (!Lc || (*Lc != 0 && (*Lc < 0.1 || *Lc * 1000 > w.L)))
        return fehler(Traegerfehler::Halteabstand);
    w.Lc = *Lc > 0 ? *Lc * 1000 : w.L;
    w.lasthoehe = t.lasthoehe;
    w.form = Momentenform(t.momentenform);
    const auto psi = wertOderNull(t.psi);
    if (!psi || *psi < -1 || *psi > 1)
        return fehler(Traegerfehler::Psi);
    w.psi = *psi;
    const QString k = t.klasse.trimmed().toUpper();
    bool ok = false;
    w.klasse = k.mid(1).toInt(&ok);
    if (k.size() != 2 || k[0] != u'S' || !ok)
        return fehler(Traegerfehler::Klasse);
    const auto lambda = wertOderNull(t.lambda);
    if (!lambda || (*lambda != 0 && (*lambda < 0.05 || *lambda > 3)))
        return fehler(Traegerfehler::Lambda);
    w.lambdaGetippt = *lambda > 0;
    w.lambdaSigma = w.lambdaGetippt ? *lambda : lambdaSigma(w.klasse);
    w.lambdaTau = w.lambdaGetippt ? lambdaTauAus(*lambda) : lambdaTau(w.klasse);
    w.quelle = t.quelle;
    const std::array<const QString*, 7> bereiche{&t.dN, &t.dVy, &t.dVz, &t.dMx, &t.dMy, &t.dMz, &t.dRadlast};
    for (size_t i = 0; i < bereiche.size(); ++i) {
        const auto v = wertOderNull(*bereiche[i]);
        if (!v || (i == 6 && *v < 0))
            return fehler(Traegerfehler::Schwingbreite);
        (i < 6 ? w.schwing[i] : w.dRadlast) = *v;
    }
    w.naht = t.naht;
    const auto gFf = wertOderNull(t.gammaFf), gMf = wertOderNull(t.gammaMf);
    if (!gFf || *gFf < 1 || *gFf > 1.5)
        return fehler(Traegerfehler::GammaFf);
    if (!gMf || *gMf < 1 || *gMf > 1.5)
        return fehler(Traegerfehler::GammaMf);
    w.gammaFf = *gFf;
    w.gammaMf = *gMf;
    return l;
}

Traeger mitSchwingbreiten(Traeger t, const std::array<double, 6>& bemessung, double radlastKn)
{
    if (t.quelle == Schwingquelle::Bemessungswerte) {
        t.schwing = bemessung;
        t.dRadlast = radlastKn;
    }
    return t;
}

std::optional<Kippnachweis> weiseKippenNach(const Traeger& t, const Ergebnisse& r, const Bauteilquerschnitt& q,
                                            double MyEdKnm, double MzEdKnm, double gammaM1,
                                            const std::vector<std::pair<Spannungspunkt, double>>& punkte)
{
    // Without Iw and zj (a result of an older engine) Mcr has no basis.
    if (MyEdKnm == 0 || punkte.empty() || !r.bauteil.Iw || !r.bauteil.zj)
        return std::nullopt;
    Kippnachweis n;
    // Which flange My,Ed compresses: the sign of its stress at the highest point.
    const auto oben = std::max_element(punkte.begin(), punkte.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    n.obenGedrueckt = MyEdKnm * einheit(oben->first, 4) < 0;
    double sy = 0, sz = 0;
    for (const auto& [p, z] : punkte) {
        sy = std::max(sy, std::fabs(einheit(p, 4)));
        sz = std::max(sz, std::fabs(einheit(p, 5)));
    }
    // σ [kN/mm²] of 1 kNm = 10³ kNmm over W.
    n.Wy = q.klasse <= 2 && r.bauteil.Wply.value_or(0) > 0 ? *r.bauteil.Wply : 1e3 / sy;
    n.Wz = sz > 0 ? 1e3 / sz : 0.0;
    n.MyRk = n.Wy * q.fy;
    n.MzRk = n.Wz * q.fy;
    n.MyEd = std::fabs(MyEdKnm) * 1e6;
    n.MzEd = std::fabs(MzEdKnm) * 1e6;
    n.za = t.lasthoehe == Lasthoehe::Schienenkopf ? q.zSchienenkopf : t.lasthoehe == Lasthoehe::Obergurt ? q.zObergurt : r.ZM;
    const double richtung = n.obenGedrueckt ? 1.0 : -1.0; // towards the compression flange
    n.q = {r.IZ, r.IT, *r.bauteil.Iw, richtung * *r.bauteil.zj, richtung * (n.za - r.ZM)};
    n.c = momentenbeiwerte(Momentenverlauf(t.form), t.psi);
    n.kurve = kippkurve(q.iQuerschnitt ? Kippfall::Walzprofil : Kippfall::Allgemein, q.gewalzt, q.iQuerschnitt, q.hDurchB);
    n.k = kippen(n.MyRk, kritischesMoment(n.q, t.Lc, n.c), n.kurve);
    n.eta = n.MyEd / (n.k.chiLT * n.MyRk / gammaM1) + (n.MzRk > 0 ? n.MzEd / (n.MzRk / gammaM1) : 0.0);
    return n;
}

Ermuedungsnachweis weiseErmuedungNach(const Traeger& t, bool gewalzt, bool querSteifen,
                                      const std::vector<Ermuedungsstelle>& stellen)
{
    Ermuedungsnachweis n;
    const Stegnaht naht = Stegnaht(t.naht);
    const auto& d = t.schwing;
    for (const Ermuedungsstelle& s : stellen) {
        const auto& e = s.e;
        const double dSigma = 1000 * (d[0] * e[0] + d[4] * e[4] + d[5] * e[5]);
        const double dTau = 1000 * (d[1] * e[1] + d[2] * e[2] + d[3] * e[3]);
        const Kerbfall k = kerbfall(s.ort, gewalzt, naht, querSteifen);
        const Ermuedungspunkt p = ermuedung(s.nummer, k, t.lambdaSigma * dSigma,
                                            t.lambdaTau * (std::fabs(dTau) + s.dTauLokal), t.lambdaSigma * s.dSigmaLokal,
                                            t.gammaFf, t.gammaMf);
        const double eta = std::max({p.etaSigma, p.etaTau, p.etaLokal, p.etaInteraktion});
        if (n.massgebend < 0 || eta > n.eta) {
            n.massgebend = int(n.punkte.size());
            n.eta = eta;
        }
        n.punkte.push_back(p);
    }
    return n;
}
