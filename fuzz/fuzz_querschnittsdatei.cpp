// The reader of a saved section: whatever the file holds, it gives either a
// section the program offers, every value of which typing would have taken, or
// a reason; and a section it gives is written and read back unchanged.
#include "Erwartung.h"

#include "kern/Formen.h"
#include "kern/Querschnittsdatei.h"
#include "kern/Zahlen.h"

#include <cmath>
#include <limits>

namespace {

const double kPositiv = std::numeric_limits<float>::denorm_min(); // the least value above 0

// A value as a field takes it: empty, or a number within ±100 m and the bounds given.
bool zulaessig(const QString& text, double von = -1e5, double bis = 1e5)
{
    QString t = text;
    if (t.isEmpty())
        return true;
    if (!istFeldzahl(t))
        return false;
    const float v = zahl(t);
    return std::isfinite(v) && v >= von && v <= bis;
}

bool profilZulaessig(const HProfilmasse& p)
{
    return zulaessig(p.H, kPositiv) && zulaessig(p.B, kPositiv) && zulaessig(p.S, kPositiv) && zulaessig(p.T, kPositiv) &&
           zulaessig(p.R, 0);
}

bool alleZulaessig(const Querschnittsdaten& q)
{
    const Plattenmasse& m = q.masse;
    for (const QString* t : {&m.obergurtbreite, &m.obergurtdicke, &m.untergurtbreite, &m.untergurtdicke, &m.steghoehe,
                             &m.stegdicke, &m.stegdicke2, &m.schottbreite, &m.schienenhoehe, &m.schienenbreite,
                             &m.steghoehe2, &m.hoehe2, &m.breite2, &m.zelle2.BO3, &m.zelle2.TO3, &m.zelle2.HS3,
                             &m.zelle2.TS3, &m.zelle2.AS3, &q.flachschienenhoehe, &q.flachschienenbreite})
        if (!zulaessig(*t, kPositiv))
            return false;
    if (!zulaessig(m.stegwinkel, -30, 30))
        return false;
    for (const Steifenmasse& s : q.steifen)
        if (!zulaessig(s.lage, std::nextafter(2.f, 3.f), std::nextafter(98.f, 0.f)) || !zulaessig(s.lang1, 1) || !zulaessig(s.lang2, 0) ||
            !zulaessig(s.dicke, 1))
            return false;
    return profilZulaessig(q.stegprofil) && profilZulaessig(q.walzprofil) && profilZulaessig(q.untergurtprofil);
}

} // namespace

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
    erwarte(alleZulaessig(q));
    const QByteArray geschrieben = schreibeQuerschnittsdatei(q);
    const Querschnittsdatei wieder = leseQuerschnittsdatei(geschrieben);
    erwarte(wieder.querschnitt.has_value());
    erwarte(schreibeQuerschnittsdatei(*wieder.querschnitt) == geschrieben);
    return 0;
}
