// The finite-element analysis of one cross-section: mesh → assemble → solve → post.
#pragma once

#include "peaks.h"
#include "post.h"

#include "kern/section_geometry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace delmarix {

using tarvello::geometrie::Plate;
using tarvello::geometrie::SectionGeometry;
using tarvello::geometrie::StressPoint;

// Where the time of one analysis goes, in seconds (filled when asked for; the benchmark asks).
struct PhaseTimes {
    double mesh = 0.0, assemble = 0.0, factorize = 0.0, solve = 0.0, post = 0.0, peaks = 0.0;
};

struct AnalysisOptions {
    double poisson = 0.3;
    // The mesh is made as fine as about this many elements allow (the corners'
    // refinement adds a good third). The size factor bounds the longest element
    // edge by a multiple of the local plate thickness; up to 1.3 a thin plate may
    // be one quadratic element thick in places, whose linear gradient across the
    // thickness carries St Venant torsion exactly: IT, AY and AZ stay within
    // 0.02 % of a mesh 28 times finer, the peaks within 0.6 % of an independent
    // model (tests: test_closed_forms, test_stress_points).
    double targetElements = 1800;
    double minSizeFactor = 0.12;
    double maxSizeFactor = 1.3;
    double sizeFactor = 0.0; // > 0: use this factor instead
    // Refinement at re-entrant corners (see MeshRequest).
    double cornerFactor = 0.3;
    double cornerGrading = 0.6;
    std::size_t maxElements = 150000;
    PhaseTimes* times = nullptr; // when set, each stage's duration is added to it
};

struct Analysis {
    bool ok = false;
    std::string reasonDe;
    std::string reasonEn;
    SectionValues values;
    std::vector<PointStress> points; // the given points in their order, then the governing points
    std::vector<StressPoint> governing; // where the post stage found the governing points
    std::vector<int> governingColumns;    // the stress column whose peak each governing point is
    std::vector<PlateMaxima> plateMaxima; // each plate's largest unit stresses (not its fillets)
    Mesh mesh;                            // section coordinates
    std::vector<NodeField> field;         // the unit stresses at every node of every plate (not fillets)
    double sizeFactor = 0.0;
};

// Plates must adjoin without overlapping and form one piece; stress points must
// lie in or on their plate. The points become mesh nodes.
Analysis analyseSection(const std::vector<Plate>& plates, const std::vector<StressPoint>& points,
                        const AnalysisOptions& options = {});

// A built section: its plates, its fixed points (mesh nodes) and the governing
// points that the peak search finds in the solved fields (peaks.h).
Analysis analyseSection(const SectionGeometry& g, const AnalysisOptions& options = {});

} // namespace delmarix
