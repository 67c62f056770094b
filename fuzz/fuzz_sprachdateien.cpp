// The language text files: window texts, print texts, messages and the
// section-form lists, each read from the fuzz input as a file.
#include "Fuzzdatei.h"

#include "app/Sprachtexte.h"
#include "kern/Feldleser.h"
#include "kern/Formen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static Fuzzdatei datei;
    const QString& pfad = datei.schreibe(daten, groesse);

    const Formtexte formtexte = leseFormtexte(pfad);
    erwarte(!formtexte.dateiFehlt);
    for (const Formtexteintrag& e : formtexte.eintraege)
        erwarte(e.abschnitt >= 1 && e.abschnitt <= 6);

    Printtexte printtexte;
    erwarte(printtexte.ladePrinttexte(pfad) != Textdateistand::Fehlt);
    for (int n = -1; n <= Printtexte::kAnzahl; ++n)
        printtexte.holePrinttext(n);

    // The message the file's first record names (so the record that matches is
    // read too), and the section-form list of a family the input chooses.
    const QStringList felder = alleFelder(dekodiereText(QByteArray::fromRawData(
        reinterpret_cast<const char*>(daten), qsizetype(groesse))));
    const int ersteNummer = felder.isEmpty() ? 0 : alsGanzzahl16(felder.first()).value_or(0);
    holeMessage(pfad, ersteNummer);

    const int familie = int(groesse % 8);
    const auto liste = leseQuerschnittsliste(pfad, familie);
    erwarte(liste.has_value());
    for (const Querschnittseintrag& e : *liste)
        erwarte(familieBietet(familie, e.nummer));
    return 0;
}
