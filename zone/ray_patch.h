#pragma once
// The rays the zone search marches along, in patches. Every point near the
// antenna lies on a ray from its nearest point of the wire: across a
// segment (a disc of rays at each station along it) or from a corner (a
// cap: the half sphere beyond a free end, or the wedge on the outside of a
// bend). A patch maps two parameters p and q in [0, 1] to one ray, so that
// neighbouring rays have neighbouring parameters.

#include <span>
#include <vector>

#include "zone/geometry.h"

namespace kvarn::zone {

// A ray from the antenna: origin + r * direction, r >= 0 in m.
struct RayLine {
    Point3 origin;    // m, on the antenna
    Point3 direction; // unit vector
    Point3 at(double r) const { return origin + r * direction; }
};

enum class PatchKind {
    disc, // p: along the segment; q: the angle around it, periodic
    cap,  // p: the angle from the axis w; q: the angle psi about it
};

struct Patch {
    PatchKind kind = PatchKind::disc;
    Point3 origin;          // m: the segment's start, or the corner
    Point3 t;               // disc: along the segment; cap: the tangent the psi angles start from
    Point3 w;               // unit, perpendicular to t: disc: angle 0; cap: the axis
    Point3 n;               // unit: disc: t x w (angle 90 degrees); cap: w x t
    double length = 0;      // m, of the segment (disc)
    double psi0 = 0;        // rad, cap: first angle psi
    double psi1 = 0;        // rad, cap: last angle psi
    int cellsP = 1;         // coarse cells along p
    int cellsQ = 1;         // coarse cells along q
    bool periodicQ = false; // q = 1 is q = 0 (disc)

    RayLine at(double p, double q) const;
};

// The coarse pattern of rays: a station at least every kCoarseStation along
// each segment, and angles at least every 360 / kMinAround degrees, closer
// when the reach is large so that neighbouring rays stay within the arc
// rayPatches is given (at least kCoarseArc) of each other at the reach.
inline constexpr double kCoarseStation = 1.0; // m
inline constexpr int kMinAround = 24;         // rays around a segment
inline constexpr double kCoarseArc = 3.0;     // m, between neighbouring rays at the reach

// The antenna's corners without repeated points, each segment of at least
// this length.
inline constexpr double kShortestSegment = 1e-6; // m
std::vector<Point3> distinctCorners(std::span<const Point3> corners);

// The patches of the polyline through distinct corners (at least one), for
// a search out to `reach` m with neighbouring rays at most max(arc,
// kCoarseArc) m apart there.
std::vector<Patch> rayPatches(std::span<const Point3> corners, double reach, double arc);

} // namespace kvarn::zone
