#include "Sprachdateien.h"

#include "Meldungen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace {

std::optional<QString> beschriftung(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return std::nullopt;
}

void setzeBeschriftung(QWidget* w, const QString& wert)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(wert);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(wert);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(wert);
}

void wendeEintragAn(QWidget* fenster, const QList<QWidget*>& steuerelemente, const Formtexteintrag& e)
{
    if (e.abschnitt == 1) {
        fenster->setWindowTitle(e.wert);
        return;
    }
    for (QWidget* w : steuerelemente) {
        switch (e.abschnitt) {
        case 2:
        case 3:
            if (beschriftung(w) == e.schluessel)
                setzeBeschriftung(w, e.wert);
            break;
        case 4:
            if (auto* gitter = qobject_cast<QTableWidget*>(w);
                gitter && gitter->property(kGitterformat).toString() == e.schluessel) {
                const QStringList teile = e.wert.split(u'|');
                if (gitter->columnCount() < teile.size())
                    gitter->setColumnCount(teile.size());
                for (int i = 0; i < teile.size(); ++i)
                    gitter->setHorizontalHeaderItem(i, new QTableWidgetItem(teile[i]));
            }
            break;
        case 5:
            if (auto* feld = qobject_cast<QLineEdit*>(w); feld && feld->text() == e.schluessel)
                feld->setText(e.wert);
            break;
        case 6:
            if (w->toolTip() == e.schluessel)
                w->setToolTip(e.wert);
            break;
        default:
            break;
        }
    }
}

} // namespace

void wendeFormtexteAn(QWidget* fenster, const std::vector<Formtexteintrag>& eintraege)
{
    const QList<QWidget*> steuerelemente = fenster->findChildren<QWidget*>();
    for (const Formtexteintrag& e : eintraege)
        wendeEintragAn(fenster, steuerelemente, e);
}

void ladeFormtexte(QWidget* fenster, const QString& pfad)
{
    const Formtexte texte = leseFormtexte(pfad);
    if (texte.dateiFehlt) {
        meldungen().zeige(textDateiFehlt(pfad), Meldungssymbol::Stopp);
        return;
    }
    wendeFormtexteAn(fenster, texte.eintraege);
    if (texte.eintragOhneDollar)
        meldungen().zeige(textEintragOhneDollar(pfad, *texte.eintragOhneDollar), Meldungssymbol::Keins);
}

void ladeQuerschnittsliste(QComboBox* Querschnitt, const QString& prompt, const QString& pfad, int familie)
{
    Querschnitt->clear();
    Querschnitt->setEditText(prompt);
    bool heil = true;
    const auto liste = leseQuerschnittsliste(pfad, familie, &heil);
    if (!liste) {
        meldungen().zeige(textDateiFehlt(pfad), Meldungssymbol::Stopp);
        return;
    }
    if (!heil)
        meldungen().zeige(textDateiBeschaedigt(pfad), Meldungssymbol::Keins);
    for (const Querschnittseintrag& e : *liste)
        Querschnitt->addItem(e.text, e.nummer);
    // Adding items must not replace the prompt while nothing is chosen.
    Querschnitt->setCurrentIndex(-1);
    Querschnitt->setEditText(prompt);
}
