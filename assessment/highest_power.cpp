#include "assessment/highest_power.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "assessment/band_model.h"
#include "assessment/power_chain.h"
#include "field/fast_kernel.h"
#include "field/scan.h"

namespace kvarn {

namespace {

constexpr ModeSet kFieldModes = modeBit('E') | modeBit('M');
// Bisection steps: the bracket starts within a few per cent, and 2^-40 of
// that is far below the digits a power is shown with.
constexpr int kBisectionSteps = 40;
// Rounds of the whole-grid check before the search gives up (each round
// adds the points found over their limit; one is the rule).
constexpr int kMostRounds = 8;

// The larger share of E and H of their limits at a point's values, in %.
double shareOf(const PointResult& p, const ReferenceLevels& limits) {
    const double e = p.value('E');
    const double h = static_cast<double>(p.value('M') / 100.0L); // 10 mA/m to A/m
    const double eShare = static_cast<double>(100.0L * e / limits.e);
    const double hShare = static_cast<double>(100.0L * h / limits.h);
    return std::max(eShare, hShare);
}

// The largest share over the candidates at a transmitter power.
class CandidateShare {
  public:
    CandidateShare(const Station& station, const Band& band, const ReferenceLevels& limits,
                   const std::vector<ExposurePoint>& points)
        : station_(station), band_(band), limits_(limits) {
        for (const ExposurePoint& p : points)
            byHeight_[p.height].push_back({p.x, p.y});
    }
    void add(const ExposurePoint& p) { byHeight_[p.height].push_back({p.x, p.y}); }

    double at(double power) const {
        const BandModel model(station_, band_, power);
        double worst = 0;
        for (const auto& [height, points] : byHeight_) {
            const FastModel fast(model.inputs(height), kFieldModes);
            for (const auto& [x, y] : points) {
                const ComputedPoint p = fast.point(x, y);
                if (p.result.tooclose || p.cthElement != 0) continue;
                worst = std::max(worst, shareOf(p.result, limits_));
            }
        }
        return worst;
    }

  private:
    const Station& station_;
    const Band& band_;
    const ReferenceLevels& limits_;
    std::map<double, std::vector<std::pair<double, double>>> byHeight_;
};

// The points of a whole-grid scan over their limits, and whether it ran to
// its end.
class OverLimitSink : public PointSink {
  public:
    OverLimitSink(const ReferenceLevels& limits, double height, std::vector<ExposurePoint>& over)
        : limits_(limits), height_(height), over_(over) {}
    void point(const PointResult& p) override {
        if (p.tooclose) return;
        const double share = shareOf(p, limits_);
        if (share > 100) over_.push_back({p.xp, p.yp, height_, 0, 0, share});
    }

  private:
    const ReferenceLevels& limits_;
    double height_;
    std::vector<ExposurePoint>& over_;
};

// The assessable points over their limits at a power, on the whole grid at
// every height; false when a scan stopped.
bool scanForOver(const Station& station, const Band& band, const ReferenceLevels& limits,
                 double power, std::vector<ExposurePoint>& over) {
    const BandModel model(station, band, power);
    for (double height : station.heights) {
        OverLimitSink sink(limits, height, over);
        PointSink* sinks[] = {&sink};
        const ScanOutcome outcome =
            scanGrid(station.grid, model.inputs(height), {kFieldModes, Kernel::fast, 0}, sinks);
        if (outcome.cthStop || outcome.notFinite) return false;
    }
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

PowerSearch findHighestPower(const Station& station, const Band& band,
                             const ReferenceLevels& limits, double peakPercent,
                             std::vector<ExposurePoint> candidates) {
    PowerSearch result;
    if (candidates.empty()) {
        result.watts = std::numeric_limits<double>::quiet_NaN();
        return result;
    }
    if (!(peakPercent > 0)) {
        result.watts = std::numeric_limits<double>::infinity();
        return result;
    }
    CandidateShare share(station, band, limits, candidates);
    double power = compliantStart(share, highestCompliantPower(band.power, peakPercent));
    for (int round = 0; round < kMostRounds; ++round) {
        power = roundedDown(bisect(share, power));
        // Rounding down may have left the digits of the format: once more.
        while (share.at(power) > 100)
            power = roundedDown(compliantStart(share, power));
        std::vector<ExposurePoint> over;
        ++result.wholeScans;
        const bool complete = scanForOver(station, band, limits, power, over);
        if (complete && over.empty()) {
            result.watts = power;
            return result;
        }
        if (!complete) break;
        for (const ExposurePoint& p : over)
            share.add(p);
        power = compliantStart(share, power);
    }
    // Not confirmed: say nothing rather than something that may not hold.
    result.watts = std::numeric_limits<double>::quiet_NaN();
    return result;
}

} // namespace kvarn
