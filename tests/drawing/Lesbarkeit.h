#pragma once
// Whether a recorded drawing can be read: no text covers another, and no
// line crosses a text's letters except the text's own leader, which ends at
// the text. Letters are measured by their ink (the font's tight outline in
// the font and size the text was written with), lines are every stroke,
// box edge and arc drawn.

#include "Aufzeichnung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <utility>

struct Schriftstueck {
    QString text;
    QRectF feld;  // the layout box the surface reports
    QRectF tinte; // the letters themselves
};

inline std::vector<Schriftstueck> schriftstuecke(const Aufzeichnung& a)
{
    std::vector<Schriftstueck> s;
    QFont schrift(QStringLiteral("Times New Roman"), 10);
    const double px = a.flaeche.pixelProMm();
    for (const Zeichenschritt& k : a.protokoll) {
        if (k.art == Zeichenschritt::Art::Schrift) {
            schrift.setFamily(k.text);
            schrift.setPointSizeF(k.wert);
        } else if (k.art == Zeichenschritt::Art::Text && !k.text.trimmed().isEmpty()) {
            const QFontMetricsF fm(schrift, &a.bild);
            const QRectF r = fm.tightBoundingRect(k.text);
            s.push_back({k.text, QRectF(QPointF(k.x1, k.y1), QPointF(k.x2, k.y2)),
                         QRectF(k.x1 + r.left() / px, k.y1 + (fm.ascent() + r.top()) / px, r.width() / px,
                                r.height() / px)});
        }
    }
    return s;
}

// Every stroke on the paper: lines, the edges of boxes, arcs as short chords;
// or only the heavy ones (plates: lines wider than a pixel, boxes and arcs),
// or only the thin lines.
enum class Strichart { Alle, Schwere, Duenne };
inline QList<QLineF> striche(const Aufzeichnung& a, Strichart art = Strichart::Alle)
{
    QList<QLineF> l;
    double breite = 1;
    for (const Zeichenschritt& k : a.protokoll) {
        if (k.art == Zeichenschritt::Art::Linienbreite) {
            breite = k.wert;
        } else if (k.art == Zeichenschritt::Art::Linie) {
            if (art == Strichart::Alle || (art == Strichart::Schwere) == (breite > 1))
                l << QLineF(k.x1, k.y1, k.x2, k.y2);
        } else if (art == Strichart::Duenne) {
            continue;
        } else if (k.art == Zeichenschritt::Art::Rechteck) {
            l << QLineF(k.x1, k.y1, k.x2, k.y1) << QLineF(k.x2, k.y1, k.x2, k.y2) << QLineF(k.x2, k.y2, k.x1, k.y2)
              << QLineF(k.x1, k.y2, k.x1, k.y1);
        } else if (k.art == Zeichenschritt::Art::Bogen) {
            double spanne = k.winkel2 - k.winkel1;
            if (spanne <= 0)
                spanne += 2 * M_PI;
            const auto punkt = [&](double w) { return QPointF(k.x1 + k.x2 * std::cos(w), k.y1 - k.x2 * std::sin(w)); };
            for (int i = 0; i < 24; ++i)
                l << QLineF(punkt(k.winkel1 + spanne * i / 24), punkt(k.winkel1 + spanne * (i + 1) / 24));
        }
    }
    return l;
}

// Does the stroke touch the rectangle?
inline bool trifft(const QLineF& l, const QRectF& r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    for (const QLineF& k : {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                            QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())})
        if (l.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

// A text's leader runs from its point straight at the nearest point of the
// text's box and stops 0.3 short of it.
inline bool istLeitung(const QLineF& l, const QRectF& feld)
{
    const QPointF nah(std::clamp(l.x1(), feld.left(), feld.right()), std::clamp(l.y1(), feld.top(), feld.bottom()));
    const QLineF ganz(l.p1(), nah);
    return l.length() > 1.2 && std::abs(ganz.length() - l.length() - 0.3) < 0.02 &&
           QLineF(ganz.pointAt(l.length() / ganz.length()), l.p2()).length() < 0.02;
}

// What makes the drawing hard to read, one entry per fault: two texts
// covering each other ("P9 / 350"), a line through a text ("P9 | ..."), a
// leader through a plate ("P9 > ..."). Only a text's own leader may come
// near its letters (without touching them); it may leave the plate its
// point lies in, within its first millimetre or, for a point `tiefen` names
// (a stress point on the mid-line of its plate, with its depth), within 1.6
// times that depth, but crosses no other plate edge.
inline QStringList unleserliches(const Aufzeichnung& a, const std::vector<std::pair<QPointF, double>>& tiefen = {})
{
    constexpr double luft = 0.15; // the least white between letters and anything else
    const auto strecke = [](const QLineF& l) {
        return QStringLiteral("(%1,%2)-(%3,%4)").arg(l.x1(), 0, 'f', 1).arg(l.y1(), 0, 'f', 1).arg(l.x2(), 0, 'f', 1).arg(
            l.y2(), 0, 'f', 1);
    };
    QStringList fehler;
    const std::vector<Schriftstueck> texte = schriftstuecke(a);
    for (size_t i = 0; i < texte.size(); ++i)
        for (size_t j = i + 1; j < texte.size(); ++j)
            if (texte[i].tinte.adjusted(-luft, -luft, luft, luft).intersects(texte[j].tinte))
                fehler << texte[i].text + QStringLiteral(" / ") + texte[j].text;
    const QList<QLineF> alle = striche(a), duenne = striche(a, Strichart::Duenne), platten = striche(a, Strichart::Schwere);
    for (const Schriftstueck& t : texte) {
        for (const QLineF& l : alle)
            if (trifft(l, t.tinte.adjusted(-luft, -luft, luft, luft)) && (trifft(l, t.tinte) || !istLeitung(l, t.feld)))
                fehler << t.text + QStringLiteral(" | ") + strecke(l);
        for (const QLineF& l : duenne) {
            if (!istLeitung(l, t.feld))
                continue;
            double frei = 1;
            for (const auto& [p, tiefe] : tiefen)
                if (QLineF(p, l.p1()).length() < 0.01)
                    frei = std::max(frei, 1.6 * tiefe + 0.25);
            const QLineF weiter(l.pointAt(std::min(1.0, frei / l.length())), l.p2());
            for (const QLineF& k : platten)
                if (weiter.intersects(k, nullptr) == QLineF::BoundedIntersection) {
                    fehler << t.text + QStringLiteral(" > ") + strecke(l);
                    break;
                }
        }
    }
    return fehler;
}
