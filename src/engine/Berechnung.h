#pragma once
// The calculation road on the window's side: the record is read from the
// input side, written into the engine's input file with all its checks, and
// the engine is started and waited for.

#include "Uebergabe.h"

class Eingabeseite;

struct Berechnungsumgebung {
    QString pathbasis;
    QString pathben;
    QString pathtext;
    QString Messagedatei;
};

Querschnittseingabe liesEingabe(const Eingabeseite& e);

// Writes "Übergabe0.dat", copies it to "Übergabe2.dat" and starts the engine.
// Returns false (after telling the user why) when the run is refused or the
// engine cannot be started; no input file is then left behind.
bool schreibeÜbergabe(Eingabeseite& e, const Berechnungsumgebung& u, int Laufwert);

// The rolled-profile family: writes "Übergabe2.dat" directly and starts the engine.
bool schreibeHProfilÜbergabe(Eingabeseite& e, const Berechnungsumgebung& u);

// Waits for the engine; message 10 when it did not finish in time.
bool warteUndMelde(const Berechnungsumgebung& u);
