#pragma once
// Follows a band's fields point by point, height after height: the peaks
// of E and H, the farthest point over a limit from the wire, the ten
// highest points, the map of the worst share over the heights and the rows
// of the points file.

#include <functional>
#include <string>
#include <vector>

#include "assessment/band_result.h"
#include "field/point_sink.h"

namespace kvarn {

class ExposureSink : public PointSink {
  public:
    // csv and csvDe may be nullptr when those files are not asked for;
    // onRow is called after every row.
    ExposureSink(const Station& station, BandResult& result, std::string* csv, std::string* csvDe,
                 std::function<void()> onRow);

    // The scan of this height begins.
    void startHeight(double height);
    // Every height is done: the map's maximum and the ten highest points.
    void finish();
    // The assessable points nearest their limits, the highest first.
    const std::vector<ExposurePoint>& highest() const { return highest_; }

    void rowBegins(double yp) override;
    void point(const PointResult& p) override;
    void rowEnds(double yp) override;

  private:
    void keepAmongHighest(const ExposurePoint& p);

    const Station& station_;
    BandResult& result_;
    std::string* csv_;
    std::string* csvDe_;
    std::function<void()> onRow_;
    long columns_, rows_; // of the grid
    double height_ = 0;   // m, of the scan under way
    bool firstHeight_ = true;
    int heightsStarted_ = 0;
    long row_ = -1, column_ = 0;
    std::vector<ExposurePoint> highest_;
};

} // namespace kvarn
