#include "assessment/exact_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "assessment/dipole_bound.h"
#include "assessment/power_chain.h"
#include "field/constants.h"
#include "field/discretize.h"
#include "field/fast_kernel.h"
#include "field/frequency.h"
#include "field/scan.h"
#include "report/report_file_sink.h"

namespace kvarn {

namespace {

constexpr ModeSet kFieldModes = modeBit('E') | modeBit('M');
// Fewer points than this are computed on one thread: starting threads would
// cost more than the points.
constexpr std::size_t kThreadedPoints = 64;

// A point of the kernel as the assessment takes it: H in A/m, not in the
// interactive unit of 10 mA/m.
FieldValue fieldOf(const PointResult& p) {
    return {p.value('E'), static_cast<double>(p.value('M') / 100.0L), !p.tooclose};
}

// Hands the kernel's points to the assessment's sinks.
class PlaneAdapter : public PointSink {
  public:
    explicit PlaneAdapter(std::span<PlaneSink* const> sinks) : sinks_(sinks) {}
    void rowBegins(double yp) override {
        for (PlaneSink* s : sinks_)
            s->rowBegins(yp);
    }
    void point(const PointResult& p) override {
        const PlanePoint point{p.xp, p.yp, fieldOf(p)};
        for (PlaneSink* s : sinks_)
            s->point(point);
    }
    void rowEnds(double yp) override {
        for (PlaneSink* s : sinks_)
            s->rowEnds(yp);
    }

  private:
    std::span<PlaneSink* const> sinks_;
};

std::string stopReason(const ScanOutcome& outcome, double height) {
    std::ostringstream why;
    if (outcome.cthStop)
        why << "the angle cosine of element " << outcome.element << " left its range";
    else
        why << "a field value was no finite number";
    why << " at x " << outcome.xp << " m, y " << outcome.yp << " m, height " << height << " m";
    return why.str();
}

} // namespace

ExactBandModel::ExactBandModel(const Station& station, const Band& band, double power,
                               ReportStreams* reports)
    : station_(station), band_(band), reports_(reports), table_(std::make_unique<ElementTable>()),
      lambda_(wavelength(band.frequency)), omega_(angularFrequency(band.frequency)) {
    band_.power = power;
    feedPower_ = kvarn::feedPower(band_);
    count_ = discretizeWire(exactModel(station.model), station.corners, station.wireLength, lambda_,
                            feedPower_, *table_);
}

PointInputs ExactBandModel::inputs(double height) const {
    return PointInputs{table_.get(), count_, lambda_, omega_, height, 'E'};
}

PlaneOutcome ExactBandModel::scanPlane(const GridAxes& axes, double height,
                                       std::span<PlaneSink* const> sinks) {
    for (PlaneSink* s : sinks)
        s->planeBegins(height);
    PlaneAdapter adapter(sinks);
    std::vector<PointSink*> all{&adapter};
    // The report files of the station's modes, at this height.
    const ModeSet reportModes = reports_ != nullptr ? station_.reportModes : 0;
    std::vector<std::unique_ptr<ReportFileSink>> reports;
    std::vector<char> modes;
    for (char mode : std::string_view(kModeLetters)) {
        if (!hasMode(reportModes, mode)) continue;
        const ReportHead head{mode,   station_.title, feedPower_, band_.frequency, station_.corners,
                              height, station_.grid};
        reports.push_back(std::make_unique<ReportFileSink>(reports_->open(height, mode), head));
        modes.push_back(mode);
        all.push_back(reports.back().get());
    }
    const ScanOutcome outcome =
        scanGrid(axes, inputs(height),
                 {static_cast<ModeSet>(reportModes | kFieldModes), Kernel::fast, 0}, all);
    if (outcome.cthStop || outcome.notFinite) return {false, stopReason(outcome, height)};
    for (std::size_t k = 0; k < reports.size(); ++k) {
        reports[k]->finish();
        reports_->close(height, modes[k]);
    }
    return {};
}

void ExactBandModel::evaluate(std::span<const Point3> points, std::span<FieldValue> out) const {
    // The kernel takes the height of its points from its inputs: points of
    // equal height share one model, and each thread takes a run of the
    // points in height order, each point computed whole by one of them.
    std::vector<std::size_t> order(points.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return points[a].z < points[b].z; });
    auto run = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last;) {
            const double z = points[order[i]].z;
            const FastModel model(inputs(z), kFieldModes);
            for (; i < last && points[order[i]].z == z; ++i) {
                const ComputedPoint p = model.point(points[order[i]].x, points[order[i]].y);
                out[order[i]] = p.cthElement != 0 ? FieldValue{0, 0, false} : fieldOf(p.result);
            }
        }
    };
    const std::size_t n = points.size();
    const std::size_t threads = n < kThreadedPoints ? 1 : std::min<std::size_t>(scanThreads(), n);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(run, n * t / threads, n * (t + 1) / threads);
    run(0, n / threads);
}

FieldBound ExactBandModel::boundBeyond(double distance) const {
    // Within 2.1 m of an element centre (on the wire) a point does not
    // hold, and counts as over the limits.
    if (distance <= static_cast<double>(kTooClose) * (1 + 1e-9)) {
        constexpr double kAny = std::numeric_limits<double>::infinity();
        return {kAny, kAny};
    }
    // The elements are the short current elements of the bound, each of
    // moment current * length over the program's 4 pi, with the program's
    // own constants.
    double moments = 0;
    for (std::size_t i = 1; i <= count_; ++i) {
        const AntennaElement& e = (*table_)[i];
        moments += std::abs(e.current * e.length) / static_cast<double>(kFourPi);
    }
    return dipoleBound(moments, static_cast<double>(kTwoPi) / lambda_,
                       omega_ * static_cast<double>(kEpsilon0), distance);
}

double ExactBandModel::featureLength() const {
    return std::min(lambda_,
                    modelWavelength(exactModel(station_.model), lambda_, station_.wireLength)) /
           4;
}

std::unique_ptr<BandFieldModel> ExactBandModel::atPower(double transmitterWatts) const {
    return std::make_unique<ExactBandModel>(station_, band_, transmitterWatts);
}

} // namespace kvarn
