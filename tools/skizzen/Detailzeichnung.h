#pragma once
// The detailed drawings of the result page for sample sections, as pictures.

#include <QString>

// Writes one PNG per sample section into the folder; returns the exit code.
int zeichneDetailbeispiele(const QString& ordner);
