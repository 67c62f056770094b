#pragma once
// The engine's input files, built from the cross-section record as plain
// data: which lines go into "Übergabe0.dat" (or "Übergabe2.dat" for rolled
// profiles), which required fields are empty, and which geometric checks fail.
// Writing the file and showing the messages is left to the caller.

#include "catalogs/Kataloge.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The record as the transfer file needs it: field texts, captions and what the form shows.
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

struct Übergabeinhalt {
    bool ok = true;
    bool dateiGeschrieben = false; // false when the run was refused before any file was opened
    QStringList zeilen;            // lines of the file, without line ends
    QStringList meldungen;         // texts to show at once, in order
    QString Fehlliste;             // shown at the end when not empty
    // Field texts the writing changed: the bottom flange of a box on an H
    // profile, the converted diaphragm width of the rail at mid top flange.
    std::array<QString, 25> Abmessung;
    QString schottbreiteEingegeben; // the diaphragm width as typed (rail at mid top flange)
};

using Meldungstext = std::function<QString(int)>;

// The general families: lines of "Übergabe0.dat", with every check.
Übergabeinhalt baueÜbergabe(const Querschnittseingabe& eingabe, int Laufwert, const QString& schienenkatalog,
                            const Meldungstext& holeMessage);
// The rolled profiles: lines of "Übergabe2.dat".
Übergabeinhalt baueHProfilÜbergabe(const Querschnittseingabe& eingabe, const Meldungstext& holeMessage);

// A value as the program writes a computed width: up to 7 significant digits, "." as the point.
QString textMit7Stellen(float wert);

// The transfer files' names in the editor's folder.
QString übergabedatei(const QString& pathben, int n);
