#pragma once
// The small sketch beside the design forces: a girder section (a welded box
// under its rail, or a rolled I profile) with its
// principal axes and the positive direction of every force and moment, drawn
// as vectors (a moment as a double arrow along its axis, right-hand rule), so
// that the engineer enters the signs the unit stresses are computed with.

#include <QRectF>

class QPainter;

enum class Skizzenprofil { Kasten, Walzprofil };
void zeichneAchsenskizze(QPainter& p, const QRectF& feld, Skizzenprofil profil = Skizzenprofil::Kasten);
