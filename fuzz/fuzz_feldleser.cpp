// The sequential field reader that every text file of the program goes
// through: decoding the bytes (UTF-8 or Windows-1252) and splitting the text
// into fields, with what the readers built on it take for granted.
#include "Erwartung.h"

#include "kern/Feldleser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const QString text = dekodiereText(bytes);
    // Every byte becomes at most one character (a UTF-8 sequence fewer).
    erwarte(text.size() <= bytes.size());

    Feldleser leser(text);
    QStringList felder;
    for (;;) {
        const bool amEnde = leser.amEnde();
        const auto feld = leser.naechstesFeld();
        // "At the end" and "no further field" are the same thing.
        erwarte(amEnde == !feld.has_value());
        if (!feld)
            break;
        // A field never reaches over a line end.
        erwarte(!feld->contains(u'\r') && !feld->contains(u'\n'));
        // Every field uses up at least one character, so reading always ends.
        erwarte(felder.size() < text.size());
        felder.append(*feld);
        if (const auto zahl = alsGanzzahl16(*feld))
            erwarte(*zahl == feld->trimmed().toInt());
    }
    erwarte(!leser.naechstesFeld());
    erwarte(alleFelder(text) == felder);
    return 0;
}
