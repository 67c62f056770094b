#pragma once
// The program's number rules: what an entry may look like, how it becomes a
// 32-bit value, and the five output patterns of the result page.

#include <QChar>
#include <QString>
#include <optional>

// The system's decimal separator, "." or ",", fixed once at start-up.
QChar bestimmeDezimaltrennzeichen();
QChar Dezimaltrennzeichen();
void setzeDezimaltrennzeichen(QChar zeichen);

bool istZahl(const QString& text);
// A field's entry as the program takes it: every "," made "." (the text is changed), then at most one
// "." and a number by `istZahl`.
bool istFeldzahl(QString& text);
// No value in it: empty, or only the sign a number is begun with (which `istZahl` lets pass while typing).
bool ohneWert(const QString& text);
float zahl(const QString& text);
// A design or member value as typed: empty counts as 0; otherwise a finite number by the
// field rules (decimal point or comma), nullopt where it is none.
std::optional<double> wertOderNull(const QString& text);
QString punkttext(const QString& text);
// A computed value as the program writes it: up to 7 significant digits, "." as the point.
QString textMit7Stellen(float wert);

// Formats a value with pattern 0 to 4; an empty text for any other index.
QString formatiereZahl(double wert, int muster);
