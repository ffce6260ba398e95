#pragma once
// The peaks of a band over all its planes: the largest E and H with where
// they lie, the points nearest their limits, and the points the model
// cannot assess.

#include <vector>

#include "assessment/band_result.h"
#include "assessment/field_model.h"

namespace kvarn {

class PeakSink : public PlaneSink {
  public:
    // Fills the peaks and the too-close count of `result`, whose limits
    // are set.
    explicit PeakSink(BandResult& result) : result_(result) {}

    void planeBegins(double height) override { height_ = height; }
    void point(const PlanePoint& p) override;

    // Every plane is done: the ten highest points into the result.
    void finish();
    // The assessable points nearest their limits, the highest first.
    const std::vector<ExposurePoint>& highest() const { return highest_; }

  private:
    BandResult& result_;
    double height_ = 0;
    std::vector<ExposurePoint> highest_;
};

} // namespace kvarn
