#pragma once
// The rays of one search, on a lattice over each patch: a coarse cell of a
// patch is cut into up to kFinest parts along p and along q, and a lattice
// point names its ray, so that neighbouring cells share their rays.

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "zone/ray_march.h"
#include "zone/ray_patch.h"

namespace kvarn::zone {

inline constexpr long kFinest = 64; // lattice steps per coarse cell and side

// A marched ray and where it lies in its patch.
struct SearchRay {
    std::size_t patch = 0;
    double p = 0, q = 0; // its parameters in the patch
    RayLine line;
    double end = 0;                // m: the reach, or the ground
    std::vector<ZoneStretch> zone; // in order along the ray

    bool hasZone() const { return !zone.empty(); }
    // m along the ray: the outermost zone point; 0 without zone.
    double outer() const { return zone.empty() ? 0 : zone.back().to; }
};

// A ray's end: the reach, or where it meets the ground first.
double rayEnd(const RayLine& line, double reach);

class RaySet {
  public:
    RaySet(std::span<const Patch> patches, double reach, RayMarcher& marcher)
        : patches_(patches), reach_(reach), marcher_(marcher) {}

    // The index of the ray at lattice point (ip, iq) of the patch. A new
    // ray is marched at the next march() out to `window` m (and on while
    // inside the zone), from the wire or, when its neighbours say that the
    // zone holds the ray from the wire out to `inside` m, from there on.
    // Asking again for a ray not yet marched widens its window.
    std::size_t ray(std::size_t patch, long ip, long iq, double window, double inside = kRayStart);
    // The index of a ray added before.
    std::size_t find(std::size_t patch, long ip, long iq) const;
    // Marches the rays added since the last call, all in one batch.
    void march();

    const SearchRay& operator[](std::size_t i) const { return rays_[i]; }
    std::span<const SearchRay> all() const { return rays_; }
    std::span<const Patch> patches() const { return patches_; }
    double reach() const { return reach_; }

  private:
    // The lattice point's q as its ray is named: wrapped round a periodic
    // patch, 0 at a cap's poles.
    long normalQ(std::size_t patch, long ip, long iq) const;
    std::uint64_t key(std::size_t patch, long ip, long iq) const;

    std::span<const Patch> patches_;
    double reach_;
    RayMarcher& marcher_;
    std::vector<SearchRay> rays_;
    std::unordered_map<std::uint64_t, std::size_t> index_;
    std::size_t marched_ = 0;      // rays before this index are marched ...
    std::vector<MarchTask> tasks_; // ... the others' tasks follow in order
};

} // namespace kvarn::zone
