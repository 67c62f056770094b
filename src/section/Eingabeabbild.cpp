// The one mapping between the window's fields and the cross-section record.
#include "Eingabeseite.h"

#include "app/Start.h"
#include "catalogs/Kataloge.h"
#include "kern/Zahlen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace {

template <typename Feld>
QString text(const Feld* feld) { return feld ? feld->text() : QString(); }

template <typename Feld>
HProfilmasse profil(const std::array<Feld*, 12>& hwert, int h, int b, int s, int t, int r)
{
    return {text(hwert[size_t(h)]), text(hwert[size_t(b)]), text(hwert[size_t(s)]), text(hwert[size_t(t)]),
            text(hwert[size_t(r)])};
}

// Reads one of the two arrays of the window, fields or their captions, into the plates' names.
template <typename Feld>
Plattenmasse platten(const std::array<Feld*, 25>& a)
{
    Plattenmasse m;
    m.obergurtbreite = text(a[0]);
    m.obergurtdicke = text(a[1]);
    m.untergurtbreite = text(a[2]);
    m.untergurtdicke = text(a[3]);
    m.steghoehe = text(a[4]);
    m.stegdicke = text(a[5]);
    m.stegdicke2 = text(a[6]);
    m.schottbreite = text(a[7]);
    m.schienenhoehe = text(a[10]);
    m.schienenbreite = text(a[11]);
    m.steghoehe2 = text(a[13]);
    m.stegwinkel = text(a[14]);
    m.hoehe2 = text(a[15]);
    m.breite2 = text(a[16]);
    m.zelle2 = {text(a[20]), text(a[21]), text(a[22]), text(a[23]), text(a[24])};
    return m;
}

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
        q.steifen[i] = {Stort[i]->text(), StLang1[i]->text(), StLang2[i]->text(), StDick[i]->text()};
    q.Typ = Typ->text();
    q.walzprofil = profil(hwert, 0, 1, 2, 3, 4);
    q.HschieneCheck = HschieneCheck->isChecked();
    q.flachschienenhoehe = text(hwert[5]);
    q.flachschienenbreite = text(hwert[6]);
    q.HUGCheck = HUGCheck->isChecked();
    q.untergurtprofil = profil(hwert, 8, 9, 10, 11, 7);
    return q;
}

Beschriftungen Eingabeseite::beschriftungen() const
{
    Beschriftungen b;
    b.masse = platten(Abmessungslabel);
    // The rail at mid top flange names its diaphragm width at the top.
    if (familie == kMitteObergurt)
        b.masse.schottbreite = text(Abmessungslabel[8]);
    b.stegprofil = profil(hwertlabel, 0, 1, 2, 3, 4);
    b.stegprofilwahl = text(Abmessungslabel[19]);
    b.steifen = {Stegtext3[0]->text(), Stegtext4[0]->text(), Stegtext5[0]->text(), Stegtext6[0]->text()};
    for (size_t i = 0; i < 5; ++i)
        b.steifenzeilen[i] = Stegtext2[i]->text();
    return b;
}
