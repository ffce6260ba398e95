#include "assessment/exact_zone_field.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <thread>

#include "field/constants.h"
#include "field/discretize.h"
#include "field/fast_kernel.h"

namespace kvarn {

namespace {

// Batches smaller than this are computed on one thread: starting threads
// would cost more than the points.
constexpr std::size_t kThreadedBatch = 64;
// The bound is computed in doubles, the field in doubles and extended
// precision: a millionth covers their roundings many times over.
constexpr double kRoundingMargin = 1e-6;

} // namespace

StandingWaveField::StandingWaveField(const Station& station, const Band& band,
                                     ReferenceLevels limits, unsigned threads)
    : model_(station, band, band.power), limits_(limits), threads_(std::max(1u, threads)) {
    const PointInputs in = model_.inputs(0);
    for (std::size_t i = 1; i <= in.elementCount; ++i) {
        const AntennaElement& e = (*in.elements)[i];
        moments_.push_back(std::abs(e.current * e.length) / static_cast<double>(kFourPi));
    }
    k_ = static_cast<double>(kTwoPi) / in.lambda;
    omegaEpsilon_ = in.omega * static_cast<double>(kEpsilon0);
    quarterWave_ = std::min(in.lambda, modelWavelength(exactModel(station.model), in.lambda,
                                                       station.wireLength)) /
                   4;
}

void StandingWaveField::evaluate(std::span<const zone::Point3> points,
                                 std::span<zone::ZoneSample> out) const {
    // The model computes one height at a time: points of equal height share
    // one model, and each thread takes a run of the points in height order.
    std::vector<std::size_t> order(points.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return points[a].z < points[b].z; });
    const ModeSet modes = modeBit('E') | modeBit('M');
    auto run = [&](std::size_t first, std::size_t last) {
        std::size_t i = first;
        while (i < last) {
            const double z = points[order[i]].z;
            const FastModel model(model_.inputs(z), modes);
            for (; i < last && points[order[i]].z == z; ++i) {
                const zone::Point3& p = points[order[i]];
                const ComputedPoint c = model.point(p.x, p.y);
                zone::ZoneSample& s = out[order[i]];
                s.holds = !c.result.tooclose && c.cthElement == 0;
                s.share = s.holds ? std::max(c.result.value('E') / limits_.e,
                                             c.result.value('M') / 100 / limits_.h)
                                  : 0;
            }
        }
    };
    const std::size_t n = points.size();
    const std::size_t threads = n < kThreadedBatch ? 1 : std::min<std::size_t>(threads_, n);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(run, n * t / threads, n * (t + 1) / threads);
    run(0, n / threads);
}

// Each element's field is that of a short current element: with x = k r,
// its E has a radial part 2 |a| |cos theta| sqrt(1 + x^2) / (omega eps0 r^3)
// and a part across of |a| |sin theta| sqrt(x^4 - x^2 + 1) / (omega eps0 r^3),
// at right angles to each other, and its H is |a| |sin theta| sqrt(1 + x^2) /
// r^2. Both fall as r grows, and every element centre lies on the wire, so a
// point at least `distance` from the wire sees each element at most as
// strong as at r = distance; the fields add at most as their magnitudes do.
double StandingWaveField::shareBound(double distance) const {
    const double r = distance, x = k_ * r;
    const double across = std::sqrt(std::max(4 * (1 + x * x), x * x * x * x - x * x + 1));
    const double sum = std::accumulate(moments_.begin(), moments_.end(), 0.0);
    const double e = sum * across / (omegaEpsilon_ * r * r * r);
    const double h = sum * std::sqrt(1 + x * x) / (r * r);
    return std::max(e / limits_.e, h / limits_.h) * (1 + kRoundingMargin);
}

} // namespace kvarn
