#pragma once
// Balls of space the march has shown free of the zone: a field point below
// the limits vouches for the ball round it whose radius is the step the
// march would take from it (see outsideStep), in every direction, so a ray
// whose march reaches such a ball passes it without samples of its own.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "zone/ray_patch.h"

namespace kvarn::zone {

class ClearedSpace {
  public:
    // Balls no larger than `largest` m in radius.
    explicit ClearedSpace(double largest) : cell_(largest) {}

    void add(Point3 centre, double radius);
    // m along the ray: how far from `r` on the balls cover the ray without
    // a break, at most `limit`; `r` where no ball holds the point at r.
    double passFrom(const RayLine& line, double r, double limit) const;

  private:
    struct Ball {
        Point3 centre;
        double radius = 0;
    };
    std::uint64_t cellKey(long i, long j, long k) const;
    long cellOf(double v) const;

    double cell_; // m: the side of a cell of the index, the largest radius
    std::vector<Ball> balls_;
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> index_; // balls by centre cell
};

} // namespace kvarn::zone
