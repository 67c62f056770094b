#pragma once
// Running the suite's calculation engine: it is started from the suite's
// program folder with the input and result file on its command line, and it
// signals its end by removing the input file.

#include <QString>
#include <QStringList>
#include <functional>

// The command line as the engine receives it: its name, then both file
// names with every blank turned into "?", so each stays one argument.
QString rechenkernBefehl(const QString& eingabe, const QString& ergebnis);

// Starts the engine found in the working directory without waiting for it.
// Returns false when it could not be started.
bool starteRechenkern(const QString& eingabe, const QString& ergebnis);

// Waits until the engine has removed its input file; after more than three
// whole seconds on the clock the input file is removed and false returned.
// The caller tells the user (message 10).
bool warteAufRechenkern(const QString& eingabedatei);

// Starts a program with arguments in a working directory; tests replace it.
using Rechenkernstarter =
    std::function<bool(const QString& programm, const QStringList& argumente, const QString& arbeitsverzeichnis)>;
Rechenkernstarter& rechenkernstarter();
