#include "run.h"

#include "result_file.h"
#include "transfer_input.h"

#include "kern/section_geometry.h"

#include <exception>

namespace delmarix {

const char* const engineVersion = "1.0";

std::string run(const std::string& inputText, const AnalysisOptions& options)
{
    return runWithMesh(inputText, options, false).result;
}

std::string stressMeshPath(const std::string& resultPath)
{
    const std::size_t slash = resultPath.find_last_of("/\\");
    const std::size_t dot = resultPath.find_last_of('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (extension ? resultPath.substr(0, dot) : resultPath) + ".netz";
}

RunOutput runWithMesh(const std::string& inputText, const AnalysisOptions& options, bool withMesh)
{
    const auto failure = [](const std::string& de, const std::string& en) { return RunOutput{formatFailure(de, en), {}}; };
    try {
        const ParseOutcome parsed = parseTransfer(inputText);
        if (!parsed.ok)
            return failure(parsed.reasonDe, parsed.reasonEn);
        const TransferInput& in = parsed.input;

        const tarvello::geometrie::BuildResult built =
            in.rolled ? tarvello::geometrie::buildRolledSection(in.rolledProfile)
                      : tarvello::geometrie::buildWeldedSection(in.welded);
        if (!built.ok)
            return failure(built.reasonDe, built.reasonEn);
        const tarvello::geometrie::SectionGeometry& g = built.geometry;

        const Analysis a = analyseSection(g, options);
        if (!a.ok)
            return failure(a.reasonDe, a.reasonEn);
        ResultRecord r;
        // The layout announces the shear centre by a negative ZS, so a centroid below the bottom
        // flange's mid-plane (a web hanging far below it) is written from the section's lowest
        // fibre, and the line "Bezug" tells how far that lies below the usual reference.
        if (!(a.values.zs > 0.0))
            r.reference = -tarvello::geometrie::boundingBox(g)[1];
        r.sectionText = in.sectionText;
        r.description = std::string("Delmarix ") + engineVersion + ", FE T6: " + std::to_string(a.values.elements) +
                        " elements, " + std::to_string(a.values.nodes) + " nodes, nu = " +
                        formatNumber(options.poisson);
        r.values = a.values;
        r.stiffeners = g.stiffenerPresent;
        r.points = a.points;
        r.governing = a.governing;
        r.governingColumns = a.governingColumns;
        r.pointRows = a.governing.empty() ? g.pointRows
                                          : tarvello::geometrie::kFixedPointRows + int(a.governing.size());
        for (const PlateMaxima& pm : a.plateMaxima) {
            const tarvello::geometrie::Plate& p = g.plates[std::size_t(pm.plate)];
            r.plateMaxima.push_back({p.nameDe, p.nameEn, pm});
        }
        return {formatResult(r), withMesh ? formatStressMesh(a.mesh, a.field, r.reference) : std::string()};
    } catch (const std::bad_alloc&) {
        return failure("Speicher reicht nicht", "out of memory");
    } catch (const std::exception& e) {
        return failure(std::string("interner Fehler: ") + e.what(), std::string("internal error: ") + e.what());
    } catch (...) {
        return failure("interner Fehler", "internal error");
    }
}

} // namespace delmarix
