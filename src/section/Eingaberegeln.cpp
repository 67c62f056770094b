#include "Eingaberegeln.h"

#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "kern/Zahlen.h"


Navigationsziele abmessungsziele(int i, bool sichtbar6, bool sichtbar13, bool sichtbar15)
{
    switch (i) {
    case 0: return {1, 1, 0, 0, 2};
    case 1: return {2, 1, 0, 1, 3};
    case 2: return {3, 3, 2, 0, 4};
    case 3: return {4, 3, 2, 1, 5};
    case 4: return {5, 5, 4, 2, 14};
    case 5:
        if (sichtbar13)
            return {13, 5, 4, 3, 13};
        if (sichtbar6)
            return {6, 6, 4, 3, 5};
        return {14, 5, 4, 3, 5};
    case 6: return sichtbar13 ? Navigationsziele{7, 6, 13, 6, 6} : Navigationsziele{14, 6, 5, 6, 6};
    case 7: return {10, 10, 7, 14, 7};
    case 10: return {11, 11, 10, 10, 10};
    case 11: return sichtbar15 ? Navigationsziele{15, 15, 10, 11, 11} : Navigationsziele{11, 11, 10, 11, 11};
    case 13: return {6, 6, 13, 5, 13};
    case 14: return {7, 14, 14, 4, 7};
    case 15: return {16, 16, 11, 15, 11};
    case 16: return {16, 16, 15, 16, 16};
    case 20: return {21, 21, 20, 4, 7};
    case 21: return {22, 22, 20, 21, 21};
    case 22: return {23, 23, 21, 5, 22};
    case 23: return {24, 24, 22, 23, 16};
    case 24: return {7, 24, 23, 6, 24};
    default: return {i, i, i, i, i};
    }
}

Navigationsziele hwertziele(int i)
{
    static constexpr Navigationsziele tabelle[12] = {
        {1, 1, 0, 0, 1},   {2, 2, 0, 0, 2},  {3, 3, 1, 1, 3},    {4, 4, 2, 2, 4},
        {4, 4, 3, 3, 4},   {6, 6, 4, 4, 6},  {6, 6, 5, 4, 6},    {7, 7, 4, 11, 7},
        {9, 9, 0, 8, 9},   {10, 10, 1, 8, 10}, {11, 11, 2, 9, 11}, {7, 11, 3, 10, 7},
    };
    return i >= 0 && i < 12 ? tabelle[i] : Navigationsziele{i, i, i, i, i};
}

Steifenziele steifenziele(Steifenfeld feld, const std::array<bool, 5>& vorhanden)
{
    const int i = feld.zeile;
    const auto [n, p] = naechsteSteife(i, vorhanden);
    using S = Steifenspalte;
    switch (feld.spalte) {
    case S::Stort:
        // The position of row 4 never takes the focus, so Down stays rather than land there.
        return {{S::StLang1, i}, {S::StLang1, i}, feld, {S::Stort, p}, n == 4 ? feld : Steifenfeld{S::Stort, n}};
    case S::StLang1:
        return {{S::StLang2, i}, {S::StLang2, i}, i < 4 ? Steifenfeld{S::Stort, i} : feld, {S::StLang1, p},
                {S::StLang1, n}};
    case S::StLang2:
        return {{S::StDick, i}, {S::StDick, i}, {S::StLang1, i}, {S::StLang2, p}, {S::StLang2, n}};
    case S::StDick:
    default:
        return {feld, feld, {S::StLang2, i}, {S::StDick, p}, {S::StDick, n}};
    }
}

Feldregel abmessungsregel(int i) { return i == 14 ? Feldregel::Stegwinkel : Feldregel::Mass; }
// R and RU may be 0: a profile welded from plates has no root radius.
Feldregel hwertregel(int i) { return i == 4 || i == 7 ? Feldregel::Radius : Feldregel::Mass; }

Feldregel steifenregel(Steifenspalte spalte)
{
    switch (spalte) {
    case Steifenspalte::Stort: return Feldregel::Steifenlage;
    case Steifenspalte::StLang2: return Feldregel::Nichtnegativ;
    default: return Feldregel::Mindestens1;
    }
}

bool pruefeZahl(QString& text, const QString& Messagedatei)
{
    if (!istFeldzahl(text)) {
        meldungen().zeige(holeMessage(Messagedatei, 1), Meldungssymbol::Keins);
        return false;
    }
    return true;
}

bool pruefeEingabe(QString& text, Feldregel regel, const QString& Messagedatei)
{
    if (text.isEmpty())
        return true;
    if (!pruefeZahl(text, Messagedatei))
        return false;
    const int meldung = regelverletzung(regel, zahl(text));
    if (meldung == 0)
        return true;
    meldungen().zeige(holeMessage(Messagedatei, meldung), Meldungssymbol::Keins);
    return false;
}
