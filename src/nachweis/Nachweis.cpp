#include "Nachweis.h"

#include "catalogs/Kataloge.h"
#include "kern/Formen.h"
#include "kern/Zahlen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using tarvello::geometrie::AreaMoments;
using tarvello::geometrie::Point;
using tarvello::geometrie::Polygon;

const QStringList& stahlsorten()
{
    static const QStringList namen{QStringLiteral("S235"), QStringLiteral("S275"), QStringLiteral("S355"),
                                   QStringLiteral("S460")};
    return namen;
}

std::optional<Stahlsorte> stahlsorte(const QString& name)
{
    const int i = int(stahlsorten().indexOf(name.trimmed().toUpper()));
    if (i < 0)
        return std::nullopt;
    return Stahlsorte(i);
}

double streckgrenze(Stahlsorte sorte, double t)
{
    // Upper limits of the thickness steps and the minimum upper yield strength
    // ReH in each (EN 10025-2, Table 7). S460 is made up to 150 mm only.
    static const std::array<double, 8> bis{16, 40, 63, 80, 100, 150, 200, 250};
    static const std::array<std::array<double, 8>, 4> fy{{
        {235, 225, 215, 215, 215, 195, 185, 175},
        {275, 265, 255, 245, 235, 225, 215, 205},
        {355, 345, 335, 325, 315, 295, 285, 275},
        {460, 440, 430, 410, 400, 380, 0, 0},
    }};
    if (!(t > 0))
        return 0;
    for (size_t i = 0; i < bis.size(); ++i)
        if (t <= bis[i])
            return fy[size_t(sorte)][i];
    return 0;
}

namespace {

// An empty field counts as 0; anything else must be a number, with a decimal point or comma as in
// the main window's fields.
std::optional<double> wert(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    if (ohneWert(t) || !istFeldzahl(t))
        return std::nullopt;
    const double v = zahl(t);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

} // namespace

Bemessungslesung leseBemessung(const Bemessungswerte& b)
{
    Bemessungslesung l;
    const std::array<const QString*, 6> texte{&b.N, &b.Vy, &b.Vz, &b.Mx, &b.My, &b.Mz};
    const std::array<double Schnittgroessen::*, 6> ziel{&Schnittgroessen::N,  &Schnittgroessen::Vy,
                                                         &Schnittgroessen::Vz, &Schnittgroessen::Mx,
                                                         &Schnittgroessen::My, &Schnittgroessen::Mz};
    for (size_t k = 0; k < texte.size(); ++k) {
        const auto v = wert(*texte[k]);
        if (!v) {
            l.fehler = Bemessungsfehler::Kraft;
            l.kraft = int(k);
            return l;
        }
        l.werte.kraefte.*ziel[k] = *v;
    }
    const auto sorte = stahlsorte(b.stahlsorte);
    if (!sorte) {
        l.fehler = Bemessungsfehler::Stahlsorte;
        return l;
    }
    l.werte.sorte = *sorte;
    const auto gamma = wert(b.gammaM0);
    if (!gamma || *gamma < 0.8 || *gamma > 1.5) {
        l.fehler = Bemessungsfehler::GammaM0;
        return l;
    }
    l.werte.gammaM0 = *gamma;
    const auto radlast = wert(b.radlast);
    if (!radlast || *radlast < 0) {
        l.fehler = Bemessungsfehler::Radlast;
        return l;
    }
    l.werte.radlast = *radlast;
    const auto verschleiss = wert(b.verschleiss);
    if (!verschleiss || *verschleiss < 0 || *verschleiss > 50) {
        l.fehler = Bemessungsfehler::Verschleiss;
        return l;
    }
    l.werte.verschleiss = *verschleiss / 100;
    l.werte.befestigung = b.befestigung;
    return l;
}

bool hatBemessung(const Bemessungswerte& b)
{
    for (const QString* t : {&b.N, &b.Vy, &b.Vz, &b.Mx, &b.My, &b.Mz, &b.radlast}) {
        const auto v = wert(*t);
        if (!v || *v != 0)
            return true; // a text that is no number is an entry too: the check tells about it
    }
    return false;
}

std::optional<Schienenquerschnitt> schienenquerschnitt(const Querschnittsdaten& eingabe, const QString& schienenkatalog)
{
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    const auto flach = [](const QString& breite, const QString& hoehe) -> std::optional<Schienenquerschnitt> {
        const double b = zahl(breite), h = zahl(hoehe);
        if (!(b > 0 && h > 0))
            return std::nullopt;
        return Schienenquerschnitt{tarvello::geometrie::rectangle(-b / 2, 0, b / 2, h), h, b};
    };
    if (q.familie == kWalzprofil)
        return q.HschieneCheck ? flach(q.flachschienenbreite, q.flachschienenhoehe) : std::nullopt;
    if (q.ASchiene != kKeineSchiene && !q.ASchiene.isEmpty()) {
        Schienensatz satz;
        if (!leseASchiene(schienenkatalog, q.ASchiene, satz))
            return std::nullopt;
        Schienenquerschnitt s{schienenumriss(satz), zahl(satz[2]), zahl(satz[5])};
        if (s.umriss.empty())
            return std::nullopt;
        return s;
    }
    return flach(q.masse.schienenbreite, q.masse.schienenhoehe);
}

Polygon unterhalb(const Polygon& umriss, double zOben)
{
    // One half-plane of Sutherland and Hodgman's clipping: the outline's corners
    // below the cut, and where an edge crosses it.
    Polygon rest;
    for (size_t i = 0; i < umriss.size(); ++i) {
        const Point a = umriss[i], b = umriss[(i + 1) % umriss.size()];
        const bool aUnten = a.z <= zOben, bUnten = b.z <= zOben;
        if (aUnten)
            rest.push_back(a);
        if (aUnten != bUnten) {
            const double s = (zOben - a.z) / (b.z - a.z);
            rest.push_back({a.y + s * (b.y - a.y), zOben});
        }
    }
    return rest;
}

std::optional<Radlastort> radlastort(const Querschnittsdaten& eingabe)
{
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    const int form = q.Querschnittsnummer;
    const auto ort = [](int punkt, const QString& tw, const QString& tf, const QString& bf) {
        return Radlastort{punkt, zahl(tw), zahl(tf), zahl(bf)};
    };
    const HProfilmasse& h = q.stegprofil;
    if (q.familie == kWalzprofil)
        return q.HschieneCheck ? std::optional(ort(3, q.walzprofil.S, q.walzprofil.T, q.walzprofil.B)) : std::nullopt;
    switch (bauart(form)) {
    case Bauart::Kasten:
        // Only the rail over the web loads a web directly; at mid top flange the flange carries it.
        if (!schieneUeberSteg(form))
            return std::nullopt;
        return ort(3, q.masse.stegdicke, q.masse.obergurtdicke, q.masse.obergurtbreite);
    case Bauart::HalbesHKasten:
        return ort(3, h.S, h.T, h.B);
    case Bauart::Winkelprofil:
        // From 221 the rail stands on half an H profile, before on the top flange over the web.
        return mitHalbemH(form) ? ort(3, h.S, h.T, h.B)
                                : ort(3, q.masse.stegdicke, q.masse.obergurtdicke, q.masse.obergurtbreite);
    case Bauart::Zweizeller:
        return ort(16, q.masse.zelle2.TS3, q.masse.zelle2.TO3, q.masse.zelle2.BO3);
    default:
        return std::nullopt;
    }
}

Radlastausbreitung radlastausbreitung(const Schienenquerschnitt& schiene, double verschleiss, const Radlastort& ort,
                                      Schienenbefestigung befestigung, double radlastKn)
{
    double oben = 0;
    for (const Point& p : schiene.umriss)
        oben = std::max(oben, p.z);
    Radlastausbreitung a;
    a.hr = oben - verschleiss * schiene.kopfhoehe;
    const AreaMoments r = tarvello::geometrie::areaMoments(unterhalb(schiene.umriss, a.hr));
    a.Ir = r.iyy - r.sy * r.sy / r.area;
    a.beff = std::min(schiene.fussbreite + a.hr + ort.tf, ort.bf);
    a.Ifeff = a.beff * std::pow(ort.tf, 3) / 12;
    // The rail on the flange strip: the rail's foot on the flange's top face.
    const double flaeche = r.area + a.beff * ort.tf;
    const double zr = ort.tf + r.sy / r.area, zf = ort.tf / 2;
    const double z = (r.area * zr + a.beff * ort.tf * zf) / flaeche;
    a.Irf = a.Ir + r.area * (zr - z) * (zr - z) + a.Ifeff + a.beff * ort.tf * (zf - z) * (zf - z);
    switch (befestigung) {
    case Schienenbefestigung::Starr:
        a.leff = 3.25 * std::cbrt(a.Irf / ort.tw);
        break;
    case Schienenbefestigung::NichtStarr:
        a.leff = 3.25 * std::cbrt((a.Ir + a.Ifeff) / ort.tw);
        break;
    case Schienenbefestigung::AufLager:
        a.leff = 4.25 * std::cbrt((a.Ir + a.Ifeff) / ort.tw);
        break;
    }
    a.sigmaOz = radlastKn * 1000 / (a.leff * ort.tw);
    return a;
}

Nachweis weiseNach(const std::vector<Spannungspunkt>& punkte, const Bemessung& b, int radlastpunkt, double sigmaOz)
{
    // The engine's unit stresses are kN/mm² for 1 kN and 1 kNm: times 1000 they
    // are N/mm² per kN or kNm.
    const Schnittgroessen& s = b.kraefte;
    Nachweis n;
    for (size_t i = 0; i < punkte.size(); ++i) {
        const Spannungspunkt& p = punkte[i];
        const int nummer = int(i) + 1;
        if (!(p.dicke > 0) || nummer == kSchienenpunkt)
            continue;
        const auto& e = p.spannung; // Sigma-X, Tau-Y, Tau-Z, Tau-X, Sigma-Y, Sigma-Z
        Punktnachweis z;
        z.nummer = nummer;
        z.sigmaX = 1000 * (s.N * e[0] + s.My * e[4] + s.Mz * e[5]);
        z.tau = 1000 * (s.Vy * e[1] + s.Vz * e[2] + s.Mx * e[3]);
        z.sigmaZ = nummer == radlastpunkt ? -sigmaOz : 0.0;
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
    n.erfuellt = n.massgebend >= 0 && n.etaMax <= 1.0;
    return n;
}

Nachweisvorbereitung bereiteNachweisVor(const Ergebnisse& r, const Querschnittsdaten& q, const Bemessung& b,
                                        const QString& name, const QString& schienenkatalog)
{
    Nachweisdaten d;
    d.querschnitt = name;
    d.bemessung = b;
    double sigmaOz = 0;
    int punkt = 0;
    if (b.radlast > 0) {
        d.ort = radlastort(q);
        const auto schiene = schienenquerschnitt(q, schienenkatalog);
        // The wheel load's point must be one the engine reports for this section.
        const bool punktDa = d.ort && d.ort->punkt <= int(r.punkte.size()) && r.punkte[size_t(d.ort->punkt - 1)].dicke > 0;
        if (!punktDa || !schiene || !(d.ort->tw > 0 && d.ort->tf > 0 && d.ort->bf > 0))
            return {std::nullopt, 57};
        d.radlast = radlastausbreitung(*schiene, b.verschleiss, *d.ort, b.befestigung, b.radlast);
        sigmaOz = d.radlast->sigmaOz;
        punkt = d.ort->punkt;
    }
    d.nachweis = weiseNach(r.punkte, b, punkt, sigmaOz);
    d.schienenpunkt = int(r.punkte.size()) >= kSchienenpunkt && r.punkte[kSchienenpunkt - 1].dicke > 0;
    return {d, 0};
}
