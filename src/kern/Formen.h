#pragma once
// The section forms, known by their number alone: which family offers a form,
// how the engine builds it, which blocks of the transfer file and which input
// groups and stiffener rows it has, and which forms mirror their stiffeners.
// A form is recognised by the range its number lies in, never by its name;
// every part of the program and the engine asks here. Plain C++, no toolkit.

#include <array>
#include <vector>

// The eight families of the option buttons.
enum Familie : int {
    kOhneSchiene = 0,
    kUeberSteg = 1,
    kMitteObergurt = 2,
    kWalzprofil = 3,
    kWinkelkatzprofil = 4,
    kOhneSchieneMitH = 5,
    kHalbesH = 6,
    kZweizeller = 7,
};

// Whether the family's form list offers the number (family 3 offers none:
// its section comes from the profile tables).
bool familieBietet(int familie, int nummer);
// The numbers the family's list offers, in the list's order.
std::vector<int> angeboteneFormen(int familie);
// The family that offers the number; -1 for a number no family offers.
int familieDerForm(int nummer);

// The rolled profile's forms as the engine's file names them: plain, with a flat rail on the top
// flange, with a profile under the bottom flange.
enum Walzform : int { kWalzprofilAllein = 102, kWalzprofilMitFlachschiene = 103, kWalzprofilMitUntergurt = 110 };

// How a section is built from its plates.
enum class Bauart {
    Keine,         // the number offers no section
    Kasten,        // 1..49: box, rail over a web (10..29) or at mid top flange (30..49)
    KastenAufH,    // 51..58: box standing on a rolled H profile
    HalbesHKasten, // 111..119: box with half an H profile under the rail
    Winkelprofil,  // 201..299: trolley-rail angle section, from 221 with half an H profile
    Zweizeller,    // 301..399: two-cell box
    Walzprofil     // 102, 103, 110 of the rolled-profile file
};
Bauart bauart(int nummer);

// The rail stands over the right web (10..29); the rail at mid top flange (30..49).
bool schieneUeberSteg(int nummer);
bool schieneMitteObergurt(int nummer);

// Blocks of the engine's input file, each worked out from the number alone.
bool mitSchienenblock(int nummer);   // the rail and second-web block: 10 < x < 50 or x > 60
bool istKastenform(int nummer);      // x < 200 or x > 300: that block gives web 2 and the run value
bool istWinkelform(int nummer);      // 200 < x < 300: that block gives web 2, web height 2 and a flat
bool mitHalbemH(int nummer);         // 110 < x < 120 or 220 < x < 300: half an H profile under the rail
bool mitUntergurtH(int nummer);      // 50 < x < 59: the bottom flange is a whole H profile
bool istZweizeller(int nummer);      // x > 300: the second cell
// The web profile is chosen from the series and size lists.
inline bool mitStegprofil(int nummer) { return mitHalbemH(nummer) || mitUntergurtH(nummer); }

// Forms whose input offers only stiffener rows 1, 3 and 5: rows 1 and 3 then
// stand on both webs, mirrored, as stiffeners 1/2 and 3/4.
bool spiegeltSteifen(int nummer);

// Whether a web of the form carries a stiffener (St1 to St4; St5 sits under the top flange).
bool hatStegsteifen(int nummer);

// Families whose rail group offers a catalog rail when the rail does not act.
bool bietetKatalogschiene(int familie);

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
    // Stiffener 5 hangs at the middle of the box, which is not the top flange's where a half
    // H profile carries the flange's end: captioned "Mitte Kasten", placed in % of AS.
    bool st5MitteKasten = false;
};

// The input groups a form shows; the window shows and hides its groups by it.
Formlayout formlayout(int Querschnittsnummer);

// The stiffener rows of the forms whose rows stand on both webs at once
// (c up to 9, 32 to 39, 52 to 58) and of those with one row per web.
void steifenTabelle1(int c, Formlayout& layout);
void steifenTabelle2(int c, Formlayout& layout);
