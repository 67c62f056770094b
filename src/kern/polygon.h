// Plane polygons in section coordinates and their exact area integrals.
//
// Coordinates: y horizontal to the right, z upwards, in millimetres. A polygon is
// a closed ring of corners given once each (the last corner connects back to the
// first), counter-clockwise so that its signed area is positive.
#pragma once

#include <vector>

namespace tarvello::geometrie {

struct Point {
    double y = 0.0;
    double z = 0.0;
};

using Polygon = std::vector<Point>;

// Area integrals of a region: A, first moments S_y = ∫z dA and S_z = ∫y dA,
// second moments I_yy = ∫z² dA, I_zz = ∫y² dA and the product I_yz = ∫yz dA,
// all about the origin. They add up over regions that do not overlap.
struct AreaMoments {
    double area = 0.0;
    double sy = 0.0;
    double sz = 0.0;
    double iyy = 0.0;
    double izz = 0.0;
    double iyz = 0.0;

    AreaMoments& operator+=(const AreaMoments& other);
};

// Signed area (positive for counter-clockwise corners).
double signedArea(const Polygon& polygon);

// Exact integrals of the polygon's interior (Green's theorem over its edges);
// a clockwise polygon yields the negated values.
AreaMoments areaMoments(const Polygon& polygon);

// True when p lies inside the polygon or within `tolerance` of its boundary.
bool contains(const Polygon& polygon, Point p, double tolerance);

// True when p lies inside the polygon and farther than `tolerance` from its boundary.
bool containsStrictly(const Polygon& polygon, Point p, double tolerance);

// Distance from p to the segment a-b.
double distanceToSegment(Point p, Point a, Point b);

// Axis-parallel rectangle between two opposite corners, counter-clockwise.
Polygon rectangle(double y0, double z0, double y1, double z1);

// The region between the corner where two perpendicular plate faces meet and a
// circular fillet of radius r tangent to both: the corner, the tangent point on
// face a, the arc, the tangent point on face b. dirA and dirB are unit vectors
// from the corner along the two faces (away from the corner); the result is
// returned counter-clockwise whatever their order. `segments` straight pieces
// approximate the quarter arc.
Polygon filletPolygon(Point corner, Point dirA, Point dirB, double r, int segments);

// The exact area integrals of the same region with its true quarter arc (the
// polygon's chords serve the mesh): the r × r square at the corner less the
// quarter disc, moved to the corner and turned to the faces.
AreaMoments filletMoments(Point corner, Point dirA, Point dirB, double r);

// The part of a polygon on or above (or on or below) the line z = c: Sutherland and Hodgman
// against one half-plane. A concave polygon may come back with edges along the line, which
// add nothing to its area integrals.
Polygon partAbove(const Polygon& polygon, double c);
Polygon partBelow(const Polygon& polygon, double c);

// Mirror image about the z axis (y -> -y), kept counter-clockwise.
Polygon mirroredY(const Polygon& polygon);

// Polygon moved by (dy, dz) and turned by `angle` radians about the origin
// (counter-clockwise positive): the turn is applied after the move.
Polygon movedAndTurned(const Polygon& polygon, double dy, double dz, double angle);

// Makes the polygon counter-clockwise.
void orientCounterClockwise(Polygon& polygon);

} // namespace tarvello::geometrie
