#include "assessment/highest_power.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "assessment/power_chain.h"
#include "assessment/shares.h"

namespace kvarn {

namespace {

// Bisection steps: the bracket starts within a few per cent, and 2^-40 of
// that is far below the digits a power is shown with.
constexpr int kBisectionSteps = 40;
// Rounds of the whole-grid check before the search gives up (each round
// adds the points found over their limit; one is the rule).
constexpr int kMostRounds = 8;

// The largest share over the candidates at a transmitter power.
class CandidateShare {
  public:
    CandidateShare(const BandFieldModel& model, const ReferenceLevels& limits,
                   const std::vector<ExposurePoint>& points)
        : model_(model), limits_(limits) {
        for (const ExposurePoint& p : points)
            add(p);
    }
    // Kept by height: the exact models compute a run of points at one
    // height at once.
    void add(const ExposurePoint& p) {
        points_.push_back({p.x, p.y, p.height});
        std::stable_sort(points_.begin(), points_.end(),
                         [](const Point3& a, const Point3& b) { return a.z < b.z; });
    }

    double at(double power) const {
        const std::unique_ptr<BandFieldModel> model = model_.atPower(power);
        std::vector<FieldValue> values(points_.size());
        model->evaluate(points_, values);
        double worst = 0;
        for (const FieldValue& v : values)
            if (v.holds) worst = std::max(worst, sharesOf(v, limits_).worst());
        return worst;
    }

  private:
    const BandFieldModel& model_;
    const ReferenceLevels& limits_;
    std::vector<Point3> points_;
};

// The points of a plane over their limits.
class OverLimitSink : public PlaneSink {
  public:
    OverLimitSink(const ReferenceLevels& limits, std::vector<ExposurePoint>& over)
        : limits_(limits), over_(over) {}
    void planeBegins(double height) override { height_ = height; }
    void point(const PlanePoint& p) override {
        if (!p.field.holds) return;
        const Shares shares = sharesOf(p.field, limits_);
        if (shares.over())
            over_.push_back({p.x, p.y, height_, p.field.e, p.field.h, shares.worst()});
    }

  private:
    const ReferenceLevels& limits_;
    std::vector<ExposurePoint>& over_;
    double height_ = 0;
};

// The assessable points over their limits at a power, on the whole grid at
// every height; false when a scan stopped.
bool scanForOver(const BandFieldModel& band, double power, const ReferenceLevels& limits,
                 const GridAxes& axes, const std::vector<double>& heights,
                 std::vector<ExposurePoint>& over) {
    const std::unique_ptr<BandFieldModel> model = band.atPower(power);
    OverLimitSink sink(limits, over);
    PlaneSink* sinks[] = {&sink};
    for (double height : heights)
        if (!model->scanPlane(axes, height, sinks).complete) return false;
    return true;
}

// The highest power in [low, ...) at which the candidates keep their
// limits, found by bisection; `low` keeps them.
double bisect(const CandidateShare& share, double low) {
    double high = low;
    do
        high *= 1.01;
    while (share.at(high) <= 100 && std::isfinite(high));
    for (int step = 0; step < kBisectionSteps; ++step) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) break;
        (share.at(middle) <= 100 ? low : high) = middle;
    }
    return low;
}

// A power at or below `guess` at which the candidates keep their limits.
double compliantStart(const CandidateShare& share, double guess) {
    double power = guess;
    for (double s = share.at(power); s > 100 && power > 0; s = share.at(power))
        power *= (100 / s) * (100 / s) * 0.999;
    return power;
}

} // namespace

PowerSearch findHighestPower(const BandFieldModel& model, const Band& band,
                             const ReferenceLevels& limits, const GridAxes& axes,
                             const std::vector<double>& heights, double peakPercent,
                             const std::vector<ExposurePoint>& candidates) {
    PowerSearch result;
    if (candidates.empty()) {
        result.watts = std::numeric_limits<double>::quiet_NaN();
        return result;
    }
    if (!(peakPercent > 0)) {
        result.watts = std::numeric_limits<double>::infinity();
        return result;
    }
    CandidateShare share(model, limits, candidates);
    double power = compliantStart(share, highestCompliantPower(band.power, peakPercent));
    for (int round = 0; round < kMostRounds; ++round) {
        power = roundedDown(bisect(share, power));
        // Rounding down may have left the digits of the format: once more.
        while (share.at(power) > 100)
            power = roundedDown(compliantStart(share, power));
        std::vector<ExposurePoint> over;
        ++result.wholeScans;
        if (!scanForOver(model, power, limits, axes, heights, over)) break;
        if (over.empty()) {
            result.watts = power;
            return result;
        }
        for (const ExposurePoint& p : over)
            share.add(p);
        power = compliantStart(share, power);
    }
    // Not confirmed: say nothing rather than something that may not hold.
    result.watts = std::numeric_limits<double>::quiet_NaN();
    return result;
}

} // namespace kvarn
