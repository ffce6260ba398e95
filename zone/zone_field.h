#pragma once
// What the zone search sees of a field model: the share of the limits at
// many points at once, and a proven bound of that share far from the wire.
// The search knows nothing else of how the field is computed.

#include <span>

#include "zone/geometry.h"

namespace kvarn::zone {

// The field at one point, as a share of the limits.
struct ZoneSample {
    double share = 0;  // max(E / E_limit, H / H_limit)
    bool holds = true; // false where the model cannot give a value there
};

// A field source, implemented for each field model.
class ZoneField {
  public:
    virtual ~ZoneField() = default;
    // out[i] for points[i]. May use threads inside, but must give the same
    // values for any number of them.
    virtual void evaluate(std::span<const Point3> points, std::span<ZoneSample> out) const = 0;
    // An upper bound of `share` at every point at or above the ground that
    // lies at least `distance` m from the antenna: how far out the zone can
    // possibly reach.
    virtual double shareBound(double distance) const = 0;
    // m: the shortest length along which the share may rise above 1 and
    // fall back again away from the wire, such as a quarter wavelength for
    // a wire's standing wave. The search steps at most half of it (and at
    // most kMaxStep) where it sees no zone.
    virtual double featureLength() const { return 1.0; }
};

} // namespace kvarn::zone
