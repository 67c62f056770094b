#pragma once
// What each input field accepts. Fields are named
// by their array and index, as the window holds them.

#include <QString>
#include "kern/Feldregeln.h"
#include "kern/Formen.h"

#include <array>

// A stiffener field: its column (position, leg 1, leg 2, thickness) and its row.
enum class Steifenspalte { Stort = 0, StLang1 = 1, StLang2 = 2, StDick = 3 };
struct Steifenfeld {
    Steifenspalte spalte;
    int zeile;
    bool operator==(const Steifenfeld& o) const { return spalte == o.spalte && zeile == o.zeile; }
};

Feldregel abmessungsregel(int i);
Feldregel hwertregel(int i);
Feldregel steifenregel(Steifenspalte spalte);

// Normalises the entry in place (comma to point) and reports an invalid
// number with message 1, looked up in the given message file.
bool pruefeZahl(QString& text, const QString& Messagedatei);

// Checks a field's text as the user leaves it: normalises the text in place
// and tells the user what is wrong. Returns false when the old value must come back.
bool pruefeEingabe(QString& text, Feldregel regel, const QString& Messagedatei);
