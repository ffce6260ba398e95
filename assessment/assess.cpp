#include "assessment/assess.h"

#include <limits>
#include <vector>

#include "assessment/exact_model.h"
#include "assessment/highest_power.h"
#include "assessment/map_sink.h"
#include "assessment/mom_model.h"
#include "assessment/peak_sink.h"
#include "assessment/power_chain.h"
#include "assessment/shares.h"
#include "assessment/zone_of_band.h"

namespace kvarn {

namespace {

// Counts the rows of every plane for the progress.
class ProgressSink : public PlaneSink {
  public:
    explicit ProgressSink(std::function<void()> onRow) : onRow_(std::move(onRow)) {}
    void point(const PlanePoint&) override {}
    void rowEnds(double) override { onRow_(); }

  private:
    std::function<void()> onRow_;
};

// The field at every named place.
std::vector<PlaceResult> placesOfBand(const Station& station, const BandFieldModel& model,
                                      const ReferenceLevels& limits) {
    std::vector<Point3> points;
    for (const Place& p : station.places)
        points.push_back({p.x, p.y, p.z});
    std::vector<FieldValue> values(points.size());
    model.evaluate(points, values);
    std::vector<PlaceResult> places;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Shares shares = sharesOf(values[k], limits);
        places.push_back({station.places[k].name, points[k], values[k], shares.e, shares.h,
                          !values[k].holds || shares.over()});
    }
    return places;
}

// Whether a band complies: with a site, its zone lies in the controllable
// area and keeps a margin from the boundary; without one, no point of the
// grid exceeds a limit and none is too close to assess.
bool bandComplies(const Station& station, const BandResult& b) {
    if (station.plot())
        return b.zone.problem.empty() && b.area && b.area->inside &&
               (!b.area->margin || *b.area->margin > 0);
    return b.e.percent <= 100 && b.h.percent <= 100 && b.tooClosePoints == 0;
}

BandResult assessBand(const Station& station, std::size_t index, const GridAxes& axes,
                      const AssessOptions& options, AssessmentOutputs& outputs,
                      const std::function<void()>& onRow) {
    const Band& band = station.bands[index];
    BandResult result;
    result.band = band;
    result.index = index;
    result.feedPower = feedPower(band);
    result.limits = *referenceLevels(station.limits, band.frequency);
    outputs.bandBegins(result);

    const ModelMaker& makeModel = options.model ? options.model : bandModel;
    std::unique_ptr<BandFieldModel> model = makeModel(station, band, outputs.reports());
    result.feed = model->feed();
    PeakSink peaks(result);
    MapSink map(result, axes, station.grid.step, station.corners);
    ProgressSink progress(onRow);
    std::vector<PlaneSink*> sinks{&peaks, &map, &progress};
    if (PlaneSink* points = outputs.points()) sinks.push_back(points);

    for (double height : station.hasGrid ? station.heights : std::vector<double>{}) {
        const PlaneOutcome outcome = model->scanPlane(axes, height, sinks);
        if (!outcome.complete) {
            result.stop = outcome.stop;
            outputs.bandStopped(result);
            return result;
        }
    }
    peaks.finish();
    map.finish();
    result.highestPower =
        station.hasGrid
            ? findHighestPower(*model, band, result.limits, axes, station.heights,
                               std::max(result.e.percent, result.h.percent), peaks.highest())
                  .watts
            : std::numeric_limits<double>::quiet_NaN();
    BandZone zone = zoneOfBand(station, *model, result.limits, options.zoneOutlines);
    result.zone = std::move(zone.zone);
    result.area = zone.area;
    result.places = placesOfBand(station, *model, result.limits);
    // A point the model cannot assess may be over the limits: it counts so.
    result.complies = bandComplies(station, result);
    outputs.bandEnds(result);
    if (options.keepModel) options.keepModel(index, std::move(model));
    return result;
}

} // namespace

std::unique_ptr<BandFieldModel> bandModel(const Station& station, const Band& band,
                                          ReportStreams* reports) {
    if (station.model == ModelKind::methodOfMoments)
        return std::make_unique<MomBandModel>(station, band, band.power);
    return std::make_unique<ExactBandModel>(station, band, band.power, reports);
}

Assessment assessStation(const Station& station, const AssessOptions& options,
                         AssessmentOutputs* outputs) {
    AssessmentOutputs none;
    AssessmentOutputs& out = outputs != nullptr ? *outputs : none;
    const GridAxes axes = station.hasGrid ? layGrid(station.grid) : GridAxes{};
    const long total =
        static_cast<long>(station.bands.size() * station.heights.size() * axes.rows());
    long done = 0;
    const std::function<void()> onRow = [&] {
        ++done;
        if (options.progress) options.progress(done, total);
    };
    Assessment all;
    for (std::size_t k = 0; k < station.bands.size(); ++k) {
        all.bands.push_back(assessBand(station, k, axes, options, out, onRow));
        const BandResult& b = all.bands.back();
        if (!b.stop.empty()) {
            all.stopped = true;
            continue;
        }
        all.complies = all.complies && b.complies;
        const ZoneResult& z = b.zone;
        all.safetyDistance = std::max(all.safetyDistance, z.safetyDistance.value);
        all.horizontalDistance = std::max(all.horizontalDistance, z.horizontalDistance.value);
        if (!z.empty && (!all.lowest || z.lowest.value < *all.lowest)) all.lowest = z.lowest.value;
        if (b.area) {
            all.insideArea = all.insideArea && b.area->inside;
            if (b.area->margin && (!all.margin || *b.area->margin < *all.margin))
                all.margin = b.area->margin;
        }
    }
    return all;
}

} // namespace kvarn
