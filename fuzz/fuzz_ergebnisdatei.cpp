// The engine's result file as the result page reads it, and the stresses as
// the page's table writes them.
#include "Erwartung.h"

#include "kern/Feldleser.h"
#include "engine/Ergebnisdatei.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const Ergebnislesung l = leseErgebnistext(dekodiereText(bytes));
    const Ergebnisse& r = l.werte;
    erwarte(r.punkte.size() <= std::size_t(kMaxPunkte));
    if (l.fehler != Ergebnisfehler::Keiner)
        return 0;
    for (const double w : {r.A, r.AY, r.AZ, r.IT, r.IY, r.IZ, r.YS, r.ZS, r.Winkel, r.YM, r.ZM})
        erwarte(std::isfinite(w));
    erwarte(r.ZS + r.bezug >= 0 && std::isfinite(r.bezug));
    for (const Spannungspunkt& p : r.punkte) {
        for (const double s : p.spannung) {
            erwarte(std::isfinite(s));
            erwarte(spannungstext(s).contains(u'e'));
        }
        erwarte(std::isfinite(p.dicke) && std::isfinite(p.y) && std::isfinite(p.z));
        erwarte(p.spitzeVon >= 0 && p.spitzeVon <= 6);
    }
    for (const Plattenhoechstwert& h : r.hoechstwerte)
        erwarte(h.spalte >= 1 && h.spalte <= 6 && std::isfinite(h.wert) && std::isfinite(h.y) && std::isfinite(h.z));
    for (const auto& w : {r.bauteil.Iw, r.bauteil.zj, r.bauteil.Wply, r.bauteil.Wplz})
        erwarte(!w || std::isfinite(*w));
    return 0;
}
