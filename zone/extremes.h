#pragma once
// The zone's extremes: the safety distance, the farthest reach from the
// antenna's plan and the lowest height, first over the search's rays, then
// refined by a local search of rays around the best ones.

#include <cstddef>
#include <span>

#include "zone/ray_set.h"
#include "zone/zone.h"

namespace kvarn::zone {

enum class Extreme {
    distance,   // from the antenna
    horizontal, // from the antenna's plan, seen from above
    lowest,     // the height, to be made as small as possible
};

// What a zone point scores for an extreme: the larger the better (the
// negative height for the lowest point).
double extremeScore(Extreme extreme, const Wires& wires, Point3 p);

// The local search moves from the best rays to neighbouring directions, in
// steps halved until the rays are this close at the zone's edge: the edge
// between them is then found to well within 0.05 m, the edge along each ray
// being bisected to kEdgeTolerance.
inline constexpr double kLocalStep = 0.01; // m

struct Extremes {
    ZonePoint safetyDistance, horizontalDistance, lowestHeight;
    std::size_t probes = 0; // rays of the local searches
};

// The extremes of the zone the rays found (at least one of them has zone).
Extremes findExtremes(const RaySet& rays, RayMarcher& marcher, const Wires& wires);

} // namespace kvarn::zone
