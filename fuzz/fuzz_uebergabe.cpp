// The engine's input reader, and the section geometry built from what it
// accepts, with what the engine and the detailed drawings rely on.
#include "Erwartung.h"

#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <string>

using namespace tarvello::geometrie;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    const ParseOutcome gelesen = parseTransfer(text);
    if (!gelesen.ok) {
        erwarte(!gelesen.reasonDe.empty() && !gelesen.reasonEn.empty());
        return 0;
    }
    const TransferInput& in = gelesen.input;
    const BuildResult gebaut = in.rolled ? buildRolledSection(in.rolledProfile) : buildWeldedSection(in.welded);
    if (!gebaut.ok) {
        erwarte(!gebaut.reasonDe.empty() && !gebaut.reasonEn.empty());
        return 0;
    }
    const SectionGeometry& g = gebaut.geometry;
    erwarte(!g.plates.empty());
    for (const Plate& p : g.plates)
        erwarte(p.outline.size() >= 3);
    // Points name their plate by index and fill the result rows in ascending order.
    erwarte(g.pointRows >= 1 && g.pointRows <= tarvello::geometrie::kFixedPointRows);
    int vorige = 0;
    for (const StressPoint& p : g.points) {
        erwarte(p.number > vorige && p.number <= g.pointRows);
        erwarte(p.plate >= 0 && p.plate < int(g.plates.size()));
        vorige = p.number;
    }
    sectionMoments(g);
    boundingBox(g);
    return 0;
}
