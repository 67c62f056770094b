// Peak search: where every unit stress of every plate is largest, found in the
// solved fields rather than placed by a rule.
//
// Each plate (a rolled profile's fillets count with the junction they fill) is
// cut at the middle of every junction with another plate into parts: a flange
// into its outstands and the stretches between webs, a web into the stretches
// between the flanges and stiffeners that meet it. The unit stresses are
// evaluated at every mesh node of the plate (gradients averaged over the
// plate's elements at the node), so the search is as fine as the field itself.
//
// Shear stresses are singular at re-entrant corners (about r^(-1/3) at 90°):
// the search leaves out the nodes closer to such a corner than the plate's own
// thickness, where the corner's disturbance has decayed (exp(-π·x/t)). At a
// convex corner of the section both faces are free of traction, so the shear
// stress there is zero; the nodes on such a corner report exactly zero.
#pragma once

#include "post.h"

#include <array>
#include <vector>

namespace delmarix {

using tarvello::geometrie::Plate;

// The columns of a stress row: Sigma-X, Tau-Y, Tau-Z, Tau-X, Sigma-Y, Sigma-Z.
enum StressColumn { SigmaX = 0, TauY = 1, TauZ = 2, TauX = 3, SigmaY = 4, SigmaZ = 5 };
double column(const PointStress& s, int k);

struct PeakValue {
    bool found = false;
    double value = 0.0; // signed, as in a stress row
    Point at;           // section coordinates
};

// The largest |value| of each column on one plate, with its place.
struct PlateMaxima {
    int plate = -1;
    std::array<PeakValue, 6> peak;
};

// The unit stresses at one mesh node as one plate's elements give them.
struct NodeField {
    int plate = -1;
    int node = -1;
    PointStress stress;
};

struct PeakSearch {
    std::vector<StressPoint> governing; // numbered from kFixedPointRows + 1, by plate and along it
    std::vector<PointStress> stresses;  // at the governing points, in the same order
    std::vector<int> columns;           // the column whose peak each governing point is
    std::vector<PlateMaxima> plates;    // every plate that is not a fillet, in plate order
    std::vector<NodeField> field;       // every node of every plate that is not a fillet
};

// Interior angle in degrees of the section (the union of the plates) at p:
// 360 inside, 180 on a straight face, below 180 at a convex corner, above 180
// at a re-entrant one, 0 outside.
double sectionAngleAt(const std::vector<Plate>& plates, Point p, double tolerance);

// Convex corners are free of traction on both faces: zero shear there.
constexpr double kConvexCornerDegrees = 160.0;
// Re-entrant corners whose shear is singular; a fillet's chords bend by 15° at most.
constexpr double kReentrantCornerDegrees = 200.0;

// The section's re-entrant corners, where shear is singular, and its convex ones,
// where it vanishes; each place once.
struct SectionCorners {
    std::vector<Point> reentrant;
    std::vector<Point> convex;
    double tolerance = 0.0; // how close a place must be to count as the corner

    bool isConvex(Point p) const;
};
SectionCorners sectionCorners(const std::vector<Plate>& plates);

// Sets the shear columns of the points that stand on a convex corner to zero.
void clearShearAtConvexCorners(const SectionCorners& corners, const std::vector<StressPoint>& points,
                               std::vector<PointStress>& stresses);

// The peaks of every plate part and the governing points among them: a peak
// of shear (Tau-Y, Tau-Z, Tau-X) of a plate part that no fixed point on its
// plate reports within 1 % and that reaches half the section's largest peak of
// its kind; a peak of normal stress that exceeds every fixed point's by 1 %.
// At most `capacity` points, the largest (relative to their kind) first. Every
// plate's maxima are kept whether they govern or not.
PeakSearch searchPeaks(const std::vector<Plate>& plates, const SectionCorners& corners,
                       const std::vector<StressPoint>& fixed,
                       const std::vector<PointStress>& fixedStresses, const Mesh& mesh,
                       const std::vector<Point>& nodes, const PrincipalFrame& frame, const AxisMoments& m,
                       const SectionValues& values, const SolvedFields& f, double poisson, int capacity);

} // namespace delmarix
