#pragma once
// The small sketch beside the design forces: a girder section with its
// principal axes and the positive direction of every force and moment, drawn
// as vectors (a moment as a double arrow along its axis, right-hand rule), so
// that the engineer enters the signs the unit stresses are computed with.

#include <QRectF>

class QPainter;

void zeichneAchsenskizze(QPainter& p, const QRectF& feld);
