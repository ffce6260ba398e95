#include "assessment/mom_model.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "assessment/dipole_bound.h"
#include "assessment/power_chain.h"
#include "station/moment_spec.h"

namespace kvarn {

namespace {

// Points computed at once: a plane is handed over in pieces of whole rows,
// so that memory stays small on any grid while every core has work.
constexpr std::size_t kPiecePoints = 16384;
constexpr double kSpeedOfLight = 299792458;    // m/s
constexpr double kEpsilon0 = 8.8541878128e-12; // F/m

} // namespace

MomBandModel::MomBandModel(const Station& station, const Band& band, double power)
    : band_(band), overGround_(station.ground != GroundKind::free) {
    band_.power = power;
    feedPower_ = feedPower(band_);
    solvedFeedPower_ = feedPower_;
    auto analysis = std::make_shared<mom::WireAnalysis>(
        mom::analyseWire(momSpec(station, band.frequency), feedPower_));
    if (!analysis->ok()) throw std::invalid_argument(analysis->reason);
    solved_ = std::move(analysis);
}

MomBandModel::MomBandModel(std::shared_ptr<const mom::WireAnalysis> solved, double solvedFeedPower,
                           double feedPower, bool overGround)
    : solved_(std::move(solved)), solvedFeedPower_(solvedFeedPower), feedPower_(feedPower),
      scale_(std::sqrt(feedPower / solvedFeedPower)), overGround_(overGround) {}

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
    fieldsAt(points, out, false);
}

void MomBandModel::evaluateFromBelow(std::span<const Point3> points,
                                     std::span<FieldValue> out) const {
    fieldsAt(points, out, true);
}

void MomBandModel::fieldsAt(std::span<const Point3> points, std::span<FieldValue> out,
                            bool fromBelow) const {
    std::vector<mom::Vec3> at(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        at[k] = {points[k].x, points[k].y, points[k].z};
    std::vector<mom::FieldPoint> fields(points.size());
    if (fromBelow)
        solved_->field->evaluateFromBelow(at, fields);
    else
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
        new MomBandModel(solved_, solvedFeedPower_, feedPower(atPower), overGround_));
}

FieldBound MomBandModel::boundBeyond(double distance) const {
    // Nearer than this a point may not hold, and counts as over the limits.
    if (distance < solved_->field->holdsBeyond()) {
        constexpr double kAny = std::numeric_limits<double>::infinity();
        return {kAny, kAny};
    }
    // Peak moments to RMS, and over 4 pi as the element's fields take them.
    // A point above the ground is at least as far from an image as from its
    // segment, so the images at most double the bound.
    double moments = 0;
    for (double m : solved_->field->currentMomentBounds())
        moments += m;
    moments *= scale_ / std::sqrt(2.0) / (4 * std::numbers::pi) * (overGround_ ? 2 : 1);
    const double lambda = solved_->field->wavelength();
    const double k = 2 * std::numbers::pi / lambda;
    const double omegaEps0 = k * kSpeedOfLight * kEpsilon0;
    return dipoleBound(moments, k, omegaEps0, distance);
}

double MomBandModel::featureLength() const {
    return solved_->field->wavelength() / 4;
}

} // namespace kvarn
