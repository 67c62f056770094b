#include "Zeichnung.h"

#include "Zeichenprimitive.h"
#include "app/Meldungen.h"


namespace detailzeichnung {

namespace {

void zeigeDruckfehler() { meldungen().zeige(QStringLiteral("Printererror"), Meldungssymbol::Keins); }

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
    for (size_t i = 0; i < ring.size(); ++i) {
        m_plattenstriche.push_back(QLineF(ring[i], ring[(i + 1) % ring.size()]));
        erweitere(QRectF(ring[i], ring[(i + 1) % ring.size()]).normalized());
    }
}

bool Belegung::frei(const QRectF& r) const
{
    if (r.left() < kSpalteLinks || r.right() > kSpalteRechts || r.top() < m_oberkante)
        return false;
    const QRectF rand = r.adjusted(-0.25, -0.25, 0.25, 0.25);
    for (const QRectF& f : m_flaechen)
        if (f.intersects(rand))
            return false;
    for (const auto* liste : {&m_striche, &m_plattenstriche})
        for (const QLineF& l : *liste)
            if (schneidet(l, rand))
                return false;
    for (const auto& ring : m_platten)
        if (innen(ring, r.center()))
            return false;
    return true;
}

bool Belegung::leitungFrei(const QLineF& l, Strenge strenge) const
{
    for (const QRectF& f : m_flaechen)
        if (schneidet(l, f))
            return false;
    if (strenge == Strenge::Beschriftungen || l.length() <= 1.0)
        return true;
    const QLineF weiter(l.pointAt(1.0 / l.length()), l.p2());
    for (const QLineF& k : m_plattenstriche)
        if (weiter.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return false;
    // Nor does it run inside a plate (along a stiffener, into a rail).
    for (double t : {0.25, 0.5, 0.75, 1.0})
        for (const auto& ring : m_platten)
            if (innen(ring, weiter.pointAt(t)))
                return false;
    if (strenge == Strenge::Platten)
        return true;
    for (const QLineF& k : m_striche)
        if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return false;
    return true;
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

void Zeichnung::wertmass(double x, double y, float wert, double massstab, int modus)
{
    const double L = double(wert) * massstab;
    if (!endlich(L) || L <= 0)
        return;
    const QString label = einfacherZahltext(beschriftungswert(wert));
    const double w = f.textWidth(label), h = f.textHeight(label);
    zeichneWertmass(x, y, wert, massstab, modus);
    if (modus == 1) {
        bel.strich(QLineF(x, y, x + L, y));
        bel.flaeche(QRectF(x + (L - w) / 2, y - 2, w, h));
    } else {
        bel.strich(QLineF(x, y, x, y + L));
        bel.flaeche(QRectF(x - w / 2, y + L / 2 - 2, w, h));
    }
}

Zeichnung::Abstandsbild Zeichnung::abstandsbild(double x, double y, float wert, double massstab, int modus) const
{
    const QString label = einfacherZahltext(wert);
    const double L = double(wert) * massstab, w = f.textWidth(label), h = f.textHeight(label);
    switch (modus) {
    case 1:
        return {{{x, y, x + 6, y}, {x - L, y, x - L - 4, y}}, QRectF(x + 4 - w / 2, y - 4, w, h)};
    case 2:
        return {{{x, y, x, y + 6}, {x, y - L, x, y - L - 4}}, QRectF(x + 1, y + 1, w, h)};
    case 3:
        return {{{x - 6, y, x, y}, {x + L, y, x + L + 4, y}}, QRectF(x - 4 - w / 2, y - 4, w, h)};
    default:
        return {{{x, y, x, y - 5}, {x, y + L, x, y + L + 4}}, QRectF(x + 1, y - 5, w, h)};
    }
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
                                            QPointF bevorzugt, bool leitung, const std::vector<QPointF>& vorschlaege)
{
    double w = 0;
    for (const QString& z : zeilen)
        w = std::max(w, f.textWidth(z));
    const double h = f.textHeight(zeilen.front()) + zeilenabstand * (zeilen.size() - 1);
    const double lb = std::hypot(bevorzugt.x(), bevorzugt.y());
    const QPointF vor = lb > 0 ? bevorzugt / lb : QPointF(1, 0);

    std::vector<QRectF> felder;
    for (const QPointF& v : vorschlaege)
        felder.push_back(QRectF(v.x(), v.y(), w, h));
    struct Kandidat {
        double wertung;
        QRectF feld;
    };
    std::vector<Kandidat> kandidaten;
    const double abstaende[] = {0.8, 1.5, 2.5, 3.5, 5, 6.5, 8, 10, 13};
    for (double d : abstaende)
        for (int k = 0; k < 16; ++k) {
            const double a = k * M_PI / 8;
            const QPointF r(std::cos(a), std::sin(a));
            const double x = r.x() > 0.3 ? ziel.x() + d * r.x() : r.x() < -0.3 ? ziel.x() + d * r.x() - w
                                                                                 : ziel.x() - w / 2 + d * r.x();
            const double y = r.y() > 0.3 ? ziel.y() + d * r.y() : r.y() < -0.3 ? ziel.y() + d * r.y() - h
                                                                                 : ziel.y() - h / 2 + d * r.y();
            const double winkel = std::acos(std::clamp(r.x() * vor.x() + r.y() * vor.y(), -1.0, 1.0));
            kandidaten.push_back({d + 3.0 * winkel, QRectF(x, y, w, h)});
        }
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [](const Kandidat& a, const Kandidat& c) { return a.wertung < c.wertung; });
    for (const Kandidat& k : kandidaten)
        felder.push_back(k.feld);
    for (Strenge strenge : {Strenge::Alles, Strenge::Platten, Strenge::Beschriftungen})
        for (const QRectF& feld : felder)
            if (passt(ziel, feld, leitung, strenge)) {
                setzeBeschriftung(ziel, feld, zeilen, zeilenabstand, leitung);
                return feld;
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

// What the axis symbol covers: its two arms and their letters.
QRectF achsenkreuzfeld(Zeichenflaeche& f, double x, double y, double winkel)
{
    const double groesse = f.schriftgroesse();
    f.setzeSchriftgroesse(6);
    const double s = std::sin(winkel), c = std::cos(winkel);
    const QPointF yTip(x + 5 * c, y - 5 * s), zTip(x - 5 * s, y - 5 * c);
    const QRectF zFeld(zTip.x() + 1, zTip.y(), f.textWidth(QStringLiteral("Z")), f.textHeight());
    const QRectF yFeld(yTip.x() - 1.5, yTip.y() + 1, f.textWidth(QStringLiteral("Y")), f.textHeight());
    f.setzeSchriftgroesse(groesse);
    QRectF feld = QRectF(QPointF(x, y), yTip).normalized().united(QRectF(QPointF(x, y), zTip).normalized());
    return feld.united(zFeld).united(yFeld).adjusted(-0.8, -0.8, 0.8, 0.8);
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
        zeigeDruckfehler();
        return yAnfang;
    }
}

} // namespace detailzeichnung
