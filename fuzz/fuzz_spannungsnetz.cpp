// The engine's stress mesh as the program reads it: a mesh it accepts holds
// only indices in range and finite numbers.
#include "Erwartung.h"

#include "kern/Feldleser.h"
#include "engine/Spannungsnetz.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const Netzlesung l = leseSpannungsnetztext(dekodiereText(bytes));
    erwarte(l.netz.has_value() == l.grund.isEmpty());
    if (!l.netz)
        return 0;
    const Spannungsnetz& n = *l.netz;
    erwarte(n.elemente.size() == n.elementplatte.size());
    for (const auto& k : n.knoten)
        erwarte(std::isfinite(k[0]) && std::isfinite(k[1]));
    for (const auto& e : n.elemente)
        for (int i : e)
            erwarte(i >= 0 && std::size_t(i) < n.knoten.size());
    for (const Netzwert& w : n.werte) {
        erwarte(w.knoten >= 0 && std::size_t(w.knoten) < n.knoten.size() && w.platte >= 0);
        for (double s : w.spannung)
            erwarte(std::isfinite(s));
    }
    return 0;
}
