#pragma once
// The detailed drawings of the result page for sample sections, as pictures.

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

// Writes one PNG per sample section into the folder; returns the exit code.
int zeichneDetailbeispiele(const QString& ordner);

// Writes a picture as PNG into the folder and names it on standard output.
inline bool speichere(const QImage& bild, const QDir& ordner, const QString& name)
{
    const QString pfad = ordner.filePath(name + QStringLiteral(".png"));
    if (!bild.save(pfad)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
        return false;
    }
    std::printf("%s\n", qPrintable(pfad));
    return true;
}
