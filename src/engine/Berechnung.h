#pragma once
// The calculation road on the window's side: the record is written into the
// engine's input file with all its checks, and the engine is started and
// waited for. Nothing here reads or writes a field of the window.

#include "kern/Uebergabeschreiber.h"

#include <QString>

struct Berechnungsumgebung {
    QString pathbasis;
    QString pathben;
    QString pathtext;
    QString Messagedatei;
};

// The transfer files' names in the editor's folder.
QString übergabedatei(const QString& pathben, int n);

// Writes "Übergabe0.dat", copies it to "Übergabe2.dat" and starts the engine.
// Returns false (after telling the user why) when the run is refused or the
// engine cannot be started; no input file is then left behind.
bool schreibeÜbergabe(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u, int Laufwert);

// The rolled-profile family: writes "Übergabe2.dat" directly and starts the engine.
bool schreibeHProfilÜbergabe(const Querschnittsdaten& q, const Berechnungsumgebung& u);

// Waits for the engine; message 10 when it did not finish in time.
bool warteUndMelde(const Berechnungsumgebung& u);
