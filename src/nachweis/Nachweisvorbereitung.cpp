// The check put together from the results, the section's plates and the
// design values: which point lies on which plate, the wheel's local stresses
// along its web, the webs' panels and the plates' classes.
#include "Nachweis.h"

#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>

using tarvello::geometrie::AreaMoments;
using tarvello::geometrie::Point;
using tarvello::geometrie::Polygon;
using tarvello::geometrie::SectionGeometry;

namespace {

// Each point's place and plate: the fixed ones from the section, the found ones from the results.
struct Ort {
    Point at;
    int platte = -1;
};

std::vector<Ort> orte(const SectionGeometry& g, const Ergebnisse& r)
{
    std::vector<Ort> o(r.punkte.size());
    for (const auto& p : g.points)
        if (p.number >= 1 && size_t(p.number) <= o.size())
            o[size_t(p.number - 1)] = {p.at, p.plate};
    for (size_t i = tarvello::geometrie::kFixedPointRows; i < r.punkte.size(); ++i) {
        o[i].at = {r.punkte[i].y, r.punkte[i].z};
        for (size_t k = 0; k < g.plates.size() && o[i].platte < 0; ++k)
            if (!g.plates[k].fillet && tarvello::geometrie::contains(g.plates[k].outline, o[i].at, 1e-6))
                o[i].platte = int(k);
    }
    return o;
}

// σx is linear over the section (Bernoulli): the plane through the design σx at the points.
struct Ebene {
    double a = 0, b = 0, c = 0;
    double bei(Point p) const { return a + b * p.y + c * p.z; }
};

Ebene sigmaXEbene(const std::vector<Ort>& o, const Punktnachweise& n)
{
    double m[3][4] = {};
    for (const Punktnachweis& p : n.punkte) {
        const Point at = o[size_t(p.nummer - 1)].at;
        const double x[3] = {1, at.y, at.z};
        for (int i = 0; i < 3; ++i) {
            for (int k = 0; k < 3; ++k)
                m[i][k] += x[i] * x[k];
            m[i][3] += x[i] * p.sigmaX;
        }
    }
    // Gauss with pivoting on the normal equations; a section whose points lie on a line keeps σx's mean.
    for (int i = 0; i < 3; ++i) {
        int best = i;
        for (int k = i + 1; k < 3; ++k)
            if (std::fabs(m[k][i]) > std::fabs(m[best][i]))
                best = k;
        std::swap(m[i], m[best]);
        if (std::fabs(m[i][i]) < 1e-9 * (1 + std::fabs(m[0][0])))
            return {n.punkte.empty() ? 0.0 : m[0][3] / std::max(1.0, m[0][0]), 0, 0};
        for (int k = 0; k < 3; ++k)
            if (k != i) {
                const double f = m[k][i] / m[i][i];
                for (int j = i; j < 4; ++j)
                    m[k][j] -= f * m[i][j];
            }
    }
    return {m[0][3] / m[0][0], m[1][3] / m[1][1], m[2][3] / m[2][2]};
}

// The second moment of a longitudinal stiffener with 15·ε·tw of web beside each
// face (EN 1993-1-5 Figure 9.1) about its own axis parallel to the web.
double steifenTraegheit(const SectionGeometry& g, const std::vector<Plattenlage>& lagen, const Radlastort& o,
                        const Anschluss& an, double eps)
{
    const Plattenlage& steg = lagen[size_t(o.steg)];
    const Point n{-steg.richtung.z, steg.richtung.y};
    AreaMoments summe;
    const auto dazu = [&](const Polygon& p) {
        Polygon gedreht;
        for (const Point& q : p) // s along the web, d across it
            gedreht.push_back({steg.entlang(q), (q.y - steg.anfang.y) * n.y + (q.z - steg.anfang.z) * n.z});
        AreaMoments m = tarvello::geometrie::areaMoments(gedreht);
        if (m.area < 0) // turned over by the change of axes
            m = {-m.area, -m.sy, -m.sz, -m.iyy, -m.izz, -m.iyz};
        summe += m;
    };
    const double neben = 15 * eps * o.tw;
    const double von = an.von - neben, bis = an.bis + neben;
    Polygon streifen;
    const double halb = o.tw / 2;
    for (const auto& [s, d] : {std::pair{von, -halb}, {bis, -halb}, {bis, halb}, {von, halb}}) {
        const Point m = steg.bei(s);
        streifen.push_back({m.y + d * n.y, m.z + d * n.z});
    }
    dazu(streifen);
    // The stiffener: the plate on the web and what is joined to it (an angle's second leg).
    std::vector<int> teile{an.platte};
    for (size_t k = 0; k < lagen.size(); ++k)
        if (lagen[k].art == Plattenart::Steife && int(k) != an.platte &&
            (lagen[k].endAuf[0] == an.platte || lagen[k].endAuf[1] == an.platte ||
             std::any_of(lagen[k].anschluesse.begin(), lagen[k].anschluesse.end(),
                         [&](const Anschluss& x) { return x.platte == an.platte; })))
            teile.push_back(int(k));
    for (int t : teile)
        dazu(g.plates[size_t(t)].outline);
    return summe.area > 0 ? summe.iyy - summe.sy * summe.sy / summe.area : 0.0;
}

// The member checks: buckling between the top flange's restraints and fatigue at every point.
// q: the section as typed, schiene its rail new (worn here as each check asks); g: the check's plates.
void weiseBauteilNach(Nachweisdaten& d, const Traeger& eingabe, const Ergebnisse& pruef, const SectionGeometry& g,
                      const std::vector<Plattenlage>& lagen, const std::vector<Ort>& ort, const Querschnittsdaten& q,
                      const std::optional<Schienenquerschnitt>& schiene)
{
    const Bemessung& b = d.bemessung;
    const Schnittgroessen& s = b.kraefte;
    Nachweis& n = d.nachweis;
    const Traeger t = mitSchwingbreiten(eingabe, {s.N, s.Vy, s.Vz, s.Mx, s.My, s.Mz}, b.radlast);
    d.traeger = t;
    Bauteilquerschnitt bq;
    bq.gewalzt = q.familie == kWalzprofil;
    bq.iQuerschnitt = bq.gewalzt;
    if (bq.gewalzt && zahl(q.walzprofil.B) > 0)
        bq.hDurchB = zahl(q.walzprofil.H) / zahl(q.walzprofil.B);
    bq.klasse = n.klasse;
    bq.fy = 1e9;
    double oben = -1e300, ganzOben = -1e300;
    for (size_t k = 0; k < g.plates.size(); ++k)
        for (const Point& p : g.plates[k].outline) {
            ganzOben = std::max(ganzOben, p.z);
            if (lagen[k].art != Plattenart::Schiene)
                oben = std::max(oben, p.z);
        }
    for (size_t k = 0; k < g.plates.size(); ++k)
        if (lagen[k].art != Plattenart::Schiene && lagen[k].art != Plattenart::Ausrundung)
            bq.fy = std::min(bq.fy, streckgrenze(b.sorte, g.plates[k].thickness));
    bq.zObergurt = oben;
    // A catalog rail is not in the section: the wheel stands on its worn top.
    bq.zSchienenkopf = schieneWirktMit(q) || !schiene ? ganzOben : oben + abgefahreneSchiene(*schiene, b.verschleiss).hr;
    std::vector<std::pair<Spannungspunkt, double>> punkte;
    for (const Punktnachweis& p : n.punkte.punkte)
        punkte.push_back({pruef.punkte[size_t(p.nummer - 1)], ort[size_t(p.nummer - 1)].at.z});
    if (s.My != 0) {
        d.kippen = weiseKippenNach(t, pruef, bq, s.My, s.Mz, b.gammaM1, punkte);
        const bool moeglich = d.kippen && bq.klasse < 4 && bq.fy < 1e9;
        n.teile.push_back({Pruefung::Kippen, moeglich, moeglich ? d.kippen->eta : 0.0});
    }
    // Fatigue: at the wheel's web top its own ranges with half the wear (EN 1993-6 5.6.2, 9.3).
    double lokal = 0, lokalTau = 0;
    if (d.ort && schiene && t.dRadlast > 0) {
        const Radlastausbreitung a = radlastausbreitung(*schiene, b.verschleiss / 2, *d.ort, b.befestigung, t.dRadlast);
        d.sigmaOzErmuedung = a.sigmaOz;
        lokal = a.sigmaOz;
        lokalTau = 0.2 * a.sigmaOz;
        if (b.steifenabstand > 0)
            lokal += stegbiegungUnter(*schiene, b.verschleiss / 2, *d.ort, b.befestigung, t.dRadlast, b.steifenabstand).sigmaT;
    }
    std::vector<Ermuedungsstelle> stellen;
    for (const Punktnachweis& p : n.punkte.punkte) {
        const size_t i = size_t(p.nummer - 1);
        Ermuedungsstelle st;
        st.nummer = p.nummer;
        st.e = pruef.punkte[i].spannung;
        const Plattenart art = ort[i].platte >= 0 ? lagen[size_t(ort[i].platte)].art : Plattenart::Gurt;
        st.ort = d.ort && p.nummer == d.ort->punkt ? Ermuedungsort::StegkopfUnterRad
                 : art == Plattenart::Steg         ? Ermuedungsort::Steg
                 : art == Plattenart::Steife       ? Ermuedungsort::Steife
                                                   : Ermuedungsort::Gurt;
        if (st.ort == Ermuedungsort::StegkopfUnterRad)
            st.dSigmaLokal = lokal, st.dTauLokal = lokalTau;
        stellen.push_back(st);
    }
    d.ermuedung = weiseErmuedungNach(t, bq.gewalzt, b.steifenabstand > 0, stellen);
    n.teile.push_back({Pruefung::Ermuedung, true, d.ermuedung->eta});
}

} // namespace

Nachweisvorbereitung bereiteNachweisVor(const Ergebnisse& r, const Ergebnisse& pruef,
                                        const std::optional<Spannungsnetz>& netz, const Querschnittsdaten& q,
                                        const Bemessung& b, const QString& name, const QString& schienenkatalog,
                                        const std::optional<Traeger>& traeger)
{
    Nachweisdaten d;
    d.querschnitt = name;
    d.bemessung = b;
    d.IYeingabe = r.IY;
    d.IYnachweis = pruef.IY;
    const Querschnittsdaten geprueft = abgefahrenerQuerschnitt(q, b.verschleiss);
    d.abgefahren = schieneWirktMit(q) && b.verschleiss > 0;
    const auto g = querschnittsgeometrie(geprueft);
    if (!g)
        return {std::nullopt, 57};
    const std::vector<Plattenlage> lagen = plattenlagen(*g);
    const std::vector<Ort> ort = orte(*g, pruef);
    for (const Ort& o : ort)
        d.orte.push_back(o.at);
    for (const auto& p : g->plates)
        d.plattendicken.push_back(p.thickness);
    d.netz = netz;
    d.netzBezug = pruef.bezug;
    Nachweis& n = d.nachweis;
    const auto fy = [&b](double t) { return streckgrenze(b.sorte, t); };

    // The wheel: its spread, and its local stresses along the web under it.
    std::vector<Ortsspannung> ortlich(pruef.punkte.size());
    for (size_t i = 0; i < ort.size() && i < ortlich.size(); ++i)
        ortlich[i].schiene = ort[i].platte >= 0 && lagen[size_t(ort[i].platte)].art == Plattenart::Schiene;
    // The rail as typed, read from the catalog once for the wheel and the member checks.
    const auto schiene = schienenquerschnitt(q, schienenkatalog);
    if (b.radlast > 0) {
        d.ort = radlastort(q);
        const bool punktDa = d.ort && d.ort->punkt <= int(pruef.punkte.size()) &&
                             pruef.punkte[size_t(d.ort->punkt - 1)].dicke > 0;
        if (!punktDa || !schiene)
            return {std::nullopt, 57};
        const Radlastort& o = *d.ort;
        d.radlast = radlastausbreitung(*schiene, b.verschleiss, o, b.befestigung, b.radlast);
        if (b.steifenabstand > 0)
            n.stegbiegung = stegbiegungUnter(*schiene, b.verschleiss, o, b.befestigung, b.radlast, b.steifenabstand);
        // Down the web (and the plate it goes on in) the load spreads at 45°.
        for (size_t i = 0; i < ort.size(); ++i) {
            if (std::find(o.stegteile.begin(), o.stegteile.end(), ort[i].platte) == o.stegteile.end() ||
                !(pruef.punkte[i].dicke > 0))
                continue;
            const double tiefe = (ort[i].at.y - o.kopf.y) * o.abwaerts.y + (ort[i].at.z - o.kopf.z) * o.abwaerts.z;
            ortlich[i].sigmaOz = sigmaOzInTiefe(*d.radlast, o.tw, b.radlast, tiefe);
        }
        Ortsspannung& kopf = ortlich[size_t(o.punkt - 1)];
        kopf.sigmaOz = d.radlast->sigmaOz;
        kopf.tauOxz = 0.2 * kopf.sigmaOz;
        kopf.sigmaT = n.stegbiegung ? n.stegbiegung->sigmaT : 0.0;
    }
    n.punkte = weiseNach(pruef.punkte, b, ortlich);
    d.schienenpunkt = std::any_of(ortlich.begin(), ortlich.end(), [](const Ortsspannung& o) { return o.schiene; }) ||
                      (int(pruef.punkte.size()) >= kSchienenpunkt && pruef.punkte[kSchienenpunkt - 1].dicke > 0);
    n.teile.push_back({Pruefung::Spannungen, true, n.punkte.etaMax});
    for (const Punktnachweis& p : n.punkte.punkte)
        n.eta1 = std::max(n.eta1, p.fy > 0 ? std::fabs(p.sigmaX) * b.gammaM0 / p.fy : 0.0);
    if (d.ort)
        n.teile.push_back({Pruefung::Stegbiegung, n.stegbiegung.has_value(), 0});

    // The web under the wheel (EN 1993-6 6.5: ss = leff − 2·tf).
    if (d.ort) {
        const Radlastort& o = *d.ort;
        Stegfeld f;
        f.hw = o.hw, f.tw = o.tw, f.fyw = fy(o.tw), f.a = b.steifenabstand;
        f.tf = o.tf, f.fyf = fy(o.tf), f.gammaM1 = b.gammaM1;
        const double neben = 15 * epsilon(f.fyf) * o.tf;
        f.bf = o.tw + std::min(std::max(0.0, o.links - o.tw / 2), neben) + std::min(std::max(0.0, o.rechts - o.tw / 2), neben);
        const Plattenlage& steg = lagen[size_t(o.steg)];
        const double oben = o.oben ? steg.laenge : 0.0;
        for (const Anschluss& an : steg.anschluesse) {
            if (lagen[size_t(an.platte)].art != Plattenart::Steife)
                continue;
            const double b1 = o.oben ? oben - an.bis : an.von;
            if (b1 > 0 && (f.b1 == 0 || b1 < f.b1)) {
                f.b1 = b1;
                f.Isl1 = steifenTraegheit(*g, lagen, o, an, epsilon(f.fyw));
            }
        }
        n.ss = std::max(0.0, d.radlast->leff - 2 * o.tf);
        n.stegfeld = f;
        n.lasteinleitung = lasteinleitung(f, n.ss);
        n.eta2 = b.radlast * 1000 / n.lasteinleitung->FRd;
        n.teile.push_back({Pruefung::Lasteinleitung, true, n.eta2});
    }

    // Shear buckling of every web, under the largest shear in it away from its ends.
    double eta3 = 0;
    bool mitSchub = false;
    const Schnittgroessen& s = b.kraefte;
    for (size_t k = 0; k < lagen.size(); ++k) {
        if (lagen[k].art != Plattenart::Steg)
            continue;
        Stegschub w;
        w.platte = int(k);
        w.nameDe = QString::fromStdString(g->plates[k].nameDe);
        w.nameEn = QString::fromStdString(g->plates[k].nameEn);
        w.hw = lagen[k].laenge;
        w.tw = g->plates[k].thickness;
        w.fy = fy(w.tw);
        const auto tau = [&s](const std::array<double, 6>& e) { return 1000 * (s.Vy * e[1] + s.Vz * e[2] + s.Mx * e[3]); };
        if (netz) {
            for (const Netzwert& v : netz->werte) {
                if (v.platte != int(k) || v.knoten < 0 || size_t(v.knoten) >= netz->knoten.size())
                    continue;
                const auto& kn = netz->knoten[size_t(v.knoten)];
                const double an = lagen[k].entlang({kn[0], kn[1] - pruef.bezug});
                if (an > w.tw && an < w.hw - w.tw)
                    w.tauEd = std::max(w.tauEd, std::fabs(tau(v.spannung)));
            }
        } else {
            for (size_t i = 0; i < ort.size(); ++i)
                if (ort[i].platte == int(k) && pruef.punkte[i].dicke > 0)
                    w.tauEd = std::max(w.tauEd, std::fabs(tau(pruef.punkte[i].spannung)));
        }
        w.beulen = schubbeulen(w.hw, w.tw, w.fy, b.steifenabstand, b.gammaM1);
        w.eta = w.beulen.noetig && w.beulen.tauRd > 0 ? w.tauEd / w.beulen.tauRd : 0.0;
        mitSchub = mitSchub || w.beulen.noetig;
        eta3 = std::max(eta3, w.eta);
        n.stege.push_back(w);
    }
    n.teile.push_back({Pruefung::Schubbeulen, true, eta3, mitSchub});
    if (d.ort)
        n.teile.push_back({Pruefung::Interaktion, true, (n.eta2 + 0.8 * n.eta1) / 1.4});

    // The class of every plate part under the design stresses (compression positive).
    const Ebene ebene = sigmaXEbene(ort, n.punkte);
    for (const Plattenteil& t : plattenteile(*g, lagen)) {
        if (t.c < t.t)
            continue;
        Teilklasse k;
        k.teil = t;
        k.nameDe = QString::fromStdString(g->plates[size_t(t.platte)].nameDe);
        k.nameEn = QString::fromStdString(g->plates[size_t(t.platte)].nameEn);
        const double a = -ebene.bei(t.von), e = -ebene.bei(t.bis);
        k.sigma1 = std::max(a, e);
        k.sigma2 = std::min(a, e);
        k.fy = fy(t.t);
        k.klasse = klassiere(t.innen, t.c, t.t, k.fy, k.sigma1, k.sigma2);
        n.klasse = std::max(n.klasse, k.klasse.klasse);
        n.klassen.push_back(k);
    }
    n.teile.push_back({Pruefung::Klasse, true, 0});
    if (traeger)
        weiseBauteilNach(d, *traeger, pruef, *g, lagen, ort, q, schiene);

    n.urteil = urteile(n.teile, n.klasse, n.punkte.massgebend >= 0, n.massgebend);
    return {d, 0};
}

Urteil urteile(const std::vector<Teilnachweis>& teile, int klasse, bool mitPunkten, int& massgebend)
{
    // A failed check first, then a class 4 part, then what could not be made.
    bool ueber = false, offen = false;
    massgebend = -1;
    for (size_t i = 0; i < teile.size(); ++i) {
        const Teilnachweis& t = teile[i];
        ueber = ueber || (t.moeglich && t.eta > 1.0);
        offen = offen || !t.moeglich;
        if (t.moeglich && (massgebend < 0 || t.eta > teile[size_t(massgebend)].eta))
            massgebend = int(i);
    }
    return ueber           ? Urteil::NichtErfuellt
           : klasse == 4   ? Urteil::Klasse4
           : offen         ? Urteil::Unvollstaendig
           : !mitPunkten   ? Urteil::NichtErfuellt
                           : Urteil::Erfuellt;
}
