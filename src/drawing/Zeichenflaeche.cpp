#include "Zeichenflaeche.h"

#include "kern/Zahlen.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

Zeichenflaeche::Zeichenflaeche(QPainter* painter)
    : m_painter(painter), m_pxProMm(painter->device()->logicalDpiX() / 25.4)
{
    m_schrift = QFont(QStringLiteral("Times New Roman"), 10);
    m_painter->setFont(m_schrift);
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    aktualisiereStift();
}

int Zeichenflaeche::dpi() const { return m_painter->device()->logicalDpiX(); }

void Zeichenflaeche::protokolliere(const Zeichenschritt& schritt)
{
    if (m_protokoll)
        m_protokoll->push_back(schritt);
}

void Zeichenflaeche::aktualisiereStift()
{
    QPen stift(m_farbe);
    stift.setWidthF(m_linienbreite);
    stift.setCapStyle(Qt::SquareCap);
    stift.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(stift);
}

void Zeichenflaeche::print(const QString& text, bool zeilenende)
{
    const QFontMetricsF fm(m_schrift, m_painter->device());
    const QPointF oben = px(CurrentX, CurrentY);
    const QPointF grundlinie(oben.x(), oben.y() + fm.ascent());
    m_painter->drawText(grundlinie, text);
    protokolliere({Zeichenschritt::Art::Text, CurrentX, CurrentY, CurrentX + textWidth(text), CurrentY + textHeight(text),
                   0, 0, text, 0, false});
    if (zeilenende) {
        CurrentX = m_linkerRand;
        CurrentY += textHeight(text);
    } else {
        CurrentX += textWidth(text);
    }
}

double Zeichenflaeche::textWidth(const QString& text) const
{
    return QFontMetricsF(m_schrift, m_painter->device()).horizontalAdvance(text) / m_pxProMm;
}

double Zeichenflaeche::textHeight(const QString&) const
{
    return QFontMetricsF(m_schrift, m_painter->device()).height() / m_pxProMm;
}

void Zeichenflaeche::linie(double x1, double y1, double x2, double y2)
{
    m_painter->drawLine(px(x1, y1), px(x2, y2));
    CurrentX = x2;
    CurrentY = y2;
    protokolliere({Zeichenschritt::Art::Linie, x1, y1, x2, y2, 0, 0, {}, 0, false});
}

void Zeichenflaeche::rechteck(double x1, double y1, double x2, double y2, bool gefuellt)
{
    const QRectF r = QRectF(px(x1, y1), px(x2, y2)).normalized();
    if (gefuellt)
        m_painter->fillRect(r, m_farbe);
    else
        m_painter->drawRect(r);
    CurrentX = x2;
    CurrentY = y2;
    protokolliere({Zeichenschritt::Art::Rechteck, x1, y1, x2, y2, 0, 0, {}, 0, gefuellt});
}

void Zeichenflaeche::bogen(double cx, double cy, double radius, double winkel1, double winkel2)
{
    const double r = radius * m_pxProMm;
    const QPointF m = px(cx, cy);
    const QRectF rahmen(m.x() - r, m.y() - r, 2 * r, 2 * r);
    double spanne = winkel2 - winkel1;
    if (spanne <= 0)
        spanne += 2 * M_PI;
    QPainterPath pfad;
    pfad.arcMoveTo(rahmen, qRadiansToDegrees(winkel1));
    pfad.arcTo(rahmen, qRadiansToDegrees(winkel1), qRadiansToDegrees(spanne));
    m_painter->drawPath(pfad);
    protokolliere({Zeichenschritt::Art::Bogen, cx, cy, radius, 0, winkel1, winkel2, {}, 0, false});
}

void Zeichenflaeche::flaeche(const QPolygonF& ecken)
{
    QPolygonF p;
    for (const QPointF& e : ecken)
        p << px(e.x(), e.y());
    m_painter->save();
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(m_farbe);
    m_painter->drawPolygon(p);
    m_painter->restore();
    if (!ecken.isEmpty())
        protokolliere({Zeichenschritt::Art::Rechteck, ecken.boundingRect().left(), ecken.boundingRect().top(),
                       ecken.boundingRect().right(), ecken.boundingRect().bottom(), 0, 0, {}, 0, true});
}

void Zeichenflaeche::kreis(double cx, double cy, double radius, bool gefuellt)
{
    const double r = radius * m_pxProMm;
    const QPointF m = px(cx, cy);
    if (gefuellt) {
        m_painter->save();
        m_painter->setBrush(m_farbe);
        m_painter->drawEllipse(m, r, r);
        m_painter->restore();
    } else {
        m_painter->drawEllipse(m, r, r);
    }
    protokolliere({Zeichenschritt::Art::Bogen, cx, cy, radius, 0, 0, 2 * M_PI, {}, 0, gefuellt});
}

void Zeichenflaeche::setzeLinienbreite(int pixel)
{
    m_linienbreite = qMax(1, pixel);
    aktualisiereStift();
    protokolliere({Zeichenschritt::Art::Linienbreite, 0, 0, 0, 0, 0, 0, {}, double(m_linienbreite), false});
}

void Zeichenflaeche::setzeFarbe(const QColor& farbe)
{
    m_farbe = farbe;
    aktualisiereStift();
}

void Zeichenflaeche::setzeSchrift(const QString& name, double punkte)
{
    m_schrift.setFamily(name);
    setzeSchriftgroesse(punkte);
}

void Zeichenflaeche::setzeSchriftgroesse(double punkte)
{
    m_schrift.setPointSizeF(punkte);
    m_painter->setFont(m_schrift);
    protokolliere({Zeichenschritt::Art::Schrift, 0, 0, 0, 0, 0, 0, m_schrift.family(), punkte, false});
}

void Zeichenflaeche::setzeFett(bool fett)
{
    m_schrift.setBold(fett);
    m_painter->setFont(m_schrift);
}

void Zeichenflaeche::setzeLinkenRand(double x)
{
    m_linkerRand = x;
    protokolliere({Zeichenschritt::Art::LinkerRand, x, 0, 0, 0, 0, 0, {}, 0, false});
}

void Zeichenflaeche::loesche(const QColor& hintergrund)
{
    const QRect alles(0, 0, m_painter->device()->width(), m_painter->device()->height());
    m_painter->fillRect(alles, hintergrund);
    CurrentX = m_linkerRand;
    CurrentY = 0;
    protokolliere({Zeichenschritt::Art::Loeschen, 0, 0, 0, 0, 0, 0, {}, 0, false});
}

void druckeZahlRechts(Zeichenflaeche& flaeche, double x, int muster, double wert, const QString& beschriftung,
                      const QString& einheit)
{
    const double y = flaeche.CurrentY;
    flaeche.print(beschriftung, false);
    if (muster < 0 || muster > 4)
        return;
    const QString zahltext = formatiereZahl(wert, muster);
    flaeche.CurrentX = x - flaeche.textWidth(zahltext);
    flaeche.CurrentY = y;
    flaeche.print(zahltext + einheit);
}
