#pragma once
// The three-dimensional zone around an antenna: every point at or above the
// ground where the field exceeds its limits or the model cannot assess it.
// findZone searches it for one field source (one antenna or several) and gives its extremes (the
// safety distance, the farthest reach seen from above, the lowest height)
// and the zone itself as small convex pieces, for projections and for the
// check against the controllable area.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "zone/geometry.h"
#include "zone/zone_field.h"

namespace kvarn::zone {

// An extreme of the zone and the zone point that reaches it.
struct ZonePoint {
    double value = 0; // m: a distance or a height
    Point3 at;        // m
};

// A small convex piece of the zone: the convex hull of its corners. Each
// piece spans a stretch of the zone along four neighbouring rays.
struct ZonePiece {
    std::array<Point3, 8> corners; // m
    std::uint8_t count = 0;        // corners in use
    std::span<const Point3> points() const { return {corners.data(), count}; }
};

struct Zone {
    std::string problem;          // empty when the zone was searched; else why it could not be
    bool empty = true;            // no zone point found: every extreme below is 0
    double reach = 0;             // m: from this distance from the antenna on, the
                                  // field's bound proves the share below 1
    ZonePoint safetyDistance;     // the largest distance from the antenna (nearest point of
                                  // any segment)
    ZonePoint horizontalDistance; // the largest distance, seen from above, from the
                                  // antenna's plan
    ZonePoint lowestHeight;       // the lowest z (0 where the zone touches the ground)
    std::vector<ZonePiece> pieces;
    std::size_t rays = 0;        // rays marched, the local searches' included
    std::size_t evaluations = 0; // field points evaluated
};

// The zone of the field around the antenna, a polyline through 1 or more
// corners at or above the ground (m, z up). Single-threaded apart from the
// field's own evaluate, and the same whatever threads that uses.
Zone findZone(std::span<const Point3> antenna, const ZoneField& field);
// The zone around several antennas of one site, each a polyline as above;
// the distances are then from the nearest of them, and the field's bound
// must hold at that distance from all of them.
Zone findZone(std::span<const std::vector<Point3>> antennas, const ZoneField& field);

} // namespace kvarn::zone
