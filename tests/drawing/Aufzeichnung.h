#pragma once
// A recording surface: a drawing surface over a picture whose every line,
// box, arc and text is logged in millimetres, and helpers to compare what was
// drawn with what should have been, order aside.

#include "drawing/Zeichenflaeche.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QStringList>
#include <cmath>
#include <vector>

inline QImage leeresBild(int pixel, int dpi)
{
    QImage bild(pixel, pixel, QImage::Format_RGB32);
    const int punkteProMeter = qRound(dpi / 0.0254);
    bild.setDotsPerMeterX(punkteProMeter);
    bild.setDotsPerMeterY(punkteProMeter);
    bild.fill(Qt::white);
    return bild;
}

struct Aufzeichnung {
    explicit Aufzeichnung(int dpi = 96, int pixel = 253) : bild(leeresBild(pixel, dpi)), painter(&bild), flaeche(&painter)
    {
        flaeche.protokolliereIn(&protokoll);
    }

    QList<QLineF> linien() const
    {
        QList<QLineF> l;
        for (const Zeichenschritt& s : protokoll)
            if (s.art == Zeichenschritt::Art::Linie)
                l.append(QLineF(s.x1, s.y1, s.x2, s.y2));
        return l;
    }
    // Lines drawn while the line width was the given number of pixels.
    QList<QLineF> linienMitBreite(double pixel) const
    {
        QList<QLineF> l;
        double breite = flaecheAnfangsbreite;
        for (const Zeichenschritt& s : protokoll) {
            if (s.art == Zeichenschritt::Art::Linienbreite)
                breite = s.wert;
            else if (s.art == Zeichenschritt::Art::Linie && breite == pixel)
                l.append(QLineF(s.x1, s.y1, s.x2, s.y2));
        }
        return l;
    }
    std::vector<Zeichenschritt> schritte(Zeichenschritt::Art art) const
    {
        std::vector<Zeichenschritt> auswahl;
        for (const Zeichenschritt& s : protokoll)
            if (s.art == art)
                auswahl.push_back(s);
        return auswahl;
    }
    std::vector<Zeichenschritt> texte() const { return schritte(Zeichenschritt::Art::Text); }
    // The texts whose content starts with the prefix, as "text@x,y".
    QStringList textorte(const QString& anfang = QString()) const
    {
        QStringList orte;
        for (const Zeichenschritt& s : texte())
            if (s.text.startsWith(anfang))
                orte.append(QStringLiteral("%1@%2,%3").arg(s.text).arg(s.x1).arg(s.y1));
        orte.sort();
        return orte;
    }
    // Anything drawn at all (lines, boxes, arcs, texts)?
    bool zeichnetEtwas() const
    {
        for (const Zeichenschritt& s : protokoll)
            if (s.art == Zeichenschritt::Art::Linie || s.art == Zeichenschritt::Art::Rechteck ||
                s.art == Zeichenschritt::Art::Bogen || s.art == Zeichenschritt::Art::Text)
                return true;
        return false;
    }

    QImage bild;
    QPainter painter;
    Zeichenflaeche flaeche;
    std::vector<Zeichenschritt> protokoll;
    double flaecheAnfangsbreite = 1;
};

inline bool gleich(double a, double b) { return std::abs(a - b) < 1e-9; }

inline bool gleicheStrecke(const QLineF& a, const QLineF& b)
{
    const auto punkt = [](QPointF p, QPointF q) { return gleich(p.x(), q.x()) && gleich(p.y(), q.y()); };
    return (punkt(a.p1(), b.p1()) && punkt(a.p2(), b.p2())) || (punkt(a.p1(), b.p2()) && punkt(a.p2(), b.p1()));
}

inline QString alsText(const QLineF& l)
{
    return QStringLiteral("(%1,%2)-(%3,%4)").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2());
}

// Compares two sets of lines regardless of order and direction; the result
// names every missing and every unexpected line, empty when they agree.
inline QString streckenUnterschied(QList<QLineF> ist, const QList<QLineF>& soll)
{
    QStringList fehlend;
    for (const QLineF& s : soll) {
        bool gefunden = false;
        for (int i = 0; i < ist.size(); ++i) {
            if (gleicheStrecke(ist[i], s)) {
                ist.removeAt(i);
                gefunden = true;
                break;
            }
        }
        if (!gefunden)
            fehlend.append(alsText(s));
    }
    QStringList zuviel;
    for (const QLineF& l : ist)
        zuviel.append(alsText(l));
    if (fehlend.isEmpty() && zuviel.isEmpty())
        return QString();
    return QStringLiteral("missing: %1; unexpected: %2").arg(fehlend.join(u' '), zuviel.join(u' '));
}
