// The one mapping between the window's fields and the cross-section record.
#include "Eingabeseite.h"

#include "app/Start.h"
#include "catalogs/Kataloge.h"
#include "kern/Zahlen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace {

template <typename Feld>
QString text(const Feld* feld) { return feld ? feld->text() : QString(); }

// The five values of an H profile and the indices of their fields.
std::array<QString*, 5> werte(HProfilmasse& p) { return {&p.H, &p.B, &p.S, &p.T, &p.R}; }
constexpr std::array<size_t, 5> kWalzprofilfelder{0, 1, 2, 3, 4};
constexpr std::array<size_t, 5> kUntergurtfelder{8, 9, 10, 11, 7}; // RU stands last in its row

template <typename Feld>
HProfilmasse profil(const std::array<Feld*, 12>& hwert, const std::array<size_t, 5>& felder)
{
    HProfilmasse p;
    for (size_t k = 0; k < 5; ++k)
        *werte(p)[k] = text(hwert[felder[k]]);
    return p;
}

// The plates' names by the index of their field (and caption) in the window.
std::array<std::pair<size_t, QString*>, 19> plattenfelder(Plattenmasse& m)
{
    Zellenmasse& z = m.zelle2;
    return {{{0, &m.obergurtbreite}, {1, &m.obergurtdicke}, {2, &m.untergurtbreite}, {3, &m.untergurtdicke},
             {4, &m.steghoehe}, {5, &m.stegdicke}, {6, &m.stegdicke2}, {7, &m.schottbreite},
             {10, &m.schienenhoehe}, {11, &m.schienenbreite}, {13, &m.steghoehe2}, {14, &m.stegwinkel},
             {15, &m.hoehe2}, {16, &m.breite2}, {20, &z.BO3}, {21, &z.TO3}, {22, &z.HS3}, {23, &z.TS3},
             {24, &z.AS3}}};
}

// Reads one of the two arrays of the window, fields or their captions, into the plates' names.
template <typename Feld>
Plattenmasse platten(const std::array<Feld*, 25>& a)
{
    Plattenmasse m;
    for (auto [i, wert] : plattenfelder(m))
        *wert = text(a[i]);
    return m;
}

// A stiffener row: its values and its fields, position, leg 1, leg 2 and thickness.
std::array<QString*, 4> werte(Steifenmasse& s) { return {&s.lage, &s.lang1, &s.lang2, &s.dicke}; }
std::array<QLineEdit*, 4> steifenzeile(const Eingabeseite& e, size_t i)
{
    return {e.Stort[i], e.StLang1[i], e.StLang2[i], e.StDick[i]};
}

// Chooses a list's entry without the list's own reaction; an entry the list
// does not hold leaves it at its first, empty one.
void waehle(QComboBox* liste, const QString& eintrag) { liste->setCurrentIndex(std::max(0, liste->findText(eintrag))); }

} // namespace

Querschnittsdaten Eingabeseite::querschnitt() const
{
    Querschnittsdaten q;
    q.familie = familie;
    q.Querschnittsnummer = Querschnitt->currentIndex() >= 0 ? Querschnittsnummer : 0;
    q.masse = platten(Abmessung);
    q.stegprofilreihe = Combo1[2]->currentText().trimmed();
    q.stegprofilgroesse = Combo1[3]->currentText().trimmed();
    // The web profile's values always come from its own series' table.
    if (!q.stegprofilreihe.isEmpty() && !q.stegprofilgroesse.isEmpty())
        if (const auto werte = leseProfilwerte(verbinde(pathtext, q.stegprofilreihe),
                                               int(std::lround(zahl(q.stegprofilgroesse)))))
            q.stegprofil = {(*werte)[0], (*werte)[1], (*werte)[2], (*werte)[3], (*werte)[4]};
    q.schieneMittragend = Schienemittragend->isChecked();
    q.ASchiene = ASchiene->currentText();
    for (size_t i = 0; i < 5; ++i)
        for (size_t k = 0; k < 4; ++k)
            *werte(q.steifen[i])[k] = steifenzeile(*this, i)[k]->text();
    q.Typ = Typ->text();
    q.walzprofil = profil(hwert, kWalzprofilfelder);
    q.HschieneCheck = HschieneCheck->isChecked();
    q.flachschienenhoehe = text(hwert[5]);
    q.flachschienenbreite = text(hwert[6]);
    q.HUGCheck = HUGCheck->isChecked();
    q.untergurtprofil = profil(hwert, kUntergurtfelder);
    q.bemessung = m_bemessung;
    q.traeger = m_traeger;
    return q;
}

Beschriftungen Eingabeseite::beschriftungen() const
{
    Beschriftungen b;
    b.masse = platten(Abmessungslabel);
    // The rail at mid top flange names its diaphragm width at the top.
    if (familie == kMitteObergurt)
        b.masse.schottbreite = text(Abmessungslabel[8]);
    b.stegprofil = profil(hwertlabel, kWalzprofilfelder);
    b.untergurtprofil = profil(hwertlabel, kUntergurtfelder);
    b.flachschienenhoehe = text(hwertlabel[5]);
    b.flachschienenbreite = text(hwertlabel[6]);
    b.stegprofilwahl = text(Abmessungslabel[19]);
    b.steifen = {Stegtext3[0]->text(), Stegtext4[0]->text(), Stegtext5[0]->text(), Stegtext6[0]->text()};
    for (size_t i = 0; i < 5; ++i)
        b.steifenzeilen[i] = Stegtext2[i]->text();
    return b;
}

void Eingabeseite::setzeQuerschnitt(const Querschnittsdaten& q)
{
    m_bemessung = q.bemessung;
    m_traeger = q.traeger;
    const Querschnittsdaten r = nurGezeigtes(q);
    if (r.familie < kOhneSchiene || r.familie > kZweizeller)
        return;
    const auto feldImFokus = [this]() -> QLineEdit* {
        auto* feld = qobject_cast<QLineEdit*>(m_fenster->focusWidget());
        return feld && feld->property("feldart").isValid() ? feld : nullptr;
    };
    // A value being typed when another section comes in is dropped, not checked: an empty
    // field passes every check as the choices below move the focus on.
    if (QLineEdit* feld = feldImFokus())
        feld->clear();
    // A click on the family already chosen would change nothing: the family is chosen anew.
    if (QAbstractButton* gewaehlt = Familiengruppe->checkedButton()) {
        Familiengruppe->setExclusive(false);
        gewaehlt->setChecked(false);
        Familiengruppe->setExclusive(true);
    }
    Option1[size_t(r.familie)]->setChecked(true);
    if (r.familie == kWalzprofil)
        setzeWalzprofil(r);
    else
        setzeSchweissform(r);
    // What the window now holds counts as accepted when a field or the rail list is left.
    if (const QLineEdit* feld = feldImFokus())
        alterWert = feld->text();
    m_schieneBeimEintritt = ASchiene->currentText();
}

void Eingabeseite::setzeSchweissform(Querschnittsdaten r)
{
    // Without a form, or with one its list does not hold, the family stands alone, its list
    // showing the prompt.
    const int index = Querschnitt->findData(r.Querschnittsnummer);
    if (index < 0)
        return;
    Querschnitt->setCurrentIndex(index);
    emit Querschnitt->activated(index);
    for (auto [i, wert] : plattenfelder(r.masse))
        Abmessung[i]->setText(*wert);
    // The mid stiffener's position is fixed; its field keeps it.
    for (size_t i = 0; i < 5; ++i)
        for (size_t k = i == 4 ? 1 : 0; k < 4; ++k)
            steifenzeile(*this, i)[k]->setText(*werte(r.steifen[i])[k]);
    // The tick's own handler shows or hides the catalog rail.
    Schienemittragend->setChecked(r.schieneMittragend);
    waehle(ASchiene, r.ASchiene);
    waehle(Combo1[2], r.stegprofilreihe);
    waehle(Combo1[3], r.stegprofilgroesse);
}

void Eingabeseite::setzeWalzprofil(Querschnittsdaten r)
{
    // Both additions off first, so that the one the record has runs its handler and the
    // sketch and groups follow, whatever the window showed before.
    HschieneCheck->setChecked(false);
    HUGCheck->setChecked(false);
    HschieneCheck->setChecked(r.HschieneCheck);
    HUGCheck->setChecked(r.HUGCheck);
    // A designation the lists can give shows as chosen from them, with the size list of its series.
    for (int i = 1; i < Combo1[0]->count(); ++i) {
        const QString reihe = Combo1[0]->itemText(i);
        const bool ipe = reihe == QStringLiteral("IPE");
        QComboBox* groesse = ipe ? Combo1[4] : Combo1[1];
        const int j = r.Typ.startsWith(reihe) ? groesse->findText(r.Typ.mid(reihe.size())) : -1;
        if (j <= 0)
            continue;
        Combo1[0]->setCurrentIndex(i);
        groesse->setCurrentIndex(j);
        Combo1[4]->setVisible(ipe);
        Combo1[1]->setVisible(!ipe);
    }
    Typ->setText(r.Typ);
    for (size_t k = 0; k < 5; ++k) {
        hwert[kWalzprofilfelder[k]]->setText(*werte(r.walzprofil)[k]);
        hwert[kUntergurtfelder[k]]->setText(*werte(r.untergurtprofil)[k]);
    }
    hwert[5]->setText(r.flachschienenhoehe);
    hwert[6]->setText(r.flachschienenbreite);
}
