#pragma once
// What both design check pages share, and the second page's blocks.

#include "report/Nachweisseite.h"

#include <utility>
#include <vector>

// The page's title in bold at 14 pt, then 10 pt text from the left margin.
void nachweiskopf(Zeichenflaeche& f, const QString& titel);

// One line of values, each starting at its own tab of 45 mm.
void nachweiszeile(Zeichenflaeche& f, const QStringList& teile);

// What the check list shows for one check: its η, or why it has none.
QString teilnachweisWert(const Nachweisdaten& d, const Teilnachweis& t, const Printtext& text);

// The print text that names a check.
int pruefungstext(Pruefung p);

// A table of points: the point's name at the margin, each value ending at its column's right edge
// (mm from the margin), a rule under the heads, the row `fett` in bold; the position after it.
void punkttabelle(Zeichenflaeche& f, const QString& erster, const QStringList& koepfe, const std::vector<double>& enden,
                  const std::vector<std::pair<QString, QStringList>>& zeilen, int fett);

// A large value as the terms print it: four decimals and the exponent.
inline QString wissenschaftlich(double v) { return QString::number(v, 'e', 4); }
