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

} // namespace

bool kannFokusNehmen(const QWidget* feld)
{
    return feld && feld->isVisible() && feld->isEnabled();
}

std::vector<QWidget*> lesefolge(std::vector<QWidget*> widgets)
{
    struct Platz {
        QWidget* w;
        QRect ort, gruppe; // gruppe: null for a widget in no group box
        int zeile = 0;
        auto gruppenrang() const { return std::make_tuple(gruppe.isNull(), gruppe.top(), gruppe.left()); }
    };
    std::vector<Platz> p;
    for (QWidget* w : widgets) {
        const QWidget* g = gruppeVon(w);
        p.push_back({w, imFenster(w), g == w->window() ? QRect() : imFenster(g)});
    }
    // Down each group by the widgets' middles: a row starts where a middle lies more than half a
    // field below the row's first. Two groups may start at one corner (the rolled profile's covers
    // the welded ones): their sizes keep them apart.
    std::stable_sort(p.begin(), p.end(), [](const Platz& a, const Platz& b) {
        return std::make_tuple(a.gruppenrang(), a.gruppe.width(), a.gruppe.height(), a.ort.center().y()) <
               std::make_tuple(b.gruppenrang(), b.gruppe.width(), b.gruppe.height(), b.ort.center().y());
    });
    int zeile = 0, anfang = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const int mitte = p[i].ort.center().y();
        if (i == 0 || p[i].gruppe != p[i - 1].gruppe) {
            zeile = 0;
            anfang = mitte;
        } else if (mitte - anfang > p[i].ort.height() / 2) {
            ++zeile;
            anfang = mitte;
        }
        p[i].zeile = zeile;
    }
    std::stable_sort(p.begin(), p.end(), [](const Platz& a, const Platz& b) {
        return std::make_tuple(a.gruppenrang(), a.zeile, a.ort.left()) < std::make_tuple(b.gruppenrang(), b.zeile, b.ort.left());
    });
    std::vector<QWidget*> folge;
    for (const Platz& platz : p)
        folge.push_back(platz.w);
    return folge;
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
