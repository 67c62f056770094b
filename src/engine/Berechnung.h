#pragma once
// The calculation road on the window's side: the record is written into the
// engine's input file with all its checks, the engine is started and waited
// for, and every way this can fail is told to the user. Nothing here reads or
// writes a field of the window.

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

// The welded families: writes "Übergabe0.dat" and its copy "Übergabe2.dat",
// runs the engine and waits for it. True when "Übergabe1.dat" may be read;
// otherwise the user has been told why and no input file is left behind.
bool rechneQuerschnitt(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u);

// The rolled-profile family: writes "Übergabe2.dat", runs the engine; "Übergabe3.dat" as above.
bool rechneWalzprofil(const Querschnittsdaten& q, const Berechnungsumgebung& u);
