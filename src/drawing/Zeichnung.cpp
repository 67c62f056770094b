#include "Zeichnung.h"

#include "Zeichenprimitive.h"


namespace detailzeichnung {

namespace {

// The surface the primitives draw on: the caller's binding when it names this
// surface (the printer keeps its line widths), else this surface as a screen.
Zeichenziel zielFuer(Zeichenflaeche& f)
{
    const Zeichenziel& jetzt = zeichenziel();
    return {&f, jetzt.flaeche == &f ? jetzt.testansicht : true};
}

bool schneidet(const QLineF& l, const QRectF& r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const QLineF kanten[] = {{r.topLeft(), r.topRight()},
                             {r.topRight(), r.bottomRight()},
                             {r.bottomRight(), r.bottomLeft()},
                             {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& k : kanten)
        if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

bool innen(const std::vector<QPointF>& ring, QPointF p)
{
    bool drin = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            drin = !drin;
    }
    return drin;
}

double abstandZurStrecke(QPointF p, const QLineF& k)
{
    const QPointF d = k.p2() - k.p1();
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - k.p1(), d) / l2, 0.0, 1.0) : 0;
    return QLineF(p, k.p1() + t * d).length();
}

// How far the point lies from the outline's nearest edge.
double randabstand(const std::vector<QPointF>& ring, QPointF p)
{
    double d = 1e300;
    for (size_t i = 0; i < ring.size(); ++i)
        d = std::min(d, abstandZurStrecke(p, QLineF(ring[i], ring[(i + 1) % ring.size()])));
    return d;
}

// How far inside the outline the point lies (0 outside or on an edge): a
// point on the mid-line of its plate lies half its thickness inside.
double tiefe(const std::vector<QPointF>& ring, QPointF p)
{
    if (!innen(ring, p))
        return 0;
    const double d = randabstand(ring, p);
    return d < 0.05 ? 0 : d;
}

// The axis symbol's strokes: its arms and their arrowheads (2 long, 15°
// either side of the arm).
std::vector<QLineF> achsenstriche(const Achsenkreuzbild& a)
{
    std::vector<QLineF> striche;
    for (const QLineF& arm : {a.yArm, a.zArm}) {
        striche.push_back(arm);
        const QPointF r = (arm.p1() - arm.p2()) / arm.length();
        for (double v : {-M_PI / 12, M_PI / 12}) {
            const QPointF d(r.x() * std::cos(v) - r.y() * std::sin(v), r.x() * std::sin(v) + r.y() * std::cos(v));
            striche.push_back(QLineF(arm.p2(), arm.p2() + 2 * d));
        }
    }
    return striche;
}

} // namespace

void Belegung::strich(const QLineF& l)
{
    m_striche.push_back(l);
    erweitere(QRectF(l.p1(), l.p2()).normalized());
}

void Belegung::flaeche(const QRectF& r)
{
    m_flaechen.push_back(r);
    erweitere(r);
}

void Belegung::platte(const std::vector<QPointF>& ring)
{
    m_platten.push_back(ring);
    for (size_t i = 0; i < ring.size(); ++i)
        erweitere(QRectF(ring[i], ring[(i + 1) % ring.size()]).normalized());
}

void Belegung::plattenkante(const QLineF& l)
{
    m_plattenstriche.push_back(l);
    erweitere(QRectF(l.p1(), l.p2()).normalized());
}

void Belegung::achsenarm(const QLineF& l)
{
    m_achsenarme.push_back(l);
    strich(l);
}

bool Belegung::frei(const QRectF& r) const
{
    if (r.left() < kSpalteLinks || r.right() > kSpalteRechts || r.top() < m_oberkante)
        return false;
    const QRectF rand = r.adjusted(-0.25, -0.25, 0.25, 0.25);
    for (const auto* liste : {&m_flaechen, &m_sperren})
        for (const QRectF& f : *liste)
            if (f.intersects(rand))
                return false;
    for (const auto* liste : {&m_striche, &m_plattenstriche})
        for (const QLineF& l : *liste)
            if (schneidet(l, rand))
                return false;
    for (const auto& ring : m_platten) {
        if (innen(ring, r.center()))
            return false;
        for (size_t i = 0; i < ring.size(); ++i)
            if (schneidet(QLineF(ring[i], ring[(i + 1) % ring.size()]), rand))
                return false;
    }
    return true;
}

bool Belegung::leitungFrei(const QLineF& l, Strenge strenge) const
{
    for (const QRectF& f : m_flaechen)
        if (schneidet(l, f.adjusted(-0.2, -0.2, 0.2, 0.2)))
            return false;
    if (l.length() <= 1.0)
        return true;
    const QLineF weiter(l.pointAt(1.0 / l.length()), l.p2());
    const auto kreuzt = [&weiter](const QLineF& k) { return weiter.intersects(k, nullptr) == QLineF::BoundedIntersection; };
    if (strenge == Strenge::Beschriftungen)
        return true;
    if (strenge != Strenge::Achsen && std::any_of(m_achsenarme.begin(), m_achsenarme.end(), kreuzt))
        return false;
    for (const auto& ring : m_platten) {
        // The plate the leader starts in it leaves by the short way: within
        // 1.6 times the depth of its point (its plate's half thickness).
        const double d0 = tiefe(ring, l.p1());
        const double frei = std::max(1.0, 1.6 * d0 + 0.2);
        const QLineF danach(l.pointAt(std::min(1.0, frei / l.length())), l.p2());
        for (size_t i = 0; i < ring.size(); ++i) {
            const QLineF k(ring[i], ring[(i + 1) % ring.size()]);
            if (d0 > 0 ? danach.intersects(k, nullptr) == QLineF::BoundedIntersection : kreuzt(k))
                return false;
        }
        // Nor does it run inside a plate (along a stiffener, into a rail).
        for (double t : {0.25, 0.5, 0.75, 1.0})
            if (innen(ring, (d0 > 0 ? danach : weiter).pointAt(t)))
                return false;
    }
    for (const QLineF& k : m_plattenstriche)
        if (kreuzt(k))
            return false;
    // Nor does it run along a line drawn before.
    for (const QLineF& k : m_striche)
        for (double t : {0.35, 0.65, 1.0})
            if (abstandZurStrecke(weiter.pointAt(t), k) < 0.3)
                return false;
    if (strenge != Strenge::Alles)
        return true;
    for (const QLineF& k : m_striche)
        if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return false;
    return true;
}

bool Zeichnung::aufVollerPlatte(QPointF p, double radius) const
{
    return std::any_of(vollePlatten.begin(), vollePlatten.end(),
                       [&](const auto& ring) { return innen(ring, p) || randabstand(ring, p) < radius; });
}

void Zeichnung::breite(int n) { f.setzeLinienbreite(linienbreite(n)); }

void Zeichnung::linie(QPointF a, QPointF c)
{
    f.linie(a, c);
    bel.strich(QLineF(a, c));
}

void Zeichnung::ring(const std::vector<QPointF>& punkte)
{
    for (size_t i = 0; i < punkte.size(); ++i)
        f.linie(punkte[i], punkte[(i + 1) % punkte.size()]);
    bel.platte(punkte);
}

QRectF Zeichnung::textfeld(double x, double y, const QString& text) const
{
    return QRectF(x, y, f.textWidth(text), f.textHeight(text));
}

void Zeichnung::text(double x, double y, const QString& t)
{
    schreibeBei(x, y, t);
    bel.flaeche(textfeld(x, y, t));
}

std::array<QLineF, 2> pfeilstriche(QPointF spitze, QPointF r)
{
    const QPointF zurueck = spitze + 1.5 * r, quer(-0.5 * r.y(), 0.5 * r.x());
    return {QLineF(spitze, zurueck + quer), QLineF(spitze, zurueck - quer)};
}

void Zeichnung::wertmass(double x, double y, float wert, double massstab, int modus)
{
    const double L = double(wert) * massstab;
    if (!endlich(L) || L <= 0)
        return;
    const QString label = einfacherZahltext(beschriftungswert(wert));
    const double w = f.textWidth(label), h = f.textHeight(label);
    zeichneWertmass(x, y, wert, massstab, modus);
    const QPointF r = modus == 1 ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF a(x, y), c = a + L * r;
    bel.strich(QLineF(a, c));
    for (const auto& pfeil : {pfeilstriche(a, r), pfeilstriche(c, -r)})
        for (const QLineF& l : pfeil)
            bel.strich(l);
    bel.flaeche(modus == 1 ? QRectF(x + (L - w) / 2, y - 2, w, h) : QRectF(x - w / 2, y + L / 2 - 2, w, h));
}

void Zeichnung::schraegmass(QPointF a, QPointF c, float wert)
{
    const double L = QLineF(a, c).length();
    if (!endlich(L) || L <= 0)
        return;
    const QString label = einfacherZahltext(beschriftungswert(wert));
    zeichneSchraegmass(a.x(), a.y(), c.x(), c.y(), wert);
    const QPointF r = (c - a) / L, m = (a + c) / 2;
    bel.strich(QLineF(a, c));
    for (const auto& pfeil : {pfeilstriche(a, r), pfeilstriche(c, -r)})
        for (const QLineF& l : pfeil)
            bel.strich(l);
    bel.flaeche(QRectF(m.x() - f.textWidth(label) / 2, m.y() - 2, f.textWidth(label), f.textHeight(label)));
}

void Zeichnung::kurzmass(QPointF a, QPointF c, float wert, QPointF seite)
{
    const double L = QLineF(a, c).length();
    if (!endlich(L) || L <= 0)
        return;
    const QPointF r = (c - a) / L, m = (a + c) / 2;
    linie(a, c);
    for (const auto& pfeil : {pfeilstriche(a, r), pfeilstriche(c, -r)})
        for (const QLineF& l : pfeil)
            linie(l.p1(), l.p2());
    const QString label = einfacherZahltext(beschriftungswert(wert));
    const double w = f.textWidth(label), h = f.textHeight(label);
    const QPointF ecke(seite.x() > 0.3 ? m.x() + 0.8 : seite.x() < -0.3 ? m.x() - 0.8 - w : m.x() - w / 2,
                       seite.y() > 0.3 ? m.y() + 0.5 : seite.y() < -0.3 ? m.y() - 0.5 - h : m.y() - h / 2);
    if (!beschrifte(m, {label}, 0, seite, false, {ecke}, {}, 3))
        text(ecke.x(), ecke.y(), label);
}

Zeichnung::Abstandsbild Zeichnung::abstandsbild(double x, double y, float wert, double massstab, int modus) const
{
    const QString label = einfacherZahltext(wert);
    const double L = double(wert) * massstab, w = f.textWidth(label), h = f.textHeight(label);
    // r: from the point towards the far end.
    const bool hoch = modus == 2 || modus == 5, runter = modus == 4 || modus == 6;
    const QPointF r = modus == 1 ? QPointF(-1, 0) : hoch ? QPointF(0, -1) : modus == 3 ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF a(x, y), e = a + L * r;
    const double xText = modus >= 5 ? x - 1 - w : x + 1;
    Abstandsbild bild{{QLineF(a, a - (runter ? 5 : 6) * r), QLineF(e, e + 4 * r)},
                      modus == 1   ? QRectF(x + 4 - w / 2, y - 4, w, h)
                      : hoch       ? QRectF(xText, y + 1, w, h)
                      : modus == 3 ? QRectF(x - 4 - w / 2, y - 4, w, h)
                                   : QRectF(xText, y - 5, w, h)};
    for (const auto& pfeil : {pfeilstriche(a, -r), pfeilstriche(e, r)})
        bild.striche.insert(bild.striche.end(), pfeil.begin(), pfeil.end());
    return bild;
}

bool Zeichnung::abstandFrei(const Abstandsbild& a, Strenge strenge) const
{
    if (!bel.frei(a.feld))
        return false;
    for (const QLineF& l : a.striche)
        if (!bel.leitungFrei(l, strenge == Strenge::Alles ? Strenge::Alles : Strenge::Beschriftungen))
            return false;
    return true;
}

void Zeichnung::abstandsmass(double x, double y, float wert, double massstab, int modus)
{
    const Abstandsbild a = abstandsbild(x, y, wert, massstab, modus);
    zeichneAbstandsmass(x, y, wert, massstab, modus);
    for (const QLineF& l : a.striche)
        bel.strich(l);
    bel.flaeche(a.feld);
}

bool Zeichnung::abstandsmassBeiFreiem(const std::vector<Abstandsort>& orte, float wert, double massstab)
{
    if (!(wert > 0))
        return false;
    for (Strenge strenge : {Strenge::Alles, Strenge::Platten})
        for (const Abstandsort& o : orte)
            if (abstandFrei(abstandsbild(o.punkt.x(), o.punkt.y(), wert, massstab, o.modus), strenge)) {
                abstandsmass(o.punkt.x(), o.punkt.y(), wert, massstab, o.modus);
                return true;
            }
    return false;
}

void Zeichnung::setzeBeschriftung(QPointF ziel, const QRectF& feld, const QStringList& zeilen, double zeilenabstand,
                                  bool leitung)
{
    for (int i = 0; i < zeilen.size(); ++i)
        text(feld.left(), feld.top() + i * zeilenabstand, zeilen[i]);
    const QPointF nah(std::clamp(ziel.x(), feld.left(), feld.right()), std::clamp(ziel.y(), feld.top(), feld.bottom()));
    const QLineF l(ziel, nah);
    if (leitung && l.length() > 1.2)
        linie(l.p1(), l.pointAt((l.length() - 0.3) / l.length()));
}

bool Zeichnung::passt(QPointF ziel, const QRectF& feld, bool leitung, Strenge strenge) const
{
    if (!bel.frei(feld))
        return false;
    const QPointF nah(std::clamp(ziel.x(), feld.left(), feld.right()), std::clamp(ziel.y(), feld.top(), feld.bottom()));
    const QLineF l(ziel, nah);
    return !leitung || l.length() <= 1.2 || bel.leitungFrei(l, strenge);
}

std::optional<QRectF> Zeichnung::beschrifte(QPointF ziel, const QStringList& zeilen, double zeilenabstand,
                                            QPointF bevorzugt, bool leitung, const std::vector<QPointF>& vorschlaege,
                                            const Ortsregel& erlaubt, double weiteste)
{
    return beschrifte(std::vector<Ziel>{{ziel, bevorzugt}}, zeilen, zeilenabstand, leitung, vorschlaege, erlaubt,
                      weiteste);
}

std::optional<QRectF> Zeichnung::beschrifte(const std::vector<Ziel>& ziele, const QStringList& zeilen,
                                            double zeilenabstand, bool leitung, const std::vector<QPointF>& vorschlaege,
                                            const Ortsregel& erlaubt, double weiteste, Strenge lockerste)
{
    if (ziele.empty())
        return std::nullopt;
    double w = 0;
    for (const QString& z : zeilen)
        w = std::max(w, f.textWidth(z));
    const double h = f.textHeight(zeilen.front()) + zeilenabstand * (zeilen.size() - 1);

    struct Kandidat {
        double wertung;
        QPointF ziel;
        QRectF feld;
    };
    std::vector<Kandidat> vorgeschlagen, kandidaten;
    for (const QPointF& v : vorschlaege)
        vorgeschlagen.push_back({0, ziele.front().punkt, QRectF(v.x(), v.y(), w, h)});
    const double abstaende[] = {0.8, 1.5, 2.5, 3.5, 5, 6.5, 8, 10, 13, 16.5, 20, 25, 30, 35, 40, 45, 50, 55, 60};
    for (const Ziel& zl : ziele) {
        const double lb = std::hypot(zl.richtung.x(), zl.richtung.y());
        const QPointF vor = lb > 0 ? zl.richtung / lb : QPointF(1, 0);
        const QPointF p = zl.punkt;
        for (double d : abstaende) {
            // Beyond the usual reach (a label placed late among many) the directions are finer.
            const int richtungen = d > 13 ? 48 : 16;
            for (int k = 0; k < richtungen && d <= weiteste; ++k) {
                const double a = k * 2 * M_PI / richtungen;
                const QPointF r(std::cos(a), std::sin(a));
                const double x = r.x() > 0.3 ? p.x() + d * r.x() : r.x() < -0.3 ? p.x() + d * r.x() - w
                                                                                 : p.x() - w / 2 + d * r.x();
                const double y = r.y() > 0.3 ? p.y() + d * r.y() : r.y() < -0.3 ? p.y() + d * r.y() - h
                                                                                 : p.y() - h / 2 + d * r.y();
                const double winkel = std::acos(std::clamp(r.x() * vor.x() + r.y() * vor.y(), -1.0, 1.0));
                kandidaten.push_back({d + 3.0 * winkel + zl.nachrang, p, QRectF(x, y, w, h)});
            }
        }
    }
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [](const Kandidat& a, const Kandidat& c) { return a.wertung < c.wertung; });
    kandidaten.insert(kandidaten.begin(), vorgeschlagen.begin(), vorgeschlagen.end());
    for (Strenge strenge : {Strenge::Alles, Strenge::Platten, Strenge::Achsen, Strenge::Beschriftungen})
        for (const Kandidat& k : kandidaten)
            if (strenge <= lockerste && (!erlaubt || erlaubt(k.feld)) && passt(k.ziel, k.feld, leitung, strenge)) {
                setzeBeschriftung(k.ziel, k.feld, zeilen, zeilenabstand, leitung);
                return k.feld;
            }
    return std::nullopt;
}

std::array<double, 4> huelle(const std::vector<Point>& punkte)
{
    std::array<double, 4> h{1e300, 1e300, -1e300, -1e300};
    for (const Point& p : punkte) {
        h[0] = std::min(h[0], p.y);
        h[1] = std::min(h[1], p.z);
        h[2] = std::max(h[2], p.y);
        h[3] = std::max(h[3], p.z);
    }
    return h;
}

Zeichnung::Achsenkreuzwahl Zeichnung::stelleAchsenkreuz(QPointF m, double winkel)
{
    const Achsenbuchstaben zLagen[] = {{1, 0, 0, 0}, {-2.6, 0, 0, 0}, {-0.6, -2.9, 0, 0}, {2.2, 0, 0, 0},
                                       {-3.8, 0, 0, 0}};
    const Achsenbuchstaben yLagen[] = {{0, 0, -1.5, 1}, {0, 0, -1.5, -3.4}, {0, 0, 1, -1.3}, {0, 0, -1.5, 2.2}};
    const auto suche = [&](bool armeFrei) -> std::optional<Achsenkreuzwahl> {
        for (double arm : {5.0, 4.5, 4.0, 3.5, 3.0})
            for (const Achsenbuchstaben& zl : zLagen)
                for (const Achsenbuchstaben& yl : yLagen) {
                    const Achsenbuchstaben lage{zl.zx, zl.zy, yl.yx, yl.yy};
                    const Achsenkreuzbild a = achsenkreuzbild(f, m.x(), m.y(), winkel, arm, lage);
                    bool eigene = true;
                    for (const QLineF& l : achsenstriche(a))
                        for (const QRectF& b : {a.z, a.y})
                            eigene = eigene && !schneidet(l, b.adjusted(-0.25, -0.25, 0.25, 0.25));
                    if (eigene && bel.frei(a.z) && bel.frei(a.y) &&
                        (!armeFrei ||
                         (bel.leitungFrei(a.yArm, Strenge::Platten) && bel.leitungFrei(a.zArm, Strenge::Platten))))
                        return Achsenkreuzwahl{arm, lage};
                }
        return std::nullopt;
    };
    std::optional<Achsenkreuzwahl> gefunden = suche(true);
    if (!gefunden)
        gefunden = suche(false);
    const Achsenkreuzwahl wahl = gefunden.value_or(Achsenkreuzwahl{});
    const Achsenkreuzbild a = achsenkreuzbild(f, m.x(), m.y(), winkel, wahl.arm, wahl.lage);
    bel.flaeche(a.z);
    bel.flaeche(a.y);
    for (const QLineF& l : achsenstriche(a))
        if (l == a.yArm || l == a.zArm)
            bel.achsenarm(l);
        else
            bel.strich(l);
    QRectF ecke = QRectF(m, a.yArm.p2()).normalized().united(QRectF(m, a.zArm.p2()).normalized());
    if (std::abs(ecke.left() - m.x()) < 1e-9)
        ecke.setLeft(m.x() + 0.4);
    if (std::abs(ecke.right() - m.x()) < 1e-9)
        ecke.setRight(m.x() - 0.4);
    if (std::abs(ecke.top() - m.y()) < 1e-9)
        ecke.setTop(m.y() + 0.4);
    if (std::abs(ecke.bottom() - m.y()) < 1e-9)
        ecke.setBottom(m.y() - 0.4);
    if (ecke.isValid())
        bel.sperre(ecke);
    return wahl;
}

Achsenkreuzbild achsenkreuzbild(Zeichenflaeche& f, double x, double y, double winkel, double laenge,
                                const Achsenbuchstaben& lage)
{
    const double groesse = f.schriftgroesse();
    f.setzeSchriftgroesse(6);
    const double s = std::sin(winkel), c = std::cos(winkel);
    const QPointF m(x, y), yTip(x + laenge * c, y - laenge * s), zTip(x - laenge * s, y - laenge * c);
    Achsenkreuzbild bild;
    bild.z = QRectF(zTip.x() + lage.zx, zTip.y() + lage.zy, f.textWidth(QStringLiteral("Z")), f.textHeight());
    bild.y = QRectF(yTip.x() + lage.yx, yTip.y() + lage.yy, f.textWidth(QStringLiteral("Y")), f.textHeight());
    f.setzeSchriftgroesse(groesse);
    bild.yArm = QLineF(m, yTip);
    bild.zArm = QLineF(m, zTip);
    return bild;
}

double zeichneGeschuetzt(Zeichenflaeche& f, double& y, const std::function<double()>& zeichnung)
{
    const double yAnfang = y;
    const double schrift = f.schriftgroesse();
    const Zeichenziel ziel = zielFuer(f);
    const Zeichenzielbindung bindung(ziel.flaeche, ziel.testansicht);
    try {
        const double naechstesY = zeichnung();
        f.setzeSchriftgroesse(schrift);
        return naechstesY;
    } catch (...) {
        f.setzeSchriftgroesse(schrift);
        y = yAnfang;
        f.vermerkeZeichenfehler();
        return yAnfang;
    }
}

} // namespace detailzeichnung
