// Mesh stage: the union of the plate polygons as quadratic six-node triangles.
#pragma once

#include "kern/section_geometry.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace delmarix {

using tarvello::geometrie::Plate;
using tarvello::geometrie::Point;

struct MeshRequest {
    const std::vector<Plate>* plates = nullptr;
    // Points that must become mesh nodes (the stress points).
    std::vector<Point> requiredNodes;
    // Largest element edge as a fraction of the local plate thickness; 0.5 keeps
    // at least two elements across every plate.
    double sizeFactor = 0.5;
    // Element size at re-entrant corners relative to the local size, and how fast
    // elements may grow with the distance from such a corner.
    double cornerFactor = 0.25;
    double cornerGrading = 0.25;
    std::size_t maxElements = 150000;
};

// Six-node triangle: corners 0, 1, 2 counter-clockwise, then the mid-side nodes
// of the sides 0-1, 1-2, 2-0.
using Element = std::array<int, 6>;

struct Mesh {
    std::vector<Point> nodes;
    std::vector<Element> elements;
    std::vector<int> elementPlate;  // plate index of each element
    std::vector<int> requiredNode;  // node index of each required point
    int cornerNodes = 0;            // nodes 0 .. cornerNodes-1 are triangle corners
};

struct MeshOutcome {
    bool ok = false;
    Mesh mesh;
    std::string reasonDe;
    std::string reasonEn;
};

// Meshes the union of the plates with CGAL's constrained Delaunay mesher. Refuses
// (ok = false) plates that overlap, a section that falls apart, and a mesh that
// would exceed maxElements.
MeshOutcome buildMesh(const MeshRequest& request);

} // namespace delmarix
