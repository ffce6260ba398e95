#pragma once
// The zone against the controllable area: the own plot, whose boundary is a
// simple polygon seen from above, at any height, and outside it the space
// from the public height up. The part of the zone below that height must lie
// strictly inside the boundary; touching it counts as leaving.

#include <optional>
#include <span>

#include "zone/projection.h"
#include "zone/zone.h"

namespace kvarn::zone {

// Where the part of the zone below the public height comes closest to the
// boundary, seen from above.
struct AreaMargin {
    double distance = 0;  // m: the smallest distance to the boundary; negative when the part
                          // crosses it: the depth of its deepest point outside
    Point2 zonePoint;     // m: the zone point where it is smallest
    Point2 boundaryPoint; // m: the nearest point of the boundary to it
};

struct AreaCheck {
    bool inside = true;               // the zone lies in the controllable area
    std::optional<AreaMargin> margin; // none when no zone lies below the public height
};

// The check of a searched zone (one without a problem) against the
// boundary, which must be a simplePolygon; else std::invalid_argument.
AreaCheck checkArea(const Zone& zone, std::span<const Point2> boundary,
                    double publicHeight = kPublicHeight);

} // namespace kvarn::zone
