#include "Achsenskizze.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// An arrow from a to b; `doppelt` adds a second head behind the first (a moment).
void pfeil(QPainter& p, QPointF a, QPointF b, bool doppelt)
{
    p.drawLine(a, b);
    const QPointF r = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-r.y(), r.x());
    const double l = 7, w = 3.5;
    for (int k = 0; k < (doppelt ? 2 : 1); ++k) {
        const QPointF spitze = b - r * (k * l * 0.8);
        QPainterPath kopf;
        kopf.moveTo(spitze);
        kopf.lineTo(spitze - r * l + n * w);
        kopf.lineTo(spitze - r * l - n * w);
        kopf.closeSubpath();
        p.fillPath(kopf, p.pen().color());
    }
}

} // namespace

void zeichneAchsenskizze(QPainter& p, const QRectF& feld)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF s = feld.center();
    const double e = std::min(feld.width(), feld.height()) / 2;

    // A welded box under its rail, in grey: the forces act on this.
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(QColor(235, 235, 235));
    const double b = 0.55 * e, h = 0.7 * e, t = 0.08 * e;
    p.drawRect(QRectF(s.x() - b, s.y() - h, 2 * b, t));
    p.drawRect(QRectF(s.x() - b, s.y() + h - t, 2 * b, t));
    p.drawRect(QRectF(s.x() - 0.6 * b, s.y() - h + t, t, 2 * (h - t)));
    p.drawRect(QRectF(s.x() + 0.6 * b - t, s.y() - h + t, t, 2 * (h - t)));
    p.drawRect(QRectF(s.x() + 0.6 * b - 0.6 * t - t / 2, s.y() - h - 0.15 * e, 1.2 * t + t, 0.15 * e));
    p.setBrush(Qt::NoBrush);

    QFont schrift = p.font();
    schrift.setPixelSize(int(std::max(9.0, 0.11 * e)));
    p.setFont(schrift);
    const QFontMetricsF m(schrift);

    // The principal axes: y to the right, z upwards, x towards the viewer.
    p.setPen(QPen(Qt::black, 1.2));
    const QPointF yEnde = s + QPointF(0.95 * e, 0), zEnde = s - QPointF(0, 0.95 * e);
    pfeil(p, s - QPointF(0.75 * e, 0), yEnde, false);
    pfeil(p, s + QPointF(0, 0.75 * e), zEnde, false);
    p.drawText(yEnde + QPointF(-m.horizontalAdvance("y"), -4), QStringLiteral("y"));
    p.drawText(zEnde + QPointF(5, m.ascent()), QStringLiteral("z"));
    p.drawEllipse(s, 4, 4);
    p.drawEllipse(s, 1, 1);
    p.drawText(s + QPointF(-m.horizontalAdvance("x") - 6, -5), QStringLiteral("x"));

    // Forces as single, moments as double arrows along their axes.
    p.setPen(QPen(QColor(0, 70, 160), 1.4));
    const QPointF vy = s + QPointF(0.25 * e, 0.22 * e), vz = s + QPointF(-0.22 * e, -0.25 * e);
    pfeil(p, vy, vy + QPointF(0.35 * e, 0), false);
    p.drawText(vy + QPointF(0.1 * e, m.ascent() + 3), QStringLiteral("Vy"));
    pfeil(p, vz, vz - QPointF(0, 0.35 * e), false);
    p.drawText(vz + QPointF(-m.horizontalAdvance("Vz") - 3, -0.15 * e), QStringLiteral("Vz"));
    p.setPen(QPen(QColor(160, 40, 0), 1.4));
    const QPointF my = s + QPointF(0.25 * e, -0.22 * e), mz = s + QPointF(0.22 * e, -0.25 * e);
    pfeil(p, my, my + QPointF(0.35 * e, 0), true);
    p.drawText(my + QPointF(0.1 * e, -4), QStringLiteral("My"));
    pfeil(p, mz + QPointF(0, -0.02 * e), mz - QPointF(0, 0.37 * e), true);
    p.drawText(mz + QPointF(5, -0.3 * e), QStringLiteral("Mz"));
    p.setPen(QPen(Qt::black, 1));
    p.drawText(s + QPointF(6, m.ascent() + 4), QStringLiteral("N, Mx"));
    p.restore();
}
