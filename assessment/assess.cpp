#include "assessment/assess.h"

#include <memory>
#include <sstream>
#include <vector>

#include "assessment/band_model.h"
#include "assessment/exposure_sink.h"
#include "assessment/highest_power.h"
#include "assessment/power_chain.h"
#include "field/scan.h"
#include "outputs/csv.h"
#include "outputs/map_titles.h"
#include "report/report_file_sink.h"

namespace kvarn {

namespace {

// The report file of one mode, written as the scan goes: the interactive
// program's header, table and summary for the same input.
struct ReportWriter {
    ReportFile file;
    StringStream stream;
    ReportFileSink sink;

    explicit ReportWriter(const ReportHead& head)
        : file{head.height, head.fieldMode, {}}, stream(file.text), sink(stream, head) {}
    void finish() { sink.finish(); }
};

// Why a scan stopped, in words.
std::string stopReason(const ScanOutcome& outcome, double height) {
    std::ostringstream why;
    if (outcome.cthStop)
        why << "the angle cosine of element " << outcome.element << " left its range";
    else
        why << "a field value was no finite number";
    why << " at x " << outcome.xp << " m, y " << outcome.yp << " m, height " << height << " m";
    return why.str();
}

BandResult assessBand(const Station& station, std::size_t index, const AssessOptions& options,
                      Assessment& all, const std::function<void()>& onRow) {
    const Band& band = station.bands[index];
    BandResult result;
    result.band = band;
    result.index = index;
    result.feedPower = feedPower(band);
    result.limits = *referenceLevels(station.limits, band.frequency);
    result.map.title = mapTitle(band.frequency, result.feedPower);
    result.map.limitLine = mapLimitLine(station.limits, result.limits);

    const BandModel model(station, band, band.power);
    PointInputs in = model.inputs(0);
    const ModeSet modes = station.reportModes | modeBit('E') | modeBit('M');

    ExposureSink exposure(station, result, options.csv ? &all.csv : nullptr,
                          options.csvDe ? &all.csvDe : nullptr, onRow);
    // A band that stops leaves no rows in the points files.
    const std::size_t csvBefore = all.csv.size(), csvDeBefore = all.csvDe.size();
    for (double height : station.heights) {
        in.height = height;
        exposure.startHeight(height);
        std::vector<std::unique_ptr<ReportWriter>> writers;
        std::vector<PointSink*> sinks{&exposure};
        for (char mode : std::string_view(kModeLetters)) {
            if (!hasMode(station.reportModes, mode)) continue;
            const ReportHead head{mode,           station.title,   result.feedPower,
                                  band.frequency, station.corners, height,
                                  station.grid};
            writers.push_back(std::make_unique<ReportWriter>(head));
            sinks.push_back(&writers.back()->sink);
        }
        const ScanOutcome outcome = scanGrid(station.grid, in, {modes, Kernel::fast, 0}, sinks);
        if (outcome.cthStop || outcome.notFinite) {
            result.stop = stopReason(outcome, height);
            all.csv.resize(csvBefore);
            all.csvDe.resize(csvDeBefore);
            return result;
        }
        for (auto& w : writers) {
            w->finish();
            result.reports.push_back(std::move(w->file));
        }
    }
    exposure.finish();
    // A point the model cannot assess may be over the limits: it counts so.
    result.complies =
        result.e.percent <= 100 && result.h.percent <= 100 && result.tooClosePoints == 0;
    result.highestPower =
        findHighestPower(station, band, result.limits, std::max(result.e.percent, result.h.percent),
                         exposure.highest())
            .watts;
    return result;
}

} // namespace

Assessment assessStation(const Station& station, const AssessOptions& options) {
    Assessment all;
    if (options.csv) all.csv = csvHeader(kCsv);
    if (options.csvDe) all.csvDe = csvHeader(kCsvDe);
    const long total =
        static_cast<long>(station.bands.size() * station.heights.size()) * gridRows(station.grid);
    long done = 0;
    const std::function<void()> onRow = [&] {
        ++done;
        if (options.progress) options.progress(done, total);
    };
    for (std::size_t k = 0; k < station.bands.size(); ++k) {
        all.bands.push_back(assessBand(station, k, options, all, onRow));
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
