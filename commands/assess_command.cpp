#include "commands/assess_command.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

#include "assessment/assess.h"
#include "assessment/site_assessment.h"
#include "base/removal_on_signal.h"
#include "commands/complaints.h"
#include "commands/exit_status.h"
#include "drawing/map_file.h"
#include "drawing/plan_file.h"
#include "drawing/report_file.h"
#include "outputs/csv.h"
#include "outputs/file_names.h"
#include "outputs/file_outputs.h"
#include "outputs/map_titles.h"
#include "outputs/output_directory.h"
#include "outputs/progress_bar.h"
#include "outputs/report_content.h"
#include "outputs/result_table.h"
#include "outputs/site_drawings.h"
#include "outputs/site_table.h"
#include "outputs/summary_json.h"

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

// Colour on the terminal only, and only where it can show: not under
// NO_COLOR, not on a terminal that says it is dumb.
bool colourWanted() {
    const char* term = std::getenv("TERM");
    return ::isatty(STDOUT_FILENO) && std::getenv("NO_COLOR") == nullptr &&
           !(term != nullptr && std::strcmp(term, "dumb") == 0);
}

// Every drawing is written in each of these formats.
struct DrawingFormat {
    MapFormat format;
    const char* extension;
};
constexpr DrawingFormat kFormats[] = {
    {MapFormat::Png, "png"}, {MapFormat::Svg, "svg"}, {MapFormat::Pdf, "pdf"}};

// The band's map in every format, into the directory beside the reports.
void writeMaps(const Station& station, const BandResult& b, OutputDirectory& dir) {
    for (const DrawingFormat& f : kFormats) {
        WrittenFile file;
        file.name = mapFileName(fileStem(station), bandTag(station, b.index), f.extension);
        file.kind = "map";
        file.frequency = b.band.frequency;
        file.band = b.index + 1;
        dir.writeWith(
            file, [&](const std::filesystem::path& path) { writeFieldMap(b.map, path, f.format); });
    }
}

// The zone drawn from above and from the side, for the station and each
// band, in every format.
void writeZoneDrawings(const Station& station, const Assessment& assessment, OutputDirectory& dir) {
    const SitePlan plan = stationPlan(station, assessment);
    for (const DrawingFormat& f : kFormats)
        dir.writeWith(
            {fileStem(station) + "_plan." + f.extension, "plan", {}, {}, {}, {}},
            [&](const std::filesystem::path& path) { writeSitePlan(plan, path, f.format); });
    for (const BandResult& b : assessment.bands) {
        if (!b.stop.empty() || !b.zone.problem.empty()) continue;
        const std::string stem = fileStem(station) + "_" + bandTag(station, b.index);
        const SitePlan band = bandPlan(station, b);
        const SideView alongX = bandSideView(station, b, SideAxis::alongX);
        const SideView alongY = bandSideView(station, b, SideAxis::alongY);
        for (const DrawingFormat& f : kFormats) {
            const std::string ext = f.extension;
            dir.writeWith(
                {stem + "_plan." + ext, "plan", b.band.frequency, {}, {}, b.index + 1},
                [&](const std::filesystem::path& path) { writeSitePlan(band, path, f.format); });
            dir.writeWith(
                {stem + "_side_x." + ext, "side view", b.band.frequency, {}, {}, b.index + 1},
                [&](const std::filesystem::path& path) { writeSideView(alongX, path, f.format); });
            dir.writeWith(
                {stem + "_side_y." + ext, "side view", b.band.frequency, {}, {}, b.index + 1},
                [&](const std::filesystem::path& path) { writeSideView(alongY, path, f.format); });
        }
    }
}

// Every file of one antenna that is written once its bands are done.
void writeAntennaFiles(const Station& station, const Assessment& assessment,
                       const AssessRequest& request, OutputDirectory& dir) {
    if (!request.maps) return;
    for (const BandResult& b : assessment.bands)
        if (b.stop.empty() && station.hasGrid) writeMaps(station, b, dir);
    writeZoneDrawings(station, assessment, dir);
}

// The site's zone, of every antenna, from above and from the side.
void writeSiteDrawings(const Installation& installation, const SiteAssessment& all,
                       OutputDirectory& dir) {
    const std::string stem = installation.first().title + "_site";
    const SitePlan plan = sitePlan(installation, all);
    const SideView alongX = siteSideView(installation, all, SideAxis::alongX);
    const SideView alongY = siteSideView(installation, all, SideAxis::alongY);
    for (const DrawingFormat& f : kFormats) {
        const std::string e = f.extension;
        dir.writeWith(
            {stem + "_plan." + e, "plan", {}, {}, {}, {}},
            [&](const std::filesystem::path& path) { writeSitePlan(plan, path, f.format); });
        dir.writeWith(
            {stem + "_side_x." + e, "side view", {}, {}, {}, {}},
            [&](const std::filesystem::path& path) { writeSideView(alongX, path, f.format); });
        dir.writeWith(
            {stem + "_side_y." + e, "side view", {}, {}, {}, {}},
            [&](const std::filesystem::path& path) { writeSideView(alongY, path, f.format); });
    }
}

// What is written once every band is done: the maps and drawings, the
// places, the printed report, and last the summary.
void writeResults(const Installation& installation, const SiteAssessment& all,
                  const AssessRequest& request, OutputDirectory& dir) {
    const Station& first = installation.first();
    if (!first.places.empty()) {
        if (request.csv)
            dir.write({"places.csv", "places", {}, {}, {}, {}}, placesCsv(installation, all, kCsv));
        if (request.csvDe)
            dir.write({"places_de.csv", "places", {}, {}, {}, {}},
                      placesCsv(installation, all, kCsvDe));
    }
    for (std::size_t k = 0; k < all.antennas.size(); ++k)
        writeAntennaFiles(installation.antennas[k], all.antennas[k], request, dir);
    if (request.maps && installation.antennas.size() > 1 && all.site.zone.problem.empty())
        writeSiteDrawings(installation, all, dir);
    if (request.maps && all.site.simultaneous && first.hasGrid) {
        const FieldMap map = siteMap(installation, all);
        for (const DrawingFormat& f : kFormats)
            dir.writeWith(
                {first.title + "_site_map." + f.extension, "map", {}, {}, {}, {}},
                [&](const std::filesystem::path& path) { writeFieldMap(map, path, f.format); });
    }
    if (request.pdf) {
        const ReportDocument report =
            reportDocument(installation, all, {request.stationPath, today()});
        dir.writeWith({"report.pdf", "document", {}, {}, {}, {}},
                      [&](const std::filesystem::path& path) { writeReportPdf(report, path); });
    }
    // Last, so that it lists every other file that was written; and only
    // when all of them were, so that its presence vouches for the run.
    if (!dir.failures().empty()) return;
    std::vector<WrittenFile> files = dir.written();
    files.push_back({OutputDirectory::kSummaryName, "summary", {}, {}, {}, {}});
    dir.write(files.back(), summaryJson(installation, all, files));
}

// The verdict in one line, for when the files that would hold it failed.
std::string verdictLine(const SiteAssessment& all) {
    if (all.stopped) return "the computation stopped on some band";
    return all.complies ? "every band complies" : "some band does not comply";
}

} // namespace

int runAssess(const AssessRequest& request) {
    // A file grown beyond `ulimit -f` is a failed write, reported as such,
    // not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    removeFilesOnSignals();

    const std::optional<Installation> read = readStationOrComplain(request.stationPath);
    if (!read) return kStatusBadInput;
    const Installation& installation = *read;
    const bool several = installation.antennas.size() > 1;

    // Everything that can fail about the output is tried before the
    // computation, which may take minutes.
    OutputDirectory dir(request.outDir);
    if (!dir.prepare()) {
        for (const std::string& failure : dir.failures())
            complain(failure);
        return kStatusOutputFailed;
    }

    AssessOptions options;
    options.zoneOutlines = request.maps || request.pdf;
    ProgressBar bar(!request.quiet && ::isatty(STDERR_FILENO));
    options.progress = [&bar](long done, long total) { bar.update(done, total); };
    // The points and the report files are written as they are computed.
    FileOutputs files(dir, request.csv, request.csvDe, several);
    SiteAssessment all = assessInstallation(installation, options, [&](const Station& antenna) {
        files.antennaBegins(antenna);
        return &files;
    });
    bar.update(1, 1, "writing the files");
    files.finish();
    for (std::size_t k = 0; k < all.antennas.size(); ++k)
        titleMaps(all.antennas[k], installation.antennas[k]);
    writeResults(installation, all, request, dir);
    bar.finish();

    bool outputFailed = !dir.failures().empty();
    if (!request.quiet) {
        std::fputs(resultText(installation, all, colourWanted()).c_str(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            complain(std::string("cannot write to standard output: ") + std::strerror(errno));
            outputFailed = true;
        }
    }
    for (const std::string& failure : dir.failures())
        complain(failure);
    if (!dir.failures().empty())
        complain("the output in " + request.outDir +
                 " is incomplete (no summary.json); the assessment itself: " + verdictLine(all));

    if (outputFailed) return kStatusOutputFailed;
    if (all.stopped) return kStatusComputation;
    return all.complies ? kStatusComplies : kStatusExceeds;
}

} // namespace kvarn
