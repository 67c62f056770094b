#pragma once
// How the input fields navigate and what each field accepts. Fields are named
// by their array and index, as the window holds them.

#include <QString>
#include "kern/Feldregeln.h"
#include "kern/Formen.h"

#include <array>

// Targets of Enter, Right, Left, Up and Down; a target equal to the field itself means "stay".
struct Navigationsziele {
    int enter, rechts, links, hoch, runter;
};

// The dimension fields' targets depend on which of fields 6, 13 and 15 the form shows.
Navigationsziele abmessungsziele(int i, bool sichtbar6, bool sichtbar13, bool sichtbar15);
Navigationsziele hwertziele(int i);

// A stiffener field: its column (position, leg 1, leg 2, thickness) and its row.
enum class Steifenspalte { Stort = 0, StLang1 = 1, StLang2 = 2, StDick = 3 };
struct Steifenfeld {
    Steifenspalte spalte;
    int zeile;
    bool operator==(const Steifenfeld& o) const { return spalte == o.spalte && zeile == o.zeile; }
};
struct Steifenziele {
    Steifenfeld enter, rechts, links, hoch, runter;
};
Steifenziele steifenziele(Steifenfeld feld, const std::array<bool, 5>& vorhanden);

Feldregel abmessungsregel(int i);
Feldregel hwertregel(int i);
Feldregel steifenregel(Steifenspalte spalte);

// Normalises the entry in place (comma to point) and reports an invalid
// number with message 1, looked up in the given message file.
bool pruefeZahl(QString& text, const QString& Messagedatei);

// Checks a field's text as the user leaves it: normalises the text in place
// and tells the user what is wrong. Returns false when the old value must come back.
bool pruefeEingabe(QString& text, Feldregel regel, const QString& Messagedatei);
