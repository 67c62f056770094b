// The catalogs: the crane rails of form A and the rolled-profile tables, read
// from the fuzz input as a file. The name and size looked up are the input's
// first field, so the record that matches is read too.
#include "Fuzzdatei.h"

#include "kern/Feldleser.h"
#include "catalogs/Kataloge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static Fuzzdatei datei;
    const QString& pfad = datei.schreibe(daten, groesse);

    const QStringList felder = alleFelder(dekodiereText(QByteArray::fromRawData(
        reinterpret_cast<const char*>(daten), qsizetype(groesse))));
    const QString erstes = felder.isEmpty() ? QString() : felder.first();

    Schienensatz satz;
    satz.fill(QStringLiteral("unverändert"));
    leseASchiene(pfad, erstes, satz);
    leseProfilwerte(pfad, alsGanzzahl16(erstes).value_or(0));
    return 0;
}
