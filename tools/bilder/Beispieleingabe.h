#pragma once
// Puts a typical section into the input side: the lists chosen the quick way, the
// values set as field texts (pictures, benchmarks) or entered by the caller's own
// hand (the end-to-end tests type them).

#include "Beispiele.h"
#include "section/Eingabeseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>

// A click on the family's option, then the form from the list.
inline void waehleBeispielform(Eingabeseite& e, int familie, int form)
{
    QTest::mouseClick(e.Option1[size_t(familie)], Qt::LeftButton, {}, QPoint(6, 8));
    if (familie == 3)
        return;
    const int index = e.Querschnitt->findData(form);
    e.Querschnitt->setCurrentIndex(index);
    e.formGewaehlt(index);
}

// How a value gets into its field: set as the field's text, or entered by the caller's hand.
using Eintrag = std::function<void(QLineEdit*, const char*)>;
inline void setzeText(QLineEdit* feld, const char* wert) { feld->setText(QString::fromUtf8(wert)); }

inline void fuelleBeispiel(Eingabeseite& e, const Beispiel& b, const Eintrag& setze = setzeText)
{
    waehleBeispielform(e, b.familie, b.form);
    for (const auto& [i, wert] : b.abmessungen)
        setze(e.Abmessung[size_t(i)], wert);
    for (const Steifenangabe& s : b.steifen) {
        if (s.zeile < 4)
            setze(e.Stort[size_t(s.zeile)], s.lage);
        setze(e.StLang1[size_t(s.zeile)], s.l1);
        setze(e.StLang2[size_t(s.zeile)], s.l2);
        setze(e.StDick[size_t(s.zeile)], s.dicke);
    }
    if (b.stegreihe) {
        e.Combo1[2]->setCurrentText(QString::fromUtf8(b.stegreihe));
        e.Combo1[3]->setCurrentText(QString::fromUtf8(b.steggroesse));
        e.profillisteGeklickt(3);
    }
}

// HEB 300 plain (0), with a flat rail (1), and on a bottom-flange profile (2).
inline void fuelleWalzprofil(Eingabeseite& e, int variante, const Eintrag& setze = setzeText)
{
    waehleBeispielform(e, 3, 0);
    e.HUGCheck->setChecked(false);
    e.HschieneCheck->setChecked(false);
    e.Combo1[0]->setCurrentText(QStringLiteral("HEB"));
    e.profillisteGeklickt(0);
    e.Combo1[1]->setCurrentText(QStringLiteral("300"));
    e.profillisteGeklickt(1);
    if (variante == 1) {
        e.HschieneCheck->setChecked(true);
        setze(e.hwert[5], "40");
        setze(e.hwert[6], "60");
    } else if (variante == 2) {
        e.HUGCheck->setChecked(true);
        const char* const unten[5] = {"18", "200", "200", "9", "15"}; // RU, HU, BU, SU, TU
        for (int i = 0; i < 5; ++i)
            setze(e.hwert[size_t(7 + i)], unten[i]);
        // The bottom-flange profile empties the lists; the designation stays as chosen.
        e.Typ->setText(QStringLiteral("HEB300"));
    }
}
