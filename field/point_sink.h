#pragma once
// Where a scan hands its points: one recorded point at a time, in scan
// order, on one thread, with the rows around them. The value table on the
// console, its copy in the file, the progress line and the maximum are
// sinks; so is anything that collects the grid.

#include <array>

#include "field/modes.h"

namespace kvarn {

// A recorded point.
struct PointResult {
    double xp = 0, yp = 0;                   // m
    bool tooclose = false;                   // an element centre lies within 2.1 m
    std::array<double, kModeCount> values{}; // by mode index, in the unit of each mode;
                                             // 0 when too close or not computed

    // The value of a mode letter; 0 for a letter that names no mode.
    double value(char mode) const {
        const int k = modeIndex(mode);
        return k < 0 ? 0 : values[static_cast<std::size_t>(k)];
    }
};

class PointSink {
  public:
    virtual ~PointSink() = default;
    // The row at yp begins; its points follow from the left.
    virtual void rowBegins(double yp) { (void)yp; }
    virtual void point(const PointResult& p) = 0;
    // The row at yp is complete.
    virtual void rowEnds(double yp) { (void)yp; }
};

} // namespace kvarn
