#pragma once
// How far a point lies from the wire.

#include <span>

#include "field/antenna.h"

namespace kvarn {

// m: the distance from (x, y, z) to the nearest point of any segment of the
// wire through the corners.
double distanceToWire(std::span<const CornerPoint> corners, double x, double y, double z);

} // namespace kvarn
