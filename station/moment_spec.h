#pragma once
// A station's wire as the method-of-moments engine takes it at a frequency.

#include "mom/wire.h"
#include "station/station.h"

namespace kvarn {

mom::WireSpec momSpec(const Station& station, double frequency);

// The point of the wire at the station's feed distance from its first
// corner (its last corner for a distance beyond the wire).
CornerPoint feedPoint(const Station& station);

} // namespace kvarn
