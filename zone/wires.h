#pragma once
// The wires a zone is searched around: one antenna's polyline, or the
// polylines of every antenna on a site, and the distances from them.

#include <span>
#include <vector>

#include "zone/geometry.h"

namespace kvarn::zone {

class Wires {
  public:
    // Each polyline through 1 or more corners (m, z up).
    explicit Wires(std::vector<std::vector<Point3>> lines);

    const std::vector<std::vector<Point3>>& lines() const { return lines_; }

    // m: from p to the nearest point of any of the polylines.
    double distance(Point3 p) const;
    // m: from p, seen from above, to the nearest polyline projected on the ground.
    double planDistance(Point3 p) const;

  private:
    std::vector<std::vector<Point3>> lines_;
};

} // namespace kvarn::zone
