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

void zeichneAchsenskizze(QPainter& p, const QRectF& feld, Skizzenprofil profil)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF s = feld.center();
    const double e = std::min(feld.width(), feld.height()) / 2;

    // The section the forces act on, in grey: a welded box under its rail, or a rolled I profile.
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(QColor(235, 235, 235));
    const double b = 0.42 * e, h = 0.48 * e, t = 0.07 * e;
    p.drawRect(QRectF(s.x() - b, s.y() - h, 2 * b, t));
    p.drawRect(QRectF(s.x() - b, s.y() + h - t, 2 * b, t));
    if (profil == Skizzenprofil::Walzprofil) {
        p.drawRect(QRectF(s.x() - t / 2, s.y() - h + t, t, 2 * (h - t)));
    } else {
        p.drawRect(QRectF(s.x() - 0.6 * b, s.y() - h + t, t, 2 * (h - t)));
        p.drawRect(QRectF(s.x() + 0.6 * b - t, s.y() - h + t, t, 2 * (h - t)));
        p.drawRect(QRectF(s.x() + 0.6 * b - 1.5 * t, s.y() - h - 0.12 * e, 2 * t, 0.12 * e));
    }
    p.setBrush(Qt::NoBrush);

    QFont schrift = p.font();
    schrift.setPixelSize(int(std::max(9.0, 0.12 * e)));
    p.setFont(schrift);
    const QFontMetricsF m(schrift);
    const auto text = [&](QPointF bei, const QString& t, double rechtsbuendig) {
        p.drawText(bei - QPointF(rechtsbuendig * m.horizontalAdvance(t), 0), t);
    };

    // The principal axes: y to the right, z upwards, x towards the viewer.
    p.setPen(QPen(Qt::black, 1.2));
    pfeil(p, s - QPointF(0.7 * e, 0), s + QPointF(e, 0), false);
    pfeil(p, s + QPointF(0, 0.7 * e), s - QPointF(0, e), false);
    text(s + QPointF(e, m.ascent() + 2), QStringLiteral("y"), 1);
    text(s + QPointF(-4, -0.95 * e), QStringLiteral("z"), 1);
    p.drawEllipse(s, 4, 4);
    p.drawEllipse(s, 1, 1);
    text(s + QPointF(-6, m.ascent() + 4), QStringLiteral("x: N, Mx"), 1);

    // Beyond the section, beside each axis: its force as a single arrow, its
    // moment as a double arrow, both pointing the positive way.
    const double von = 0.5 * e, bis = 0.88 * e, a = 0.08 * e;
    p.setPen(QPen(QColor(0, 70, 160), 1.4));
    pfeil(p, s + QPointF(von, -a), s + QPointF(bis, -a), false);
    text(s + QPointF(von, -a - 3), QStringLiteral("Vy"), 0);
    pfeil(p, s + QPointF(-a, -von), s + QPointF(-a, -bis), false);
    text(s + QPointF(-a - 3, -bis + m.ascent()), QStringLiteral("Vz"), 1);
    p.setPen(QPen(QColor(160, 40, 0), 1.4));
    pfeil(p, s + QPointF(von, a), s + QPointF(bis, a), true);
    text(s + QPointF(von, a + m.ascent() + 2), QStringLiteral("My"), 0);
    pfeil(p, s + QPointF(a, -von), s + QPointF(a, -bis), true);
    text(s + QPointF(a + 3, -bis + m.ascent()), QStringLiteral("Mz"), 0);
    p.restore();
}
