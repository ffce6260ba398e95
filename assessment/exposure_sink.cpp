#include "assessment/exposure_sink.h"

#include <algorithm>
#include <limits>

#include "assessment/wire_distance.h"
#include "outputs/csv.h"

namespace kvarn {

namespace {

constexpr std::size_t kHighestShown = 10;
// The points nearest their limits that the search for the highest compliant
// power starts from.
constexpr std::size_t kHighestKept = 64;

double percentOf(double value, double limit) {
    return static_cast<double>(100.0L * value / limit);
}

} // namespace

ExposureSink::ExposureSink(const Station& station, BandResult& result, std::string* csv,
                           std::string* csvDe, std::function<void()> onRow)
    : station_(station), result_(result), csv_(csv), csvDe_(csvDe), onRow_(std::move(onRow)),
      columns_(gridColumns(station.grid)), rows_(gridRows(station.grid)) {
    FieldMap& map = result_.map;
    map.step = station.grid.step;
    map.percent.assign(static_cast<std::size_t>(columns_ * rows_), 0.0);
    map.tooClose.assign(static_cast<std::size_t>(columns_ * rows_), 0);
    for (const CornerPoint& c : station.corners)
        map.corners.push_back({c.x, c.y, c.z});
}

void ExposureSink::startHeight(double height) {
    height_ = height;
    firstHeight_ = heightsStarted_++ == 0;
    row_ = -1;
}

void ExposureSink::rowBegins(double yp) {
    ++row_;
    column_ = 0;
    if (firstHeight_) result_.map.ys.push_back(yp);
}

void ExposureSink::point(const PointResult& p) {
    const double e = p.value('E');
    const double h = static_cast<double>(p.value('M') / 100.0L); // 10 mA/m to A/m
    const double ePercent = percentOf(e, result_.limits.e);
    const double hPercent = percentOf(h, result_.limits.h);
    const bool over = ePercent > 100 || hPercent > 100;
    const double worst = std::max(ePercent, hPercent);
    if (firstHeight_ && row_ == 0) result_.map.xs.push_back(p.xp);

    if (!p.tooclose) {
        // Strictly greater: of equal values the first scanned keeps its place.
        if (e > result_.e.value) result_.e = {e, ePercent, p.xp, p.yp, height_};
        if (h > result_.h.value) result_.h = {h, hPercent, p.xp, p.yp, height_};
        keepAmongHighest({p.xp, p.yp, height_, e, h, worst});
    } else {
        ++result_.tooClosePoints;
    }
    // A point too close to the wire for the model counts as over its limit.
    if (over || p.tooclose) {
        const double d = distanceToWire(station_.corners, p.xp, p.yp, height_);
        if (d > result_.safetyDistance) result_.safetyDistance = d;
        if (row_ == 0 || row_ == rows_ - 1 || column_ == 0 || column_ == columns_ - 1)
            result_.zoneOnEdge = true;
    }

    const std::size_t cell = static_cast<std::size_t>(row_ * columns_ + column_);
    if (cell < result_.map.percent.size()) {
        if (p.tooclose)
            result_.map.tooClose[cell] = 1;
        else
            result_.map.percent[cell] = std::max(result_.map.percent[cell], worst);
    }
    const double f = result_.band.frequency;
    if (csv_ != nullptr)
        appendCsvRow(*csv_, kCsv, f, height_, p.xp, p.yp, p.tooclose, e, h, ePercent, hPercent,
                     result_.index + 1);
    if (csvDe_ != nullptr)
        appendCsvRow(*csvDe_, kCsvDe, f, height_, p.xp, p.yp, p.tooclose, e, h, ePercent, hPercent,
                     result_.index + 1);
    ++column_;
}

void ExposureSink::rowEnds(double) {
    if (onRow_) onRow_();
}

void ExposureSink::keepAmongHighest(const ExposurePoint& p) {
    std::vector<ExposurePoint>& top = highest_;
    if (top.size() == kHighestKept && !(p.percent > top.back().percent)) return;
    const auto at = std::upper_bound(
        top.begin(), top.end(), p,
        [](const ExposurePoint& a, const ExposurePoint& b) { return a.percent > b.percent; });
    top.insert(at, p);
    if (top.size() > kHighestKept) top.pop_back();
}

void ExposureSink::finish() {
    result_.highest.assign(
        highest_.begin(),
        highest_.begin() + static_cast<std::ptrdiff_t>(std::min(highest_.size(), kHighestShown)));
    FieldMap& map = result_.map;
    map.maxPercent = 0;
    bool found = false;
    for (std::size_t r = 0; r < map.ys.size(); ++r)
        for (std::size_t c = 0; c < map.xs.size(); ++c) {
            const std::size_t cell = r * map.xs.size() + c;
            if (map.tooClose[cell] != 0) continue;
            if (!found || map.percent[cell] > map.maxPercent) {
                map.maxPercent = map.percent[cell];
                map.maxX = map.xs[c];
                map.maxY = map.ys[r];
                found = true;
            }
        }
    if (!found) map.maxPercent = std::numeric_limits<double>::quiet_NaN();
}

} // namespace kvarn
