#pragma once
// Marching along rays: where a ray is inside the zone, found by samples
// outward from the wire, its edges narrowed by bisection or by a guess from
// the shares on both sides. Many rays march in step, so that each round of
// samples goes to the field in one batch.

#include <cstddef>
#include <span>
#include <vector>

#include "zone/cleared_space.h"
#include "zone/ray_patch.h"
#include "zone/wires.h"
#include "zone/zone_field.h"

namespace kvarn::zone {

// The first sample of a ray from the wire: the field on the wire itself
// cannot be computed.
inline constexpr double kRayStart = 0.01; // m

// Steps: inside the zone the longest step: a gap thinner than it may go
// unseen, which changes neither the ends of a ray's stretches, where the
// extremes lie, nor a projection, and leaves the zone's pieces on the safe
// side; narrowing the edge between two samples far apart costs fewer
// points than stepping up to it. Outside, a step that shrinks as the share
// nears 1 (see outsideStep). Both at most half the field's feature length
// and kMaxStep: a lobe of the zone is at least a feature length across,
// and the ray lattice is as fine sideways at the reach (see rayPatches).
inline constexpr double kMinStep = 0.05;  // m
inline constexpr double kMaxStep = 5.0;   // m
inline constexpr double kStepShare = 0.5; // of the step at which a near field could reach 1

// An edge is bisected until the zone point and the point outside are this
// close: the zone point found lies at most this far inside the true edge.
// The local searches for the extremes bisect closer.
inline constexpr double kEdgeTolerance = 0.02;     // m
inline constexpr double kExtremeTolerance = 0.002; // m

// The step outside the zone from a point at `distance` m from the wire
// where the share is `share` (< 1). A near field falls as the cube of the
// distance from its source, the fastest any part of a wire's field falls;
// coming closer to a source at `distance` m, such a field would reach 1
// after distance * (1 - share^(1/3)) m. The march takes kStepShare of that,
// at least kMinStep and at most `longest`.
double outsideStep(double distance, double share, double longest);

// Whether a sample lies in the zone: over the limits, or not assessable.
inline bool inZone(const ZoneSample& s) {
    return !s.holds || !(s.share <= 1);
}

// A stretch of a ray inside the zone, m along the ray; both ends are zone
// points.
struct ZoneStretch {
    double from = 0, to = 0;
};

// One ray to march: from `from` out to `window`, and on to `end` when the
// window ends inside the zone.
struct MarchTask {
    RayLine line;
    double from = kRayStart; // m
    double window = 0;       // m
    double end = 0;          // m: the reach, or where the ray meets the ground
    double step = 0; // m: a fixed step, inside the zone and out; 0 for the rules above, which
                     // pass the space earlier samples showed free of the zone
    int wave = 0;    // the tasks of wave 0 march first, then those of 1 ... kWaves - 1
};
inline constexpr int kWaves = 5;

// m along the ray to the ground, or infinity for a ray that does not go down.
double groundDistance(const RayLine& line);

class RayMarcher {
  public:
    // Steps are at most half the field's feature length, within kMinStep
    // and kMaxStep.
    RayMarcher(const ZoneField& field, const Wires& wires);

    // The zone stretches of each task's ray, in order along the ray, their
    // ends within `tolerance` m of the zone's edge.
    std::vector<std::vector<ZoneStretch>> march(std::span<const MarchTask> tasks,
                                                double tolerance = kEdgeTolerance);

    // m: the longest step.
    double longest() const { return longest_; }
    // Field points evaluated so far.
    std::size_t evaluations() const { return evaluations_; }

  private:
    void evaluate(std::span<const Point3> points, std::span<ZoneSample> out);

    const ZoneField& field_;
    const Wires& wires_;
    double longest_; // m: the longest step
    ClearedSpace cleared_;
    std::size_t evaluations_ = 0;
};

} // namespace kvarn::zone
