#include "Auslastungsbild.h"

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"
#include "report/Nachweisseite.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <map>

std::vector<double> knotenauslastung(const Nachweisdaten& d)
{
    std::vector<double> eta;
    if (!d.netz)
        return eta;
    const Schnittgroessen& s = d.bemessung.kraefte;
    for (const Netzwert& w : d.netz->werte) {
        const auto& e = w.spannung;
        const double sx = 1000 * (s.N * e[0] + s.My * e[4] + s.Mz * e[5]);
        const double tau = 1000 * (s.Vy * e[1] + s.Vz * e[2] + s.Mx * e[3]);
        const double t = w.platte >= 0 && size_t(w.platte) < d.plattendicken.size() ? d.plattendicken[size_t(w.platte)] : 0;
        const double fy = streckgrenze(d.bemessung.sorte, t);
        eta.push_back(fy > 0 ? std::sqrt(sx * sx + 3 * tau * tau) * d.bemessung.gammaM0 / fy : 0.0);
    }
    return eta;
}

QColor auslastungsfarbe(double eta)
{
    if (!(eta <= 1.0))
        return QColor(150, 0, 150);
    // Hue from blue (240°) down to red (0°).
    return QColor::fromHsvF(std::max(0.0, 1 - eta) * 240.0 / 360.0, 0.85, 0.95);
}

// Corners 0 1 2, mid-sides 3 (0-1), 4 (1-2), 5 (2-0).
static const int kVierDreiecke[4][3] = {{0, 3, 5}, {3, 1, 4}, {5, 4, 2}, {3, 4, 5}};

std::vector<std::array<double, 4>> dreiecksauslastung(const Nachweisdaten& d)
{
    std::vector<std::array<double, 4>> werte;
    if (!d.netz)
        return werte;
    const Spannungsnetz& n = *d.netz;
    const std::vector<double> eta = knotenauslastung(d);
    // A fillet's nodes carry the values of the junction it belongs to: where an element's own
    // plate has no value at a node, the node's largest over the plates meeting there counts.
    std::map<std::pair<int, int>, double> wert;
    std::map<int, double> amKnoten;
    for (size_t i = 0; i < n.werte.size(); ++i) {
        wert[{n.werte[i].platte, n.werte[i].knoten}] = eta[i];
        double& k = amKnoten[n.werte[i].knoten];
        k = std::max(k, eta[i]);
    }
    for (size_t e = 0; e < n.elemente.size(); ++e) {
        const auto& k = n.elemente[e];
        const int platte = e < n.elementplatte.size() ? n.elementplatte[e] : -1;
        std::array<double, 4> vier{};
        for (size_t t = 0; t < 4; ++t) {
            double summe = 0;
            for (int j : kVierDreiecke[t]) {
                const auto w = wert.find({platte, k[size_t(j)]});
                const auto a = amKnoten.find(k[size_t(j)]);
                summe += w != wert.end() ? w->second : a != amKnoten.end() ? a->second : 0.0;
            }
            vier[t] = summe / 3;
        }
        werte.push_back(vier);
    }
    return werte;
}

bool zeichneAuslastung(Zeichenflaeche& f, const Nachweisdaten& d, double x, double y, double breite, double hoehe)
{
    if (!d.netz || d.netz->knoten.empty())
        return false;
    const Spannungsnetz& n = *d.netz;
    const std::vector<std::array<double, 4>> farbe = dreiecksauslastung(d);
    double ymin = 1e300, ymax = -1e300, zmin = 1e300, zmax = -1e300;
    for (const auto& k : n.knoten) {
        ymin = std::min(ymin, k[0]), ymax = std::max(ymax, k[0]);
        zmin = std::min(zmin, k[1]), zmax = std::max(zmax, k[1]);
    }
    const double bildbreite = breite - 25; // the scale stands right of the picture
    const double m = std::min(bildbreite / std::max(1e-9, ymax - ymin), hoehe / std::max(1e-9, zmax - zmin));
    const double x0 = x + (bildbreite - m * (ymax - ymin)) / 2, y0 = y + (hoehe + m * (zmax - zmin)) / 2;
    const auto blatt = [&](double yy, double zz) { return QPointF(x0 + m * (yy - ymin), y0 - m * (zz - zmin)); };
    const auto knoten = [&](int k) { return blatt(n.knoten[size_t(k)][0], n.knoten[size_t(k)][1]); };
    for (size_t e = 0; e < n.elemente.size(); ++e)
        for (size_t t = 0; t < 4; ++t) {
            QPolygonF ecken;
            for (int j : kVierDreiecke[t])
                ecken << knoten(n.elemente[e][size_t(j)]);
            f.setzeFarbe(auslastungsfarbe(farbe[e][t]));
            f.flaeche(ecken);
        }
    f.setzeFarbe(Qt::black);
    // The governing point of the stress check.
    const Punktnachweise& p = d.nachweis.punkte;
    if (p.massgebend >= 0) {
        const int nummer = p.punkte[size_t(p.massgebend)].nummer;
        if (size_t(nummer - 1) < d.orte.size()) {
            const auto at = d.orte[size_t(nummer - 1)];
            const QPointF q = blatt(at.y, at.z + d.netzBezug);
            f.setzeLinienbreite(2);
            f.kreis(q.x(), q.y(), 1.8);
            f.setzeLinienbreite(1);
            schreibeBei(q.x() + 2.2, q.y() - 4, QStringLiteral("P%1").arg(nummer));
        }
    }
    // The scale: 0 to 1 in steps of 0.1, then above 1.
    const double sx = x + breite - 18, sh = std::min(hoehe, 55.0) / 11;
    for (int i = 0; i <= 10; ++i) {
        const double yy = y + (10 - i) * sh + sh;
        f.setzeFarbe(auslastungsfarbe(i < 10 ? (i + 0.5) / 10 : 1.5));
        f.rechteck(sx, yy, sx + 5, yy + sh, true);
        f.setzeFarbe(Qt::black);
        if (i % 2 == 0 || i == 10)
            schreibeBei(sx + 6, yy + sh - f.textHeight() / 2 - (i == 10 ? 0 : sh),
                        i == 10 ? QStringLiteral("> 1") : nachweiszahl(i / 10.0, 1));
    }
    f.rechteck(sx, y + sh, sx + 5, y + 12 * sh);
    return true;
}
