#pragma once
// Which parts of the input side a section form needs, worked out from its
// number alone: a form is recognised by the range its number lies in, never
// by its name. The main window shows and hides its groups by this record.

#include <array>

struct Formlayout {
    bool stegwinkel = true;       // web angle field 14 with its label, unit and "?" button
    bool stegwinkelNull = false;  // the web angle is set to "0"
    bool stegdicke2 = false;      // second web thickness, field 6 with its label
    bool stegLabel4 = false;      // "Steg unter Schiene"
    bool stegLabel5 = false;      // "Abweichend"
    bool stegprofil = false;      // H profile of the web: label 19 with its series and size lists
    bool schienen = false;        // rail group
    bool zelle2 = false;          // second cell
    bool winkelfelder = false;    // fields 13, 15, 16 of the trolley-rail angle forms
    bool winkelzeilen = false;    // web rows moved up for the second web height (201 to 299)
    bool steifen = false;         // stiffener group
    std::array<bool, 5> steifenzeilen{};
    std::array<bool, 5> zeilentexte{}; // the row captions ("Steg unter Schiene", "Mitte OG")
};

Formlayout formlayout(int Querschnittsnummer);

// The stiffener rows of the forms whose rows stand on both webs at once
// (c up to 9, 32 to 39, 52 to 58) and of those with one row per web.
void steifenTabelle1(int c, Formlayout& layout);
void steifenTabelle2(int c, Formlayout& layout);

// The neighbouring present rows for the Up and Down keys.
struct Nachbarzeilen {
    int naechste;
    int vorige;
};
Nachbarzeilen naechsteSteife(int zeile, const std::array<bool, 5>& vorhanden);
