#include "Eingaberegeln.h"

#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "kern/Zahlen.h"


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
