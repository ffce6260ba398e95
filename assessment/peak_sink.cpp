#include "assessment/peak_sink.h"

#include <algorithm>

#include "assessment/shares.h"

namespace kvarn {

namespace {

constexpr std::size_t kHighestShown = 10;
// The points nearest their limits that the search for the highest compliant
// power starts from.
constexpr std::size_t kHighestKept = 64;

// Among the highest points, the highest first; of equal shares the first
// scanned stays ahead.
void keepAmongHighest(std::vector<ExposurePoint>& top, const ExposurePoint& p) {
    if (top.size() == kHighestKept && !(p.percent > top.back().percent)) return;
    const auto at = std::upper_bound(
        top.begin(), top.end(), p,
        [](const ExposurePoint& a, const ExposurePoint& b) { return a.percent > b.percent; });
    top.insert(at, p);
    if (top.size() > kHighestKept) top.pop_back();
}

} // namespace

void PeakSink::point(const PlanePoint& p) {
    if (!p.field.holds) {
        ++result_.tooClosePoints;
        return;
    }
    const Shares shares = sharesOf(p.field, result_.limits);
    // Strictly greater: of equal values the first scanned keeps its place.
    if (p.field.e > result_.e.value) result_.e = {p.field.e, shares.e, p.x, p.y, height_};
    if (p.field.h > result_.h.value) result_.h = {p.field.h, shares.h, p.x, p.y, height_};
    keepAmongHighest(highest_, {p.x, p.y, height_, p.field.e, p.field.h, shares.worst()});
}

void PeakSink::finish() {
    result_.highest.assign(
        highest_.begin(),
        highest_.begin() + static_cast<std::ptrdiff_t>(std::min(highest_.size(), kHighestShown)));
}

} // namespace kvarn
