#include "assessment/assess.h"

#include <vector>

#include "assessment/exact_model.h"
#include "assessment/highest_power.h"
#include "assessment/map_sink.h"
#include "assessment/mom_model.h"
#include "assessment/peak_sink.h"
#include "assessment/power_chain.h"
#include "assessment/safety_sink.h"

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

BandResult assessBand(const Station& station, std::size_t index, const GridAxes& axes,
                      const ModelMaker& makeModel, AssessmentOutputs& outputs,
                      const std::function<void()>& onRow) {
    const Band& band = station.bands[index];
    BandResult result;
    result.band = band;
    result.index = index;
    result.feedPower = feedPower(band);
    result.limits = *referenceLevels(station.limits, band.frequency);
    outputs.bandBegins(result);

    const std::unique_ptr<BandFieldModel> model = makeModel(station, band, outputs.reports());
    result.feed = model->feed();
    PeakSink peaks(result);
    SafetyDistanceSink safety(result, station.corners, axes);
    MapSink map(result, axes, station.grid.step, station.corners);
    ProgressSink progress(onRow);
    std::vector<PlaneSink*> sinks{&peaks, &safety, &map, &progress};
    if (PlaneSink* points = outputs.points()) sinks.push_back(points);

    for (double height : station.heights) {
        const PlaneOutcome outcome = model->scanPlane(axes, height, sinks);
        if (!outcome.complete) {
            result.stop = outcome.stop;
            outputs.bandStopped(result);
            return result;
        }
    }
    peaks.finish();
    map.finish();
    // A point the model cannot assess may be over the limits: it counts so.
    result.complies =
        result.e.percent <= 100 && result.h.percent <= 100 && result.tooClosePoints == 0;
    result.highestPower =
        findHighestPower(*model, band, result.limits, axes, station.heights,
                         std::max(result.e.percent, result.h.percent), peaks.highest())
            .watts;
    outputs.bandEnds(result);
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
    const GridAxes axes = layGrid(station.grid);
    const long total =
        static_cast<long>(station.bands.size() * station.heights.size() * axes.rows());
    long done = 0;
    const std::function<void()> onRow = [&] {
        ++done;
        if (options.progress) options.progress(done, total);
    };
    Assessment all;
    for (std::size_t k = 0; k < station.bands.size(); ++k) {
        all.bands.push_back(
            assessBand(station, k, axes, options.model ? options.model : bandModel, out, onRow));
        const BandResult& b = all.bands.back();
        if (!b.stop.empty()) {
            all.stopped = true;
            continue;
        }
        all.complies = all.complies && b.complies;
        if (b.safetyDistance > all.safetyDistance) all.safetyDistance = b.safetyDistance;
        all.zoneOnEdge = all.zoneOnEdge || b.zoneOnEdge;
    }
    return all;
}

} // namespace kvarn
