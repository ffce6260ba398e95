#pragma once
// The safety distance of a band on the grid's planes: the largest distance
// from the wire of a point over a limit or too close for the model, and
// whether such a point lies on the grid's edge (then the grid does not
// enclose the zone and the distance is only a lower bound).

#include <span>

#include "assessment/band_result.h"
#include "assessment/field_model.h"

namespace kvarn {

class SafetyDistanceSink : public PlaneSink {
  public:
    SafetyDistanceSink(BandResult& result, std::span<const CornerPoint> corners,
                       const GridAxes& axes)
        : result_(result), corners_(corners), axes_(axes) {}

    void planeBegins(double height) override;
    void rowBegins(double y) override;
    void point(const PlanePoint& p) override;

  private:
    BandResult& result_;
    std::span<const CornerPoint> corners_;
    const GridAxes& axes_;
    double height_ = 0;
    long row_ = -1;
    std::size_t column_ = 0;
};

} // namespace kvarn
