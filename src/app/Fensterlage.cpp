#include "Fensterlage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void legeAufBildschirm(QWidget* fenster)
{
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QRect frei = bildschirm->availableGeometry();
    // A window's position is its frame's; before it is shown, the frame is the window itself, and a window
    // whose size its layout decides has none yet (Qt's 640 x 480 until shown) unless asked for it.
    if (!fenster->isVisible() && !fenster->testAttribute(Qt::WA_Resized))
        fenster->adjustSize();
    const QSize groesse = fenster->frameGeometry().size();
    fenster->move(frei.x() + std::max(0, (frei.width() - groesse.width()) / 2),
                  frei.y() + std::max(0, (frei.height() - groesse.height()) / 2));
}
