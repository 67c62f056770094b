#include "Feldnavigation.h"

#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <tuple>

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

QRect imFenster(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

const QWidget* gruppeVon(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QGroupBox*>(p))
            return p;
    return w->window();
}

// Rows within one group: a row starts where a middle lies more than half a field below the row's first.
std::vector<int> zeilenNummern(const std::vector<QRect>& orte)
{
    std::vector<size_t> nachHoehe(orte.size());
    for (size_t i = 0; i < orte.size(); ++i)
        nachHoehe[i] = i;
    std::stable_sort(nachHoehe.begin(), nachHoehe.end(),
                     [&](size_t a, size_t b) { return orte[a].center().y() < orte[b].center().y(); });
    std::vector<int> zeile(orte.size(), 0);
    int n = -1, anfang = 0;
    for (size_t i : nachHoehe) {
        const int mitte = orte[i].center().y();
        if (n < 0 || mitte - anfang > orte[i].height() / 2) {
            ++n;
            anfang = mitte;
        }
        zeile[i] = n;
    }
    return zeile;
}

} // namespace

bool kannFokusNehmen(const QWidget* feld)
{
    return feld && feld->isVisible() && feld->isEnabled();
}

std::vector<QWidget*> lesefolge(std::vector<QWidget*> widgets)
{
    std::vector<QRect> orte;
    std::vector<QRect> gruppen;
    for (QWidget* w : widgets) {
        orte.push_back(imFenster(w));
        const QWidget* g = gruppeVon(w);
        gruppen.push_back(g == w->window() ? QRect() : imFenster(g));
    }
    // Rows are counted per group.
    std::vector<int> zeile(widgets.size(), 0);
    for (size_t i = 0; i < widgets.size(); ++i) {
        std::vector<size_t> mitglieder;
        std::vector<QRect> ihreOrte;
        for (size_t k = 0; k < widgets.size(); ++k)
            if (gruppen[k] == gruppen[i]) {
                mitglieder.push_back(k);
                ihreOrte.push_back(orte[k]);
            }
        const std::vector<int> n = zeilenNummern(ihreOrte);
        for (size_t m = 0; m < mitglieder.size(); ++m)
            zeile[mitglieder[m]] = n[m];
    }
    std::vector<size_t> folge(widgets.size());
    for (size_t i = 0; i < folge.size(); ++i)
        folge[i] = i;
    std::stable_sort(folge.begin(), folge.end(), [&](size_t a, size_t b) {
        return std::make_tuple(gruppen[a].isNull(), gruppen[a].top(), gruppen[a].left(), zeile[a], orte[a].left()) <
               std::make_tuple(gruppen[b].isNull(), gruppen[b].top(), gruppen[b].left(), zeile[b], orte[b].left());
    });
    std::vector<QWidget*> ergebnis;
    for (size_t i : folge)
        ergebnis.push_back(widgets[i]);
    return ergebnis;
}

void setzeTabfolge(const std::vector<QWidget*>& folge)
{
    for (size_t i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
}

bool feldNavigation(int taste, QLineEdit* feld, const std::vector<QWidget*>& kette, int caret)
{
    const auto hier = std::find(kette.begin(), kette.end(), feld);
    if (hier == kette.end())
        return false;
    const size_t i = size_t(hier - kette.begin());
    const auto naechstes = [&](bool umlauf) -> QWidget* {
        if (i + 1 < kette.size())
            return kette[i + 1];
        return umlauf ? kette.front() : nullptr;
    };
    // The field above (-1) or below (+1): the nearest of those standing under or over this one
    // (overlapping it across), else the one nearest across in the nearest row.
    const auto senkrecht = [&](int richtung) -> QWidget* {
        const QRect von = imFenster(feld);
        QWidget* bestes = nullptr;
        std::tuple<bool, int, int> bester;
        for (QWidget* w : kette) {
            const QRect ort = imFenster(w);
            const int abstand = (ort.center().y() - von.center().y()) * richtung;
            if (abstand <= von.height() / 2)
                continue;
            const bool daneben = ort.right() < von.left() || ort.left() > von.right();
            const std::tuple<bool, int, int> wert{daneben, daneben ? abstand / von.height() : abstand,
                                                  std::abs(ort.center().x() - von.center().x())};
            if (!bestes || wert < bester) {
                bestes = w;
                bester = wert;
            }
        }
        return bestes;
    };
    switch (taste) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        fokussiere(naechstes(true), false);
        return true;
    case Qt::Key_Up:
        fokussiere(senkrecht(-1), false);
        return true;
    case Qt::Key_Down:
        fokussiere(senkrecht(+1), false);
        return true;
    case Qt::Key_Left:
        if (caret == 0 && i > 0)
            fokussiere(kette[i - 1], true);
        return true;
    case Qt::Key_Right:
        if (caret >= laengeOhneEndblanks(feld->text()))
            fokussiere(naechstes(false), false);
        return true;
    default:
        return false;
    }
}
