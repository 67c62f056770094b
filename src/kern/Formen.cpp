#include "Formen.h"

#include <cstddef>
#include <vector>

using std::size_t;

namespace {

bool zwischen(int c, int von, int bis) { return c >= von && c <= bis; }

void zeigeZeilen(Formlayout& layout, std::initializer_list<int> zeilen, bool mitTexten)
{
    for (int z : zeilen) {
        layout.steifenzeilen[size_t(z)] = true;
        layout.zeilentexte[size_t(z)] = mitTexten;
    }
}

} // namespace

namespace {

// The forms each family's list offers, as runs of numbers in the list's order. The
// language files give them their names and nothing else.
struct Angebot {
    Familie familie;
    int von, bis;
};
constexpr Angebot kAngebot[] = {
    {kOhneSchiene, 1, 6},        {kUeberSteg, 11, 19},        {kMitteObergurt, 31, 31},
    {kMitteObergurt, 33, 33},    {kMitteObergurt, 35, 37},    {kMitteObergurt, 39, 39},
    {kWinkelkatzprofil, 201, 201}, {kWinkelkatzprofil, 212, 219}, {kWinkelkatzprofil, 221, 229},
    {kOhneSchieneMitH, 51, 56},  {kHalbesH, 111, 119},        {kZweizeller, 311, 319},
};

} // namespace

bool familieBietet(int familie, int nummer)
{
    for (const Angebot& a : kAngebot)
        if (a.familie == familie && zwischen(nummer, a.von, a.bis))
            return true;
    return false;
}

std::vector<int> angeboteneFormen(int familie)
{
    std::vector<int> formen;
    for (const Angebot& a : kAngebot)
        if (a.familie == familie)
            for (int n = a.von; n <= a.bis; ++n)
                formen.push_back(n);
    return formen;
}

int familieDerForm(int nummer)
{
    for (int f = kOhneSchiene; f <= kZweizeller; ++f)
        if (familieBietet(f, nummer))
            return f;
    return -1;
}

Bauart bauart(int nummer)
{
    if (zwischen(nummer, 1, 49))
        return Bauart::Kasten;
    if (mitUntergurtH(nummer))
        return Bauart::KastenAufH;
    if (zwischen(nummer, 111, 119))
        return Bauart::HalbesHKasten;
    if (istWinkelform(nummer))
        return Bauart::Winkelprofil;
    if (zwischen(nummer, 301, 399))
        return Bauart::Zweizeller;
    return Bauart::Keine;
}

bool schieneUeberSteg(int nummer) { return zwischen(nummer, 10, 29); }
bool schieneMitteObergurt(int nummer) { return zwischen(nummer, 30, 49); }

bool mitSchienenblock(int nummer) { return (nummer > 10 && nummer < 50) || nummer > 60; }
bool istKastenform(int nummer) { return nummer < 200 || nummer > 300; }
bool istWinkelform(int nummer) { return nummer > 200 && nummer < 300; }
bool mitHalbemH(int nummer) { return (nummer > 110 && nummer < 120) || (nummer > 220 && nummer < 300); }
bool mitUntergurtH(int nummer) { return nummer > 50 && nummer < 59; }
bool istZweizeller(int nummer) { return nummer > 300; }

bool spiegeltSteifen(int nummer)
{
    return zwischen(nummer, 1, 9) || zwischen(nummer, 32, 39) || zwischen(nummer, 52, 58);
}

bool hatStegsteifen(int nummer)
{
    const Formlayout l = formlayout(nummer);
    return l.steifen && (l.steifenzeilen[0] || l.steifenzeilen[1] || l.steifenzeilen[2] || l.steifenzeilen[3]);
}

bool bietetKatalogschiene(int familie)
{
    return familie == kUeberSteg || familie == kHalbesH || familie == kZweizeller;
}

void steifenTabelle1(int c, Formlayout& layout)
{
    // Only "Mitte OG" can show here: rows 0 and 2 stand on both webs, so "which web" says nothing.
    auto zeige = [&layout](std::initializer_list<int> zeilen, bool mitteOG) {
        zeigeZeilen(layout, zeilen, false);
        layout.zeilentexte[4] = mitteOG && layout.steifenzeilen[4];
    };
    switch (c) {
    case 2: case 33: case 52: zeige({0}, false); break;
    case 3: case 37: case 53: zeige({0, 4}, true); break;
    case 4: case 35: case 54: zeige({0, 2}, false); break;
    case 5: case 39: case 55: zeige({0, 2, 4}, true); break;
    case 6: case 36: case 56: zeige({4}, true); break;
    default: zeige({0, 1, 2, 3, 4}, false); break;
    }
}

void steifenTabelle2(int c, Formlayout& layout)
{
    int k = 0; // the stiffener code 12..19 the number stands for, 0 for none of them
    if (zwischen(c, 12, 19))
        k = c;
    else if (zwischen(c, 112, 119))
        k = c - 100;
    else if (zwischen(c, 212, 219))
        k = c - 200;
    else if (zwischen(c, 222, 229))
        k = c - 210;
    else if (zwischen(c, 312, 319))
        k = c - 300;
    const bool texte = c < 301;
    switch (k) {
    case 12: zeigeZeilen(layout, {0}, texte); break;
    case 13: zeigeZeilen(layout, {0, 1}, texte); break;
    case 14: zeigeZeilen(layout, {0, 1, 2}, texte); break;
    case 15: zeigeZeilen(layout, {0, 1, 2, 3}, texte); break;
    case 16: zeigeZeilen(layout, {0, 4}, texte); break;
    case 17: zeigeZeilen(layout, {0, 1, 4}, texte); break;
    case 18: zeigeZeilen(layout, {0, 1, 2, 4}, texte); break;
    default: zeigeZeilen(layout, {0, 1, 2, 3, 4}, texte); break;
    }
}

Formlayout formlayout(int c)
{
    // The steps build on each other in this order; a later one may show again
    // what an earlier one hid.
    Formlayout l;
    if (zwischen(c, 101, 119) || zwischen(c, 221, 299)) {
        l.stegwinkel = false;
        l.stegwinkelNull = true;
        l.schienen = false;
    }
    l.stegprofil = mitStegprofil(c);
    l.st5MitteKasten = mitHalbemH(c);
    if (spiegeltSteifen(c) && c != 1) {
        steifenTabelle1(c, l);
        l.steifen = true;
    }
    if (zwischen(c, 11, 49) || zwischen(c, 101, 119) || c >= 301) {
        if (!zwischen(c, 30, 40)) {
            l.stegdicke2 = true;
            l.stegLabel4 = true;
            l.stegLabel5 = true;
        }
        l.schienen = true;
        if (zwischen(c, 12, 29) || zwischen(c, 112, 119) || zwischen(c, 312, 319)) {
            steifenTabelle2(c, l);
            l.steifen = true;
        }
    }
    if (c >= 301) {
        l.stegwinkel = false;
        l.stegwinkelNull = true;
        l.stegLabel4 = false;
        l.stegLabel5 = false;
        l.zelle2 = true;
    }
    if (zwischen(c, 201, 299)) {
        l.stegwinkel = false;
        l.winkelzeilen = true;
        l.stegdicke2 = true;
        l.stegLabel4 = true;
        l.winkelfelder = true;
        l.schienen = true;
        if (zwischen(c, 212, 219) || zwischen(c, 222, 299)) {
            steifenTabelle2(c, l);
            l.steifen = true;
        }
    }
    return l;
}

