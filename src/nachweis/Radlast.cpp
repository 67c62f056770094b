#include "Radlast.h"

#include "catalogs/Kataloge.h"
#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>

using tarvello::geometrie::AreaMoments;
using tarvello::geometrie::Point;
using tarvello::geometrie::Polygon;

namespace {

double eigenIy(const AreaMoments& m) { return m.area > 0 ? m.iyy - m.sy * m.sy / m.area : 0.0; }

double oberkante(const Polygon& p)
{
    double oben = 0;
    for (const Point& q : p)
        oben = std::max(oben, q.z);
    return oben;
}

std::vector<Schienenquerschnitt::Rechteck> dinTeile(const Schienensatz& satz)
{
    // Joined parts add a little torsional stiffness that is left out, on the
    // safe side for the web's local bending.
    const double h1 = zahl(satz[0]), h3 = zahl(satz[2]), k = zahl(satz[3]);
    const double h2 = satz[1].trimmed().isEmpty() ? h3 : zahl(satz[1]);
    const double b3 = zahl(satz[4]), b1 = zahl(satz[5]), f1 = zahl(satz[6]), f3 = zahl(satz[7]);
    const double kopfUnten = h1 - (h2 + h3) / 2, fussOben = (f1 + f3) / 2;
    return {{k, kopfUnten, h1}, {b3, fussOben, kopfUnten}, {b1, 0, fussOben}};
}

} // namespace

double rechteckTorsion(double b, double t)
{
    if (t > b)
        std::swap(b, t);
    if (!(t > 0))
        return 0;
    // Roark's Formulas for Stress and Strain, Table 10.7, case 4.
    return b * t * t * t * (1.0 / 3 - 0.21 * t / b * (1 - std::pow(t / b, 4) / 12));
}

std::optional<Schienenquerschnitt> schienenquerschnitt(const Querschnittsdaten& eingabe, const QString& schienenkatalog)
{
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    const auto flach = [](const QString& breite, const QString& hoehe) -> std::optional<Schienenquerschnitt> {
        const double b = zahl(breite), h = zahl(hoehe);
        if (!(b > 0 && h > 0))
            return std::nullopt;
        Schienenquerschnitt s;
        s.umriss = tarvello::geometrie::rectangle(-b / 2, 0, b / 2, h);
        s.kopfhoehe = h;
        s.fussbreite = s.kopfbreite = b;
        s.rechtecke = {{b, 0, h}};
        return s;
    };
    if (q.familie == kWalzprofil)
        return q.HschieneCheck ? flach(q.flachschienenbreite, q.flachschienenhoehe) : std::nullopt;
    if (q.ASchiene != kKeineSchiene && !q.ASchiene.isEmpty()) {
        Schienensatz satz;
        if (!leseASchiene(schienenkatalog, q.ASchiene, satz))
            return std::nullopt;
        Schienenquerschnitt s;
        s.umriss = schienenumriss(satz);
        if (s.umriss.empty())
            return std::nullopt;
        s.kopfhoehe = zahl(satz[2]);
        s.kopfbreite = zahl(satz[3]);
        s.fussbreite = zahl(satz[5]);
        s.rechtecke = dinTeile(satz);
        if (const auto k = schienenkennwerte(satz)) {
            s.Averoeffentlicht = k->A;
            s.Iveroeffentlicht = k->Iy;
        }
        return s;
    }
    return flach(q.masse.schienenbreite, q.masse.schienenhoehe);
}

Schienenwerte abgefahreneSchiene(const Schienenquerschnitt& s, double verschleiss)
{
    Schienenwerte w;
    w.hr = oberkante(s.umriss) - verschleiss * s.kopfhoehe;
    const AreaMoments neu = tarvello::geometrie::areaMoments(s.umriss);
    const AreaMoments rest = tarvello::geometrie::areaMoments(tarvello::geometrie::partBelow(s.umriss, w.hr));
    const double fA = s.Averoeffentlicht > 0 ? s.Averoeffentlicht / neu.area : 1.0;
    const double fI = s.Iveroeffentlicht > 0 ? s.Iveroeffentlicht / eigenIy(neu) : 1.0;
    w.A = fA * rest.area;
    w.zs = rest.sy / rest.area;
    w.I = fI * eigenIy(rest);
    for (const auto& r : s.rechtecke)
        w.It += rechteckTorsion(r.breite, std::min(r.oben, w.hr) - r.unten);
    return w;
}

std::optional<Radlastort> radlastort(const Querschnittsdaten& eingabe)
{
    using namespace tarvello::geometrie;
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    int punkt = 3;
    if (q.familie == kWalzprofil) {
        if (!q.HschieneCheck)
            return std::nullopt;
    } else {
        switch (bauart(q.Querschnittsnummer)) {
        case Bauart::Kasten:
            // Only the rail over the web loads a web directly; at mid top flange the flange carries it.
            if (!schieneUeberSteg(q.Querschnittsnummer))
                return std::nullopt;
            break;
        case Bauart::HalbesHKasten:
        case Bauart::Winkelprofil:
            break;
        case Bauart::Zweizeller:
            punkt = 16;
            break;
        default:
            return std::nullopt;
        }
    }
    const auto geometrie = querschnittsgeometrie(q);
    if (!geometrie)
        return std::nullopt;
    const SectionGeometry& g = *geometrie;
    const auto p = std::find_if(g.points.begin(), g.points.end(), [punkt](const StressPoint& s) { return s.number == punkt; });
    if (p == g.points.end() || p->plate < 0)
        return std::nullopt;
    const std::vector<Plattenlage> lagen = plattenlagen(g);
    Radlastort o;
    o.punkt = punkt;
    o.steg = p->plate;
    const Plattenlage& steg = lagen[size_t(o.steg)];
    o.tw = g.plates[size_t(o.steg)].thickness;
    // The end of the web at the point is its top; below it the web may go on in
    // a plate of its own (the web plate under an H stem): the depth is the whole.
    const int oben = steg.entlang(p->at) > steg.laenge / 2 ? 1 : 0;
    o.oben = oben;
    o.gurt = steg.endAuf[size_t(oben)];
    if (o.gurt < 0 || lagen[size_t(o.gurt)].art != Plattenart::Gurt)
        return std::nullopt;
    o.hw = steg.laenge;
    o.stegteile = {o.steg};
    const double s = oben ? steg.laenge : 0.0, richtung = oben ? -1.0 : 1.0;
    o.kopf = steg.bei(s);
    o.abwaerts = {richtung * steg.richtung.y, richtung * steg.richtung.z};
    for (int teil = steg.endAuf[size_t(1 - oben)], schritte = 0; teil >= 0 && schritte < 4; ++schritte) {
        const Plattenlage& l = lagen[size_t(teil)];
        if (l.art != Plattenart::Steg || std::fabs(l.richtung.y * steg.richtung.y + l.richtung.z * steg.richtung.z) < 0.99)
            break;
        o.hw += l.laenge;
        o.stegteile.push_back(teil);
        teil = l.endAuf[size_t(1 - oben)];
    }
    const Plattenlage& gurt = lagen[size_t(o.gurt)];
    o.tf = g.plates[size_t(o.gurt)].thickness;
    o.links = gurt.entlang(p->at);
    o.rechts = gurt.laenge - o.links;
    o.bf = 2 * std::max(0.0, std::min(o.links, o.rechts));
    if (!(o.tw > 0 && o.tf > 0 && o.bf > 0 && o.hw > 0))
        return std::nullopt;
    return o;
}

Radlastausbreitung radlastausbreitung(const Schienenquerschnitt& schiene, double verschleiss, const Radlastort& ort,
                                      Schienenbefestigung befestigung, double radlastKn)
{
    const Schienenwerte r = abgefahreneSchiene(schiene, verschleiss);
    Radlastausbreitung a;
    a.hr = r.hr;
    a.bfr = schiene.fussbreite;
    a.Ir = r.I;
    a.beff = std::min(schiene.fussbreite + a.hr + ort.tf, ort.bf);
    a.Ifeff = a.beff * std::pow(ort.tf, 3) / 12;
    // The rail on the flange strip: the rail's foot on the flange's top face.
    const double flaeche = r.A + a.beff * ort.tf;
    const double zr = ort.tf + r.zs, zf = ort.tf / 2;
    const double z = (r.A * zr + a.beff * ort.tf * zf) / flaeche;
    a.Irf = a.Ir + r.A * (zr - z) * (zr - z) + a.Ifeff + a.beff * ort.tf * (zf - z) * (zf - z);
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

double sigmaOzInTiefe(const Radlastausbreitung& a, double tw, double radlastKn, double d)
{
    return radlastKn * 1000 / ((a.leff + 2 * std::max(0.0, d)) * tw);
}

Stegbiegung stegbiegung(double radlastKn, double br, double tw, double hw, double a, double It)
{
    Stegbiegung s;
    s.ey = std::max(0.25 * br, 0.5 * tw);
    s.TEd = radlastKn * 1000 * s.ey;
    s.It = It;
    const double x = M_PI * hw / a;
    const double sh = std::sinh(x);
    s.eta = std::sqrt(0.75 * a * tw * tw * tw / It * sh * sh / (std::sinh(2 * x) - 2 * x));
    s.sigmaT = 6 * s.TEd / (a * tw * tw) * s.eta * std::tanh(s.eta);
    return s;
}

Stegbiegung stegbiegungUnter(const Schienenquerschnitt& schiene, double verschleiss, const Radlastort& ort,
                             Schienenbefestigung befestigung, double radlastKn, double a)
{
    const double Itr = befestigung == Schienenbefestigung::Starr ? abgefahreneSchiene(schiene, verschleiss).It : 0.0;
    return stegbiegung(radlastKn, schiene.kopfbreite, ort.tw, ort.hw, a, rechteckTorsion(ort.bf, ort.tf) + Itr);
}
