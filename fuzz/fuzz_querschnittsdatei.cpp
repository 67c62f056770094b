// The reader of a saved section: whatever the file holds, it gives either a
// section the program offers or a reason, and a section it gives is written
// and read back unchanged.
#include "Erwartung.h"

#include "kern/Formen.h"
#include "kern/Querschnittsdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const Querschnittsdatei datei = leseQuerschnittsdatei(bytes);
    erwarte(datei.querschnitt.has_value() == (datei.ablehnung == Dateiablehnung::Keine));
    if (!datei.querschnitt)
        return 0;
    const Querschnittsdaten& q = *datei.querschnitt;
    erwarte(q.familie >= kOhneSchiene && q.familie <= kZweizeller);
    erwarte(q.Querschnittsnummer == 0 || familieBietet(q.familie, q.Querschnittsnummer));
    const QByteArray geschrieben = schreibeQuerschnittsdatei(q);
    const Querschnittsdatei wieder = leseQuerschnittsdatei(geschrieben);
    erwarte(wieder.querschnitt.has_value());
    erwarte(schreibeQuerschnittsdatei(*wieder.querschnitt) == geschrieben);
    return 0;
}
