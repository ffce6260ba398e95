#pragma once
// The map of a band: at every point of the grid the worst share of either
// limit over the planes, and which points are too close for the model.

#include "assessment/band_result.h"
#include "assessment/field_model.h"

namespace kvarn {

class MapSink : public PlaneSink {
  public:
    // Lays out the map of `result` on the grid's axes (step apart), with
    // the wire.
    MapSink(BandResult& result, const GridAxes& axes, double step,
            std::span<const CornerPoint> corners);

    void planeBegins(double height) override;
    void rowBegins(double y) override;
    void point(const PlanePoint& p) override;

    // Every plane is done: the highest share outside the too-close points.
    void finish();

  private:
    BandResult& result_;
    std::size_t row_ = 0, column_ = 0;
    bool started_ = false;
};

} // namespace kvarn
