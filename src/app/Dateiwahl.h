#pragma once
// Where the user picks a file to open or to save it under: the system's file
// dialogs, or in tests a function of their own. An empty name: cancelled.
// And the folder shown in the desktop's file manager, likewise replaceable.

#include <QString>
#include <functional>

class QWidget;

enum class Dateiwahlart { Oeffnen, Speichern };
using Dateiwahl = std::function<QString(QWidget* eltern, Dateiwahlart art, const QString& titel, const QString& ordner,
                                        const QString& filter)>;
Dateiwahl& dateiwahl();

// Shows a folder in the desktop's file manager; false where none could be asked to.
using Ordneranzeige = std::function<bool(const QString& ordner)>;
Ordneranzeige& ordneranzeige();
