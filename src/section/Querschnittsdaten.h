#pragma once
// The cross-section record as plain data: the texts of the input fields, their
// captions and what the chosen form shows. The transfer files and the
// detailed drawings read the section from here, never from the window.

#include "catalogs/Kataloge.h"

#include <QString>
#include <array>

struct Querschnittseingabe {
    int familie = -1;
    int Querschnittsnummer = 0;
    bool formGewaehlt = false;
    std::array<QString, 25> Abmessung;
    std::array<QString, 25> Abmessungslabel;
    std::array<QString, 12> hwert;
    std::array<QString, 5> Hlabel;
    QString Combo1_2, Combo1_3;
    bool schieneMittragend = true;
    QString ASchiene = kKeineKatalogschiene;
    bool steifenframeSichtbar = false;
    bool stegwinkelSichtbar = true;
    std::array<bool, 5> steifeSichtbar{};
    std::array<QString, 5> Stort, StLang1, StLang2, StDick;
    std::array<QString, 4> steifenbeschriftung; // captions of row 0: position unit, L1, L2, t
    // Rolled profiles.
    bool HschieneCheck = false;
    bool HUGCheck = false;
};

