#include "commands/assess_command.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

#include "assessment/assess.h"
#include "commands/exit_status.h"
#include "drawing/map_file.h"
#include "drawing/report_file.h"
#include "outputs/file_names.h"
#include "outputs/output_directory.h"
#include "outputs/progress_bar.h"
#include "outputs/report_content.h"
#include "outputs/result_table.h"
#include "outputs/summary_json.h"
#include "station/station_reader.h"

namespace kvarn {

namespace {

// Today in the local time zone, "2024-05-01".
std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (::localtime_r(&now, &local) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// The band's map in every format, into the directory beside the reports.
void writeMaps(const Station& station, const BandResult& b, OutputDirectory& dir) {
    const struct {
        MapFormat format;
        const char* extension;
    } formats[] = {{MapFormat::Png, "png"}, {MapFormat::Svg, "svg"}, {MapFormat::Pdf, "pdf"}};
    for (const auto& f : formats) {
        WrittenFile file;
        file.name = mapFileName(station.title, b.band.frequency, f.extension);
        file.kind = "map";
        file.frequency = b.band.frequency;
        dir.writeWith(
            file, [&](const std::filesystem::path& path) { writeFieldMap(b.map, path, f.format); });
    }
}

void writeResults(const Station& station, const Assessment& assessment,
                  const AssessRequest& request, OutputDirectory& dir) {
    for (const BandResult& b : assessment.bands) {
        if (!b.stop.empty()) continue; // its tables are incomplete
        for (const ReportFile& r : b.reports)
            dir.write({reportFileName(station.title, b.band.frequency, r.height, r.mode), "report",
                       b.band.frequency, r.height, r.mode},
                      r.text);
    }
    if (request.csv) dir.write({"points.csv", "points", {}, {}, {}}, assessment.csv);
    if (request.csvDe) dir.write({"points_de.csv", "points", {}, {}, {}}, assessment.csvDe);
    if (request.maps)
        for (const BandResult& b : assessment.bands)
            if (b.stop.empty()) writeMaps(station, b, dir);
    if (request.pdf) {
        const ReportDocument report =
            reportDocument(station, assessment, {request.stationPath, today()});
        dir.writeWith({"report.pdf", "document", {}, {}, {}},
                      [&](const std::filesystem::path& path) { writeReportPdf(report, path); });
    }
    // Last, so that it lists every other file that was written.
    std::vector<WrittenFile> files = dir.written();
    files.push_back({"summary.json", "summary", {}, {}, {}});
    dir.write(files.back(), summaryJson(station, assessment, files));
}

} // namespace

int runAssess(const AssessRequest& request) {
    Station station;
    try {
        station = readStation(request.stationPath);
    } catch (const StationError& e) {
        for (const std::string& fault : e.faults())
            std::fprintf(stderr, "kvarn: %s\n", fault.c_str());
        return kStatusBadInput;
    }

    OutputDirectory dir(request.outDir);
    if (!dir.prepare()) {
        for (const std::string& failure : dir.failures())
            std::fprintf(stderr, "kvarn: %s\n", failure.c_str());
        return kStatusOutputFailed;
    }

    AssessOptions options;
    options.csv = request.csv;
    options.csvDe = request.csvDe;
    ProgressBar bar(!request.quiet && ::isatty(STDERR_FILENO));
    options.progress = [&bar](long done, long total) { bar.update(done, total); };
    const Assessment assessment = assessStation(station, options);
    bar.finish();

    writeResults(station, assessment, request, dir);

    if (!request.quiet) {
        const bool colour = ::isatty(STDOUT_FILENO) && std::getenv("NO_COLOR") == nullptr;
        std::fputs(resultTable(station, assessment, colour).c_str(), stdout);
        std::fflush(stdout);
    }
    for (const std::string& failure : dir.failures())
        std::fprintf(stderr, "kvarn: %s\n", failure.c_str());

    if (!dir.failures().empty()) return kStatusOutputFailed;
    if (assessment.stopped) return kStatusComputation;
    return assessment.complies ? kStatusComplies : kStatusExceeds;
}

} // namespace kvarn
