#pragma once
// Where a scan hands its points: one recorded point at a time, in scan
// order, on one thread, with the rows around them. The value table on the
// console, its copy in the file, the progress line and the maximum are
// sinks; so is anything that collects the grid.

namespace kvarn {

// A recorded point.
struct PointResult {
    double xp = 0, yp = 0; // m
    double value = 0;      // in the unit of the mode; 0 when too close
    bool tooclose = false; // an element centre lies within 2.1 m
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
