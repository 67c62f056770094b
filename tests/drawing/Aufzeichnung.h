#pragma once
// A recording surface: a drawing surface over a picture whose every line,
// box, arc and text is logged in millimetres, so that tests measure what was
// drawn where without looking at pixels.

#include "drawing/Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <algorithm>

inline QImage leeresBild(int pixel, int dpi)
{
    QImage bild(pixel, pixel, QImage::Format_RGB32);
    bild.setDotsPerMeterX(qRound(dpi / 0.0254));
    bild.setDotsPerMeterY(qRound(dpi / 0.0254));
    bild.fill(Qt::white);
    return bild;
}

struct Aufzeichnung {
    explicit Aufzeichnung(int dpi = 96, int pixel = 253) : bild(leeresBild(pixel, dpi)), painter(&bild), flaeche(&painter)
    {
        flaeche.protokolliereIn(&protokoll);
    }
    std::vector<Zeichenschritt> schritte(Zeichenschritt::Art art) const
    {
        std::vector<Zeichenschritt> s;
        std::copy_if(protokoll.begin(), protokoll.end(), std::back_inserter(s), [art](auto& k) { return k.art == art; });
        return s;
    }
    std::vector<Zeichenschritt> texte() const { return schritte(Zeichenschritt::Art::Text); }
    // The lines, or only those drawn wider than a pixel (plates, a sketch's stiffeners).
    QList<QLineF> linien(bool nurSchwere = false) const
    {
        QList<QLineF> l;
        double breite = 1;
        for (const Zeichenschritt& s : protokoll)
            if (s.art == Zeichenschritt::Art::Linienbreite)
                breite = s.wert;
            else if (s.art == Zeichenschritt::Art::Linie && (!nurSchwere || breite > 1))
                l.append(QLineF(s.x1, s.y1, s.x2, s.y2));
        return l;
    }
    // Each text with the box of its letters' ink (in the font it was written in), in millimetres.
    std::vector<std::pair<Zeichenschritt, QRectF>> tinte() const
    {
        std::vector<std::pair<Zeichenschritt, QRectF>> t;
        QFont font;
        for (const Zeichenschritt& k : protokoll)
            if (k.art == Zeichenschritt::Art::Schrift)
                font = QFont(k.text), font.setPointSizeF(k.wert);
            else if (k.art == Zeichenschritt::Art::Text && !k.text.trimmed().isEmpty()) {
                const QFontMetricsF fm(font, &bild);
                const QRectF r = fm.tightBoundingRect(k.text).translated(0, fm.ascent());
                t.push_back({k, {QPointF(k.x1, k.y1) + r.topLeft() / flaeche.pixelProMm(), r.size() / flaeche.pixelProMm()}});
            }
        return t;
    }
    // Lines, boxes, arcs and texts are the first kinds of step.
    bool zeichnetEtwas() const { return std::any_of(protokoll.begin(), protokoll.end(), [](auto& k) { return k.art <= Zeichenschritt::Art::Text; }); }

    QImage bild;
    QPainter painter;
    Zeichenflaeche flaeche;
    std::vector<Zeichenschritt> protokoll;
};
