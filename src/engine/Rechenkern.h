#pragma once
// Running the suite's calculation engine: it is started from the suite's
// program folder with the input and result file on its command line, and it
// signals its end by removing the input file.

#include <QProcess>
#include <QString>
#include <functional>

// The command line as the engine receives it: its name, then the file names
// (the stress mesh's only when one is asked for) with every blank turned into
// "?", so each stays one argument.
QString rechenkernBefehl(const QString& eingabe, const QString& ergebnis, const QString& netz = QString());

// How a run ended.
enum class Rechenkernende {
    Fertig,             // the engine removed its input: its result is complete
    OhneEingabeEntfernt, // the engine ended and left its input behind
    Zeitueberschritten, // more than three whole seconds on the clock
};

// The time of day in whole seconds; tests pass a clock of their own.
using Uhr = std::function<int()>;
int uhrzeitSekunden();

// One run of the engine. The engine still running when the run is dropped is
// ended, so that a late result can never overwrite a later one.
class Rechenkernlauf {
public:
    // Starts the engine found in the program folder `ordner`, with that folder as its working
    // directory; false when it could not be started.
    bool starte(const QString& ordner, const QString& eingabe, const QString& ergebnis, const QString& netz = QString());
    // Waits until the engine has removed its input file or has ended. After more
    // than three seconds the input file is removed. The caller tells the user.
    Rechenkernende warte(const QString& eingabedatei, const Uhr& uhr = uhrzeitSekunden);

private:
    QProcess m_prozess;
};
