// The language text files: window texts, print texts, messages and the
// section-form lists, each read from the fuzz input as a file.
#include "Fuzzdatei.h"

#include "kern/Feldleser.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "kern/Formen.h"

namespace {

// A damaged file is told to the user; here nobody is there to see it.
class Stumm final : public Meldungsanzeige {
public:
    void zeige(const QString&, Meldungssymbol) override {}
    void frage(QWidget*, Dialogvariablen&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static Stumm stumm;
    setzeMeldungsanzeige(&stumm);
    static Fuzzdatei datei;
    const QString& pfad = datei.schreibe(daten, groesse);

    const Formtexte formtexte = leseFormtexte(pfad);
    erwarte(!formtexte.dateiFehlt);
    for (const Formtexteintrag& e : formtexte.eintraege)
        erwarte(e.abschnitt >= 1 && e.abschnitt <= 6);

    Printtexte printtexte;
    printtexte.ladePrinttexte(pfad);
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
