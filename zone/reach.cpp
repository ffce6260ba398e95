#include "zone/reach.h"

#include <algorithm>

namespace kvarn::zone {

namespace {

constexpr double kFirstTry = 0.01;  // m
constexpr double kPrecision = 1e-3; // m

bool provenBelow(const ZoneField& field, double distance) {
    const double bound = field.shareBound(distance);
    return bound < 1; // false for a NaN bound: it proves nothing
}

} // namespace

std::optional<double> outerReach(const ZoneField& field) {
    double below = 0, proven = kFirstTry;
    while (!provenBelow(field, proven)) {
        if (proven >= kMaxReach) return std::nullopt;
        below = proven;
        proven = std::min(2 * proven, kMaxReach);
    }
    while (proven - below > kPrecision) {
        const double mid = 0.5 * (below + proven);
        (provenBelow(field, mid) ? proven : below) = mid;
    }
    return proven;
}

} // namespace kvarn::zone
