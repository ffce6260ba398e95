#include "assessment/mom_model.h"

#include <cmath>
#include <stdexcept>
#include <vector>

#include "assessment/power_chain.h"
#include "station/moment_spec.h"

namespace kvarn {

namespace {

// Points computed at once: a plane is handed over in pieces of whole rows,
// so that memory stays small on any grid while every core has work.
constexpr std::size_t kPiecePoints = 16384;

} // namespace

MomBandModel::MomBandModel(const Station& station, const Band& band, double power) : band_(band) {
    band_.power = power;
    feedPower_ = feedPower(band_);
    solvedFeedPower_ = feedPower_;
    auto analysis = std::make_shared<mom::WireAnalysis>(
        mom::analyseWire(momSpec(station, band.frequency), feedPower_));
    if (!analysis->ok()) throw std::invalid_argument(analysis->reason);
    solved_ = std::move(analysis);
}

MomBandModel::MomBandModel(std::shared_ptr<const mom::WireAnalysis> solved, double solvedFeedPower,
                           double feedPower)
    : solved_(std::move(solved)), solvedFeedPower_(solvedFeedPower), feedPower_(feedPower),
      scale_(std::sqrt(feedPower / solvedFeedPower)) {}

std::optional<FeedFacts> MomBandModel::feed() const {
    const mom::FeedSummary& s = solved_->summary;
    return FeedFacts{s.impedance.real(), s.impedance.imag(), s.swr, s.segments,
                     s.maxCurrentRms * scale_};
}

PlaneOutcome MomBandModel::scanPlane(const GridAxes& axes, double height,
                                     std::span<PlaneSink* const> sinks) {
    for (PlaneSink* s : sinks)
        s->planeBegins(height);
    const std::size_t rowsAtOnce =
        std::max<std::size_t>(1, kPiecePoints / std::max<std::size_t>(1, axes.columns()));
    std::vector<Point3> points;
    std::vector<FieldValue> values;
    for (std::size_t first = 0; first < axes.rows(); first += rowsAtOnce) {
        const std::size_t last = std::min(axes.rows(), first + rowsAtOnce);
        points.clear();
        for (std::size_t r = first; r < last; ++r)
            for (double x : axes.xs)
                points.push_back({x, axes.ys[r], height});
        values.resize(points.size());
        evaluate(points, values);
        std::size_t k = 0;
        for (std::size_t r = first; r < last; ++r) {
            for (PlaneSink* s : sinks)
                s->rowBegins(axes.ys[r]);
            for (double x : axes.xs) {
                const FieldValue& v = values[k++];
                if (v.holds && !(std::isfinite(v.e) && std::isfinite(v.h)))
                    return {false, "a field value was no finite number at x " + std::to_string(x) +
                                       " m, y " + std::to_string(axes.ys[r]) + " m, height " +
                                       std::to_string(height) + " m"};
                for (PlaneSink* s : sinks)
                    s->point({x, axes.ys[r], v});
            }
            for (PlaneSink* s : sinks)
                s->rowEnds(axes.ys[r]);
        }
    }
    return {};
}

void MomBandModel::evaluate(std::span<const Point3> points, std::span<FieldValue> out) const {
    std::vector<mom::Vec3> at(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        at[k] = {points[k].x, points[k].y, points[k].z};
    std::vector<mom::FieldPoint> fields(points.size());
    solved_->field->evaluate(at, fields);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const mom::FieldPoint& f = fields[k];
        out[k] =
            f.holds ? FieldValue{f.eRms * scale_, f.hRms * scale_, true} : FieldValue{0, 0, false};
    }
}

std::unique_ptr<BandFieldModel> MomBandModel::atPower(double transmitterWatts) const {
    Band atPower = band_;
    atPower.power = transmitterWatts;
    return std::unique_ptr<BandFieldModel>(
        new MomBandModel(solved_, solvedFeedPower_, feedPower(atPower)));
}

} // namespace kvarn
