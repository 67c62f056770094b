#pragma once
// A recording surface: a drawing surface over a picture whose every line,
// box, arc and text is logged in millimetres, so that tests can measure what
// was drawn where without looking at pixels.

#include "drawing/Zeichenflaeche.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QStringList>
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

    // Lines drawn while the line width was the given number of pixels (any width for 0).
    QList<QLineF> linienMitBreite(double pixel) const
    {
        QList<QLineF> l;
        double breite = 1;
        for (const Zeichenschritt& s : protokoll) {
            if (s.art == Zeichenschritt::Art::Linienbreite)
                breite = s.wert;
            else if (s.art == Zeichenschritt::Art::Linie && (pixel == 0 || breite == pixel))
                l.append(QLineF(s.x1, s.y1, s.x2, s.y2));
        }
        return l;
    }
    QList<QLineF> linien() const { return linienMitBreite(0); }
    std::vector<Zeichenschritt> schritte(Zeichenschritt::Art art) const
    {
        std::vector<Zeichenschritt> auswahl;
        for (const Zeichenschritt& s : protokoll)
            if (s.art == art)
                auswahl.push_back(s);
        return auswahl;
    }
    std::vector<Zeichenschritt> texte() const { return schritte(Zeichenschritt::Art::Text); }
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
};
