// Times drawing a field map of 501 x 501 points once its values are known:
// into memory, into PNG, SVG and PDF files (atomic write included), and as
// a page of the printed report.
//
//   kvarn_map_bench [--maps-dir=DIR] [benchmark flags]
//
// With --maps-dir the files stay in DIR for a look; otherwise they go to a
// temporary directory that is removed at the end.

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/synthetic_map.h"
#include "drawing/draw_field_map.h"
#include "drawing/map_file.h"
#include "drawing/report_file.h"

namespace {

using namespace kvarn;

const FieldMap& largeMap() {
    static const FieldMap map = bench::syntheticMap(501);
    return map;
}

std::filesystem::path outputDirectory;

void drawIntoMemory(benchmark::State& state) {
    const PageSize size = defaultPageSize(MapFormat::Png);
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, static_cast<int>(size.width), static_cast<int>(size.height));
    cairo_t* cr = cairo_create(surface);
    for (auto _ : state)
        drawFieldMap(cr, largeMap(), {0, 0, size.width, size.height});
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
BENCHMARK(drawIntoMemory)->Unit(benchmark::kMillisecond);

void writeFile(benchmark::State& state, MapFormat format, const char* name) {
    const std::filesystem::path path = outputDirectory / name;
    for (auto _ : state)
        writeFieldMap(largeMap(), path, format);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK_CAPTURE(writeFile, png, MapFormat::Png, "map.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFile, svg, MapFormat::Svg, "map.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFile, pdf, MapFormat::Pdf, "map.pdf")->Unit(benchmark::kMillisecond);

// A report page of the map as the printed report lays it out: the map, a
// few lines and a table, counted once and drawn once.
void writeReportPage(benchmark::State& state) {
    ReportTable table{{"x (m)", "y (m)", "% of limit"}, {Align::Right, Align::Right}, {}};
    for (int k = 0; k < 10; ++k)
        table.rows.push_back({{std::to_string(k), "0", "100.0"}});
    const ReportDocument document{
        "bench", "bench", {{{ReportMap{largeMap(), 380}, ReportHeading{"points"}, table}}}};
    const std::filesystem::path path = outputDirectory / "report.pdf";
    for (auto _ : state)
        writeReportPdf(document, path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(writeReportPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const std::string flag = "--maps-dir=";
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], flag.c_str(), flag.size()) == 0)
            outputDirectory = argv[i] + flag.size();
        else
            args.push_back(argv[i]);
    }
    const bool keep = !outputDirectory.empty();
    if (!keep) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kvarn-map-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("kvarn_map_bench: temporary directory");
            return 1;
        }
        outputDirectory = pattern;
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!keep) std::filesystem::remove_all(outputDirectory);
    return 0;
}
