#include "Feldnavigation.h"

#include <QLineEdit>

namespace {

int laengeOhneEndblanks(const QString& text)
{
    int n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return n;
}

void fokussiere(QWidget* ziel, bool caretHinterText)
{
    if (!kannFokusNehmen(ziel))
        return;
    ziel->setFocus(Qt::OtherFocusReason);
    if (caretHinterText)
        if (auto* feld = qobject_cast<QLineEdit*>(ziel))
            feld->setCursorPosition(laengeOhneEndblanks(feld->text()));
}

} // namespace

bool kannFokusNehmen(const QWidget* feld)
{
    return feld && feld->isVisible() && feld->isEnabled();
}

void feldNavigation(bool& ausgabe, int& taste, QLineEdit* feld, QWidget* enterZiel, QWidget* rechtsZiel,
                    QWidget* linksZiel, QWidget* hochZiel, QWidget* runterZiel, int caret)
{
    switch (taste) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        fokussiere(enterZiel, false);
        break;
    case Qt::Key_Up:
        fokussiere(hochZiel, false);
        break;
    case Qt::Key_Down:
        fokussiere(runterZiel, false);
        break;
    case Qt::Key_Left:
        if (caret == 0)
            fokussiere(linksZiel, true);
        break;
    case Qt::Key_Right:
        if (caret >= laengeOhneEndblanks(feld->text()))
            fokussiere(rechtsZiel, false);
        break;
    default:
        ausgabe = true;
        break;
    }
    taste = 0;
}
