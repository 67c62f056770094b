#pragma once
// The calculation road on the window's side: the record is written into the
// engine's input file with all its checks, the engine is started and waited
// for, and every way this can fail comes back as the messages the window
// shows. Nothing here reads or writes a field of the window, shows anything or
// changes the working directory.

#include "engine/Ergebnisdatei.h"
#include "engine/Spannungsnetz.h"
#include "kern/Uebergabeschreiber.h"

#include <QString>
#include <QStringList>
#include <optional>

struct Berechnungsumgebung {
    QString pathbasis;
    QString pathben;
    QString pathtext;
    QString Messagedatei;
};

// The transfer files' names in the editor's folder.
QString uebergabedatei(const QString& pathben, int n);

// What a run gives the window: whether the result file may be read, and the
// messages to show in their order (the writer's checks may speak although the
// run goes on).
struct Rechenausgang {
    bool gerechnet = false;
    QStringList meldungen;
};

// The welded families: writes "Übergabe0.dat" and its copy "Übergabe2.dat",
// runs the engine and waits for it. `gerechnet` when "Übergabe1.dat" may be
// read; otherwise the messages say why, and no input file is left behind.
Rechenausgang rechneQuerschnitt(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u);

// The rolled-profile family: writes "Übergabe2.dat", runs the engine; "Übergabe3.dat" as above.
Rechenausgang rechneWalzprofil(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u);

// The design check's own run: the section as the check computes it (the rail
// worn) written into "Übergabe4.dat", its result "Übergabe5.dat" and stress mesh
// "Übergabe5.netz", so that the result shown stays untouched. nullopt when the
// engine gave no complete result; `meldungen` then holds what the run could
// tell (a file not written, an engine that did not start or ended without a
// result), and the caller adds that the check is not shown.
struct Pruefergebnis {
    Ergebnisse werte;
    std::optional<Spannungsnetz> netz;
};
std::optional<Pruefergebnis> rechnePruefquerschnitt(const Querschnittsdaten& q, const Berechnungsumgebung& u,
                                                   QStringList& meldungen);
