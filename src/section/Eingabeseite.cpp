#include "Eingabeseite.h"

#include "app/Feldnavigation.h"
#include "app/Twips.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "kern/Zahlen.h"
#include "catalogs/Kataloge.h"
#include "drawing/Skizzen.h"

#include <QButtonGroup>
#include <QFile>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

const QColor kHellgelb(255, 255, 128);
const QColor kGelb(255, 255, 0);
const QColor kWeiss(255, 255, 255);

void faerbe(QLineEdit* feld, const QColor& farbe)
{
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    feld->setPalette(palette);
}

void setzeSichtbar(std::initializer_list<QWidget*> widgets, bool sichtbar)
{
    for (QWidget* w : widgets)
        if (w)
            w->setVisible(sichtbar);
}


// Switching to another window or opening a list is no entering or leaving of a field.
bool innerhalbDesFensters(QEvent* ereignis)
{
    const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

} // namespace

void Eingabeseite::familieGewaehlt(int i)
{
    familie = i;
    Traegerergebnis->hide();
    if (i == 3) {
        // Rolled profile: its own group covers whatever a welded form left shown.
        Querschnitt->hide();
        Combo1[4]->move(Combo1[4]->x(), px(360));
        zeichneWalzprofilskizze(0);
        Typ->clear();
        vergissProfilwahl();
        HschieneCheck->setChecked(false);
        Frame_Hschiene->hide();
        FrameHprofil->show();
        FrameHprofil->raise();
        Picture1->raise();
        Traegerergebnis->show();
        ordneTabfolge();
        return;
    }
    FrameHprofil->hide();
    Querschnitt->show();
    setzeSichtbar({Querschnittsdatenframe1, Picture1, Stegframe, Schienenframe, Steifenframe, Traegerergebnis}, false);
    // The second web thickness keeps its value like every other field: emptied, it would silently
    // mean "as TS1" at the next run.
    if (i == 2) {
        Abmessungslabel[8]->move(px(240), Abmessungslabel[7]->y());
        Abmessungslabel[8]->show();
        Abmessungslabel[7]->hide();
        ASchiene->setCurrentIndex(0);
    } else {
        Abmessungslabel[8]->hide();
        Abmessungslabel[7]->show();
    }
    if (i == 4)
        Abmessung[14]->setText(QStringLiteral("0"));
    Schienemittragend->setChecked(true);
    ASchiene->hide();
    // The families with a second web thickness name the web under the rail; the caption
    // never depends on the family chosen before.
    if (i == 0 || i == 2 || i == 5)
        Abmessungslabel[5]->setText(Abmessungslabel[17]->text());
    else
        Abmessungslabel[5]->setText(Abmessungslabel[18]->text());
    const bool untergurt = i != 5;
    setzeSichtbar({Abmessung[2], Abmessung[3], Abmessungslabel[2], Abmessungslabel[3]}, untergurt);
    if (untergurt)
        setzeSichtbar({Combo1[2], Combo1[3], Abmessungslabel[19]}, false);
}

void Eingabeseite::familieLosgelassen(int i)
{
    ladeQuerschnittsliste(Querschnitt, Label1->text(), verbinde(pathtext, QStringLiteral("Combo.") + Oberflaechensprache), i);
}

void Eingabeseite::setzeWebzeilen(bool winkelform)
{
    auto setzeOben = [](QWidget* w, int oben) { w->move(w->x(), px(oben)); };
    if (!winkelform) {
        for (int i : {4, 5, 6}) {
            setzeOben(Abmessungslabel[size_t(i)], 2760);
            setzeOben(Abmessung[size_t(i)], 2760);
        }
        StegLabel4->move(px(5160), px(3160));
        return;
    }
    // The second web height takes a row of its own below the web row.
    for (int i : {4, 5}) {
        setzeOben(Abmessungslabel[size_t(i)], 2500);
        setzeOben(Abmessung[size_t(i)], 2560);
    }
    setzeOben(Abmessungslabel[6], 3105);
    setzeOben(Abmessungslabel[13], 3105);
    setzeOben(Abmessung[6], 3045);
    StegLabel4->move(px(240), px(2900));
}

void Eingabeseite::formGewaehlt(int index)
{
    if (index < 0)
        return;
    const int c = Querschnitt->itemData(index).toInt();
    Querschnittsnummer = qint16(c);
    Querschnittsname = Querschnitt->itemText(index);
    wendeLayoutAn(formlayout(c));
    zeichneSkizze(c);
    Stort[4]->setText(QStringLiteral("50"));
    Querschnittsdatenframe1->show();
    Stegframe->show();
    Traegerergebnis->show();
    Abmessung[0]->setFocus(Qt::OtherFocusReason);
}

void Eingabeseite::wendeLayoutAn(const Formlayout& l)
{
    setzeWebzeilen(l.winkelzeilen);
    setzeSichtbar({Abmessung[14], Abmessungslabel[14], Werkstofflabel4, InfoCommand2}, l.stegwinkel);
    if (l.stegwinkelNull)
        Abmessung[14]->setText(QStringLiteral("0"));
    setzeSichtbar({Abmessung[6], Abmessungslabel[6]}, l.stegdicke2);
    StegLabel4->setVisible(l.stegLabel4);
    StegLabel5->setVisible(l.stegLabel5);
    setzeSichtbar({Abmessungslabel[19], Combo1[2], Combo1[3]}, l.stegprofil);
    setzeSichtbar({Abmessung[13], Abmessungslabel[13], Abmessung[15], Abmessungslabel[15], Abmessung[16],
                   Abmessungslabel[16]},
                  l.winkelfelder);
    for (int i = 0; i < 5; ++i) {
        const bool zeile = l.steifenzeilen[size_t(i)];
        setzeSichtbar({Stegtext2[size_t(i)], Stegtext3[size_t(i)], Stegtext4[size_t(i)], Stegtext5[size_t(i)],
                       Stegtext6[size_t(i)], Stort[size_t(i)], StLang1[size_t(i)], StLang2[size_t(i)], StDick[size_t(i)]},
                      zeile);
        Stegtext1[size_t(i)]->setVisible(zeile && l.zeilentexte[size_t(i)]);
    }
    Stegtext1[4]->setText((l.st5MitteKasten ? StegtextMitteKasten : StegtextMitteOG)->text());
    Stegtext3[4]->setText(l.st5MitteKasten ? QStringLiteral("%AS") : QStringLiteral("%BO"));
    Zell2_Frame->setVisible(l.zelle2);
    Schienenframe->setVisible(l.schienen);
    Steifenframe->setVisible(l.steifen);
    ordneTabfolge();
}

// The sketch is drawn into an image the picture box shows, so it survives being covered.
void Eingabeseite::zeichneSkizze(int c)
{
    // The H profile is named in the sketch with the caption of its list, in the user's language.
    Picture1->setPixmap(QPixmap::fromImage(skizzenbild(c, 1, {Abmessungslabel[19]->text()})));
    Picture1->show();
}

void Eingabeseite::zeichneWalzprofilskizze(int variante)
{
    Picture1->setPixmap(QPixmap::fromImage(walzprofilbild(variante)));
    Picture1->show();
}

void Eingabeseite::setzeProfillistenZurueck()
{
    // Without a series the HE size list stands in its place, as in a new window.
    Combo1[0]->setCurrentIndex(0);
    Combo1[1]->setCurrentIndex(0);
    Combo1[4]->setCurrentIndex(0);
    Combo1[4]->hide();
    Combo1[1]->show();
}

void Eingabeseite::vergissProfilwahl()
{
    setzeProfillistenZurueck();
    for (int k = 0; k <= 4; ++k)
        hwert[size_t(k)]->clear();
}

void Eingabeseite::profillisteGeklickt(int i)
{
    // The web profile of a welded form is read from its lists when the section is
    // computed; a table that cannot give it is told now.
    if (i == 2 || i == 3) {
        const QString reihe = Combo1[2]->currentText().trimmed(), groesse = Combo1[3]->currentText().trimmed();
        if (!reihe.isEmpty() && !groesse.isEmpty())
            meldeFehlendeProfilwerte(reihe, groesse);
        return;
    }
    if (Combo1[0]->currentText().isEmpty()) {
        Typ->clear();
        Traegerergebnis->hide();
        return;
    }
    const bool ipe = Combo1[0]->currentText() == QStringLiteral("IPE");
    Combo1[4]->setVisible(ipe);
    Combo1[1]->setVisible(!ipe);
    QComboBox* groesse = ipe ? Combo1[4] : Combo1[1];
    if (groesse->currentText().trimmed().isEmpty()) {
        Typ->clear();
        Traegerergebnis->hide();
        return;
    }
    Typ->setText(Combo1[0]->currentText() + groesse->currentText());
    ladeProfilwerte(groesse->currentText());
    Traegerergebnis->show();
}

void Eingabeseite::ladeProfilwerte(const QString& groesse)
{
    // A size the table does not hold leaves no values of an earlier choice behind.
    const auto werte = meldeFehlendeProfilwerte(Combo1[0]->currentText(), groesse);
    for (int i = 0; i < 5; ++i)
        hwert[size_t(i)]->setText(werte ? (*werte)[size_t(i)] : QString());
}

std::optional<Profilwerte> Eingabeseite::meldeFehlendeProfilwerte(const QString& reihe, const QString& groesse)
{
    const QString tabelle = verbinde(pathtext, reihe);
    const auto werte = leseProfilwerte(tabelle, int(std::lround(zahl(groesse))));
    if (!werte)
        meldungen().zeige(QFile::exists(tabelle) ? textDateiBeschaedigt(tabelle) : textDateiFehlt(tabelle),
                          Meldungssymbol::Keins);
    return werte;
}

QLineEdit* Eingabeseite::steifenfeld(Steifenfeld feld) const
{
    const auto i = size_t(feld.zeile);
    switch (feld.spalte) {
    case Steifenspalte::Stort: return Stort[i];
    case Steifenspalte::StLang1: return StLang1[i];
    case Steifenspalte::StLang2: return StLang2[i];
    case Steifenspalte::StDick: return StDick[i];
    }
    return nullptr;
}

std::vector<QWidget*> Eingabeseite::eingabekette() const
{
    std::vector<QWidget*> felder;
    const auto nimm = [&felder](const auto& liste) {
        for (QLineEdit* feld : liste)
            if (feld && kannFokusNehmen(feld))
                felder.push_back(feld);
    };
    nimm(Abmessung);
    nimm(hwert);
    nimm(Stort);
    nimm(StLang1);
    nimm(StLang2);
    nimm(StDick);
    return lesefolge(felder);
}

void Eingabeseite::ordneTabfolge()
{
    QWidget* fenster = Querschnittsframe->window();
    std::vector<QWidget*> widgets;
    for (QWidget* w : fenster->findChildren<QWidget*>())
        // A list's own text field and popup take the focus through the list itself.
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == fenster && !qobject_cast<QComboBox*>(w->parentWidget()))
            widgets.push_back(w);
    setzeTabfolge(lesefolge(widgets));
}

void Eingabeseite::feldErhaeltFokus(QLineEdit* feld, bool betreten)
{
    faerbe(feld, feld->property("feldart").toInt() == 1 ? kGelb : kHellgelb);
    // Back from another window or a list, the user is still editing: the last accepted value stays.
    if (betreten)
        alterWert = feld->text();
}

void Eingabeseite::feldVerliertFokus(QLineEdit* feld)
{
    faerbe(feld, kWeiss);
    const int art = feld->property("feldart").toInt();
    const int i = feld->property("index").toInt();
    const Feldregel regel = art == 0   ? abmessungsregel(i)
                            : art == 1 ? hwertregel(i)
                                       : steifenregel(Steifenspalte(feld->property("spalte").toInt()));
    QString text = feld->text();
    if (pruefeEingabe(text, regel, Messagedatei)) {
        if (text != feld->text())
            feld->setText(text);
        return;
    }
    feld->setText(alterWert);
    // The focus is already on its way to the next field: take it back once that has settled.
    QTimer::singleShot(0, feld, [feld] { feld->setFocus(Qt::OtherFocusReason); });
}

void Eingabeseite::feldTasteLosgelassen(QLineEdit* feld, int taste)
{
    feldNavigation(taste, feld, eingabekette(), feld->cursorPosition());
}

void Eingabeseite::schienenmittragendGeklickt(bool an)
{
    if (familie != 1 && familie != 6 && familie != 7)
        return;
    if (an) {
        ASchiene->hide();
        ASchiene->setCurrentIndex(0);
    } else {
        ASchiene->show();
    }
}

void Eingabeseite::hschieneGeklickt(bool an)
{
    if (an) {
        Frame_Hschiene->show();
        HUGCheck->setChecked(false);
        zeichneWalzprofilskizze(1);
    } else {
        Frame_Hschiene->hide();
        zeichneWalzprofilskizze(0);
    }
}

void Eingabeseite::hugGeklickt(bool an)
{
    if (an) {
        HschieneCheck->setChecked(false);
        zeichneWalzprofilskizze(2);
        FrameUG->show();
        setzeProfillistenZurueck();
    } else {
        zeichneWalzprofilskizze(0);
        FrameUG->hide();
        for (int i = 7; i <= 11; ++i)
            hwert[size_t(i)]->clear();
    }
}

bool Eingabeseite::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const auto typ = ereignis->type();
    if (auto* feld = qobject_cast<QLineEdit*>(objekt); feld && feld->property("feldart").isValid()) {
        switch (typ) {
        case QEvent::FocusIn:
            feldErhaeltFokus(feld, innerhalbDesFensters(ereignis));
            break;
        case QEvent::FocusOut:
            if (innerhalbDesFensters(ereignis))
                feldVerliertFokus(feld);
            break;
        case QEvent::KeyPress: {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            m_gedrueckt = {feld, taste};
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter)
                return true; // Enter only moves on, at key release
            break;
        }
        case QEvent::KeyRelease: {
            // Only a key that went down in this field moves on from it: the release of the
            // Return that chose a form elsewhere, say, arrives here without its press.
            const auto* k = static_cast<QKeyEvent*>(ereignis);
            if (k->isAutoRepeat() || m_gedrueckt.feld != feld || m_gedrueckt.taste != k->key())
                break;
            m_gedrueckt = {};
            // The caret is read after the key has moved it: one press leaves from the edge.
            feldTasteLosgelassen(feld, k->key());
            break;
        }
        default:
            break;
        }
        return false;
    }
    if (objekt == Typ) {
        if (typ == QEvent::FocusIn) {
            faerbe(Typ, kGelb);
        } else if (typ == QEvent::FocusOut) {
            faerbe(Typ, kWeiss);
            if (!Typ->text().isEmpty())
                Traegerergebnis->show();
        }
        return false;
    }
    // A click on the form list's text opens the list, as on its arrow.
    if (objekt == Querschnitt->lineEdit() && typ == QEvent::MouseButtonPress) {
        Querschnitt->showPopup();
        return true;
    }
    if (objekt == ASchiene) {
        if (typ == QEvent::FocusIn && innerhalbDesFensters(ereignis)) {
            m_schieneBeimEintritt = ASchiene->currentText();
        } else if (typ == QEvent::FocusOut && innerhalbDesFensters(ereignis) &&
                   ASchiene->currentText() != m_schieneBeimEintritt) {
            // A new rail brings its own dimensions from the catalog.
            Abmessung[10]->clear();
            Abmessung[11]->clear();
        }
    }
    // The lists are chosen from with the mouse or the keys (arrows, Alt+Down, F4,
    // Return); typed letters would jump to an entry unseen, so they are dropped.
    if (typ == QEvent::KeyPress && (objekt == ASchiene || std::find(Combo1.begin(), Combo1.end(), objekt) != Combo1.end())) {
        const auto* k = static_cast<QKeyEvent*>(ereignis);
        return !k->text().isEmpty() && k->text().at(0).isPrint() && k->key() != Qt::Key_Space &&
               !(k->modifiers() & Qt::AltModifier);
    }
    return QObject::eventFilter(objekt, ereignis);
}
