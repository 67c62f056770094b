#include "Feldregeln.h"

#include "Zahlen.h"

#include <QString>
#include <cmath>

int regelverletzung(Feldregel regel, float v)
{
    // No girder plate is longer than 100 m; beyond that a value is a slip (or out of a float's range).
    constexpr float kHoechstwertMm = 100000;
    if (!std::isfinite(v) || std::fabs(v) > kHoechstwertMm)
        return 50;
    switch (regel) {
    case Feldregel::Mass: return v > 0 ? 0 : 4;
    case Feldregel::Stegwinkel: return std::fabs(v) <= 30 ? 0 : 13;
    case Feldregel::Radius: return v >= 0 ? 0 : 5;
    case Feldregel::Steifenlage: return v > 2 && v < 98 ? 0 : 14;
    case Feldregel::Mindestens1: return v >= 1 ? 0 : 74;
    case Feldregel::Nichtnegativ: return v >= 0 ? 0 : 5;
    }
    return 0;
}

int textverletzung(Feldregel regel, const QString& text)
{
    if (text.isEmpty())
        return 0;
    QString feld = text;
    if (!istFeldzahl(feld))
        return 1;
    return regelverletzung(regel, zahl(feld));
}
