#pragma once
// How far out the zone can reach: the distance from the antenna beyond which
// the field's own bound proves the share below 1.

#include <optional>

#include "zone/zone_field.h"

namespace kvarn::zone {

// The search refuses a field whose bound stays at or above 1 this far out:
// its zone could not be searched in bounded time.
inline constexpr double kMaxReach = 1000; // m

// The smallest distance (within 1 mm) from which on field.shareBound is
// below 1; nothing when that is not so within kMaxReach. Any distance at
// which the bound is below 1 is a proof, because the bound holds for every
// point at least that far out; the bisection keeps its upper end on such a
// distance, so it needs no monotonic bound.
std::optional<double> outerReach(const ZoneField& field);

} // namespace kvarn::zone
