#pragma once
// The engine's input files, built from the cross-section record as plain
// data: which lines go into "Übergabe0.dat" (or "Übergabe2.dat" for rolled
// profiles), which required fields are empty, and which geometric checks fail.
// Writing the file and showing the messages is left to the caller.

#include "section/Querschnittsdaten.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

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
