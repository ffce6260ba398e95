#include "assessment/assess.h"

#include <memory>
#include <sstream>
#include <vector>

#include "assessment/exposure_sink.h"
#include "assessment/power_chain.h"
#include "control/report.h"
#include "control/table_sinks.h"
#include "field/discretize.h"
#include "field/frequency.h"
#include "field/maximum.h"
#include "field/scan.h"
#include "outputs/csv.h"
#include "outputs/map_titles.h"

namespace kvarn {

namespace {

// The report file of one mode, written as the scan goes: the interactive
// program's header, table and summary for the same input.
struct ReportWriter {
    ReportFile file;
    TextFile stream;
    TableSink table;
    double fmax = 0, xmax = 0, ymax = 0; // as a first pass of the program starts them
    MaximumSink maximum;

    ReportWriter(const ReportHead& head)
        : file{head.height, head.fieldMode, {}}, stream(memoryText(file.text)),
          table(stream, kFileTable, head.fieldMode), maximum(head.fieldMode, fmax, xmax, ymax) {
        writeFileHeader(stream, head);
    }
    void finish() { writeSummaryLine(stream, xmax, ymax, fmax); }
};

BandResult assessBand(const Station& station, const Band& band, const AssessOptions& options,
                      Assessment& all, const std::function<void()>& onRow) {
    BandResult result;
    result.band = band;
    result.feedPower = feedPower(band);
    result.limits = *referenceLevels(station.limits, band.frequency);
    result.map.title = mapTitle(band.frequency, result.feedPower);
    result.map.limitLine = mapLimitLine(station.limits, result.limits);

    const double lambda = wavelength(band.frequency);
    auto table = std::make_unique<ElementTable>();
    const std::uint16_t count = discretizeWire(station.model, station.corners, station.wireLength,
                                               lambda, result.feedPower, *table);
    PointInputs in{table.get(), count, lambda, angularFrequency(band.frequency), 0, 'E'};
    const ModeSet modes = station.reportModes | modeBit('E') | modeBit('M');

    ExposureSink exposure(station, result, options.csv ? &all.csv : nullptr,
                          options.csvDe ? &all.csvDe : nullptr, onRow);
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
            sinks.push_back(&writers.back()->table);
            sinks.push_back(&writers.back()->maximum);
        }
        const ScanOutcome outcome = scanGrid(station.grid, in, {modes, Kernel::fast, 0}, sinks);
        if (outcome.cthStop) {
            std::ostringstream why;
            why << "the angle cosine of element " << outcome.element << " left its range at x "
                << outcome.xp << " m, y " << outcome.yp << " m, height " << height << " m";
            result.stop = why.str();
            return result;
        }
        for (auto& w : writers) {
            w->finish();
            result.reports.push_back(std::move(w->file));
        }
    }
    exposure.finish();
    result.complies = result.e.percent <= 100 && result.h.percent <= 100;
    result.highestPower =
        highestCompliantPower(band.power, std::max(result.e.percent, result.h.percent));
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
    for (const Band& band : station.bands) {
        all.bands.push_back(assessBand(station, band, options, all, onRow));
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
