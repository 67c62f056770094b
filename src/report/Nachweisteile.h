#pragma once
// What both design check pages share, and the second page's blocks.

#include "report/Nachweisseite.h"

// The page's title in bold at 14 pt, then 10 pt text from the left margin.
void nachweiskopf(Zeichenflaeche& f, const QString& titel);

// One line of values, each starting at its own tab of 45 mm.
void nachweiszeile(Zeichenflaeche& f, const QStringList& teile);

// What the check list shows for one check: its η, or why it has none.
QString teilnachweisWert(const Nachweisdaten& d, const Teilnachweis& t, const Printtext& text);

// The print text that names a check.
int pruefungstext(Pruefung p);
