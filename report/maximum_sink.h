#pragma once
// The largest value of a scan and where it lies.

#include "field/point_sink.h"

namespace kvarn {

// Raises fmax, with its position, when a point's value exceeds it strictly,
// so that of equal values the first one scanned keeps its place. A point
// too close has the value 0 and never raises a maximum that starts at 0.
class MaximumSink : public PointSink {
  public:
    MaximumSink(char mode, double& fmax, double& xmax, double& ymax)
        : mode_(mode), fmax_(fmax), xmax_(xmax), ymax_(ymax) {}
    void point(const PointResult& p) override {
        const double v = p.value(mode_);
        if (v > fmax_) {
            fmax_ = v;
            xmax_ = p.xp;
            ymax_ = p.yp;
        }
    }

  private:
    char mode_;    // whose values count
    double& fmax_; // V/m, or 10 mA/m in mode M
    double& xmax_; // m
    double& ymax_; // m
};

} // namespace kvarn
