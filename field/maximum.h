#pragma once
// The largest value of a scan and where it lies.

#include "field/point_sink.h"

namespace kvarn {

// Raises fmax, with its position, when a point's value exceeds it strictly,
// so that of equal values the first one scanned keeps its place. A point
// too close has the value 0 and never raises a maximum that starts at 0.
class MaximumSink : public PointSink {
  public:
    MaximumSink(double& fmax, double& xmax, double& ymax) : fmax_(fmax), xmax_(xmax), ymax_(ymax) {}
    void point(const PointResult& p) override {
        if (p.value > fmax_) {
            fmax_ = p.value;
            xmax_ = p.xp;
            ymax_ = p.yp;
        }
    }

  private:
    double& fmax_; // V/m, or 10 mA/m in mode M
    double& xmax_; // m
    double& ymax_; // m
};

} // namespace kvarn
