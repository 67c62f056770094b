#include "Nachweis.h"

#include "kern/Formen.h"
#include "kern/Zahlen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

bool teilfaktorZulaessig(const std::optional<double>& g) { return g && *g >= 1.0 && *g <= 1.5; }

} // namespace

Bemessungslesung leseBemessung(const Bemessungswerte& b, bool mitSchiene)
{
    Bemessungslesung l;
    const std::array<const QString*, 6> texte{&b.N, &b.Vy, &b.Vz, &b.Mx, &b.My, &b.Mz};
    const std::array<double Schnittgroessen::*, 6> ziel{&Schnittgroessen::N,  &Schnittgroessen::Vy,
                                                         &Schnittgroessen::Vz, &Schnittgroessen::Mx,
                                                         &Schnittgroessen::My, &Schnittgroessen::Mz};
    const auto fehler = [&l](Bemessungsfehler f) {
        l.fehler = f;
        return l;
    };
    for (size_t k = 0; k < texte.size(); ++k) {
        const auto v = wertOderNull(*texte[k]);
        // Beyond 10⁷ kN or kNm no crane runway girder is loaded: such a value is a slip of the keys.
        if (!v || std::fabs(*v) > kGroessteKraft) {
            l.kraft = int(k);
            return fehler(Bemessungsfehler::Kraft);
        }
        l.werte.kraefte.*ziel[k] = *v;
    }
    const auto sorte = stahlsorte(b.stahlsorte);
    if (!sorte)
        return fehler(Bemessungsfehler::Stahlsorte);
    l.werte.sorte = *sorte;
    // No national annex sets a partial factor below 1.0.
    const auto g0 = wertOderNull(b.gammaM0), g1 = wertOderNull(b.gammaM1);
    if (!teilfaktorZulaessig(g0))
        return fehler(Bemessungsfehler::GammaM0);
    if (!teilfaktorZulaessig(g1))
        return fehler(Bemessungsfehler::GammaM1);
    l.werte.gammaM0 = *g0;
    l.werte.gammaM1 = *g1;
    const auto radlast = wertOderNull(b.radlast);
    if (!radlast || *radlast < 0 || *radlast > kGroessteKraft)
        return fehler(Bemessungsfehler::Radlast);
    l.werte.radlast = *radlast;
    const auto verschleiss = wertOderNull(b.verschleiss);
    if (!verschleiss || *verschleiss < 0 || *verschleiss > 50)
        return fehler(Bemessungsfehler::Verschleiss);
    l.werte.verschleiss = *verschleiss / 100;
    const auto a = wertOderNull(b.steifenabstand);
    if (!a || (*a != 0 && (*a < 100 || *a > 100000)))
        return fehler(Bemessungsfehler::Steifenabstand);
    l.werte.steifenabstand = *a;
    // A rail on a pad or loosely clamped slides on the flange: it cannot act with the girder.
    if (mitSchiene && b.befestigung != Schienenbefestigung::Starr)
        return fehler(Bemessungsfehler::Befestigung);
    l.werte.befestigung = b.befestigung;
    return l;
}

bool hatBemessung(const Bemessungswerte& b)
{
    for (const QString* t : {&b.N, &b.Vy, &b.Vz, &b.Mx, &b.My, &b.Mz, &b.radlast}) {
        const auto v = wertOderNull(*t);
        if (!v || *v != 0)
            return true; // a text that is no number is an entry too: the check tells about it
    }
    return false;
}

bool schieneWirktMit(const Querschnittsdaten& eingabe)
{
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    if (q.familie == kWalzprofil)
        return q.HschieneCheck;
    return mitSchienenblock(q.Querschnittsnummer) && q.schieneMittragend && !ohneWert(q.masse.schienenhoehe);
}

Querschnittsdaten abgefahrenerQuerschnitt(const Querschnittsdaten& eingabe, double verschleiss)
{
    Querschnittsdaten q = nurGezeigtes(eingabe);
    if (!schieneWirktMit(q) || !(verschleiss > 0))
        return q;
    // A flat rail wears over its whole height.
    QString& hoehe = q.familie == kWalzprofil ? q.flachschienenhoehe : q.masse.schienenhoehe;
    hoehe = QString::number(zahl(hoehe) * (1 - verschleiss), 'g', 12);
    return q;
}

Punktnachweise weiseNach(const std::vector<Spannungspunkt>& punkte, const Bemessung& b,
                         const std::vector<Ortsspannung>& ortlich)
{
    // The engine's unit stresses are kN/mm² for 1 kN and 1 kNm: times 1000 they
    // are N/mm² per kN or kNm.
    const Schnittgroessen& s = b.kraefte;
    Punktnachweise n;
    for (size_t i = 0; i < punkte.size(); ++i) {
        const Spannungspunkt& p = punkte[i];
        const int nummer = int(i) + 1;
        const Ortsspannung o = i < ortlich.size() ? ortlich[i] : Ortsspannung{};
        if (!(p.dicke > 0) || nummer == kSchienenpunkt || o.schiene)
            continue;
        const auto& e = p.spannung; // Sigma-X, Tau-Y, Tau-Z, Tau-X, Sigma-Y, Sigma-Z
        Punktnachweis z;
        z.nummer = nummer;
        z.sigmaX = 1000 * (s.N * e[0] + s.My * e[4] + s.Mz * e[5]);
        const double tau = 1000 * (s.Vy * e[1] + s.Vz * e[2] + s.Mx * e[3]);
        // The local shear acts either way of the wheel: taken with the sign that adds (EN 1993-6 5.7.2).
        z.tauOxz = o.tauOxz;
        z.tau = tau + (tau < 0 ? -o.tauOxz : o.tauOxz);
        // The web's local bending adds to the wheel's compression on one face.
        z.sigmaT = o.sigmaT;
        z.sigmaZ = -(o.sigmaOz + o.sigmaT);
        z.sigmaV = std::sqrt(z.sigmaX * z.sigmaX + z.sigmaZ * z.sigmaZ - z.sigmaX * z.sigmaZ + 3 * z.tau * z.tau);
        z.dicke = p.dicke;
        z.fy = streckgrenze(b.sorte, p.dicke);
        z.eta = z.fy > 0 ? z.sigmaV / (z.fy / b.gammaM0) : std::numeric_limits<double>::infinity();
        if (n.massgebend < 0 || z.eta > n.etaMax) {
            n.massgebend = int(n.punkte.size());
            n.etaMax = z.eta;
        }
        n.punkte.push_back(z);
    }
    return n;
}
