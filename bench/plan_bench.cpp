// Times drawing the site plan of a station of six bands whose zone outlines
// have the corners a 5 cm raster gives them (some 3000 each), into memory,
// into PNG, SVG and PDF files, and in the printed report with two side views.
//
//   kvarn_plan_bench [benchmark flags]

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <unistd.h>

#include "drawing/draw_site_plan.h"
#include "drawing/plan_file.h"
#include "drawing/report_file.h"

namespace {

using namespace kvarn;

constexpr double kCell = 0.05; // m: the raster's cell, and so the outline's step

// The outline of all points within `r` of the wire from (0, 0) to (40, 0),
// one corner every kCell along it, rounded to the raster's cells.
std::vector<PlanPoint> stadium(double r) {
    std::vector<PlanPoint> points;
    const double half = std::numbers::pi * r;
    const double length = 2 * 40 + 2 * half;
    for (double s = 0; s < length; s += kCell) {
        PlanPoint p;
        if (s < 40) {
            p = {s, -r};
        } else if (s < 40 + half) {
            const double a = -std::numbers::pi / 2 + (s - 40) / r;
            p = {40 + r * std::cos(a), r * std::sin(a)};
        } else if (s < 80 + half) {
            p = {40 - (s - 40 - half), r};
        } else {
            const double a = std::numbers::pi / 2 + (s - 80 - half) / r;
            p = {r * std::cos(a), r * std::sin(a)};
        }
        points.push_back({std::round(p.x / kCell) * kCell, std::round(p.y / kCell) * kCell});
    }
    return points;
}

const SitePlan& stationPlan() {
    static const SitePlan plan = [] {
        SitePlan p;
        p.title = "Site plan: all bands";
        p.subtitle = "bench";
        p.boundary = {{-15, -20}, {55, -20}, {55, 20}, {-15, 20}};
        p.north = 30;
        p.wire = {{0, 0, 10}, {40, 0, 10}};
        p.feed = WirePoint{20, 0, 10};
        for (int band = 0; band < 6; ++band)
            p.zones.push_back({"band " + std::to_string(band),
                               {{stadium(2.0 + band)}},
                               {{stadium(0.5 + 0.3 * band)}},
                               band == 5});
        for (int k = 0; k < 5; ++k)
            p.places.push_back({"place " + std::to_string(k), -10.0 + 12 * k, 15, 2, k == 2});
        p.margin = {{{20, -7}, {20, -20}}};
        p.marginValue = 13;
        return p;
    }();
    return plan;
}

SideView sideView(SideAxis axis) {
    SideView v;
    v.title = "Side view";
    v.axis = axis;
    v.plotExtent = std::pair{-15.0, 55.0};
    v.zone.resize(1);
    for (const PlanPoint& q : stadium(7))
        v.zone[0].push_back({q.x, std::max(0.0, q.y + 10)});
    v.wire = {{0, 10}, {40, 10}};
    return v;
}

std::filesystem::path outputDirectory;

void drawIntoMemory(benchmark::State& state) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1600, 1100);
    cairo_t* cr = cairo_create(surface);
    for (auto _ : state)
        drawSitePlan(cr, stationPlan(), {0, 0, 1600, 1100});
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
BENCHMARK(drawIntoMemory)->Unit(benchmark::kMillisecond);

void writeFile(benchmark::State& state, MapFormat format, const char* name) {
    const std::filesystem::path path = outputDirectory / name;
    for (auto _ : state)
        writeSitePlan(stationPlan(), path, format);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK_CAPTURE(writeFile, png, MapFormat::Png, "plan.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFile, svg, MapFormat::Svg, "plan.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeFile, pdf, MapFormat::Pdf, "plan.pdf")->Unit(benchmark::kMillisecond);

void writeReport(benchmark::State& state) {
    const ReportDocument document{
        "bench",
        "bench",
        {{{ReportSitePlan{stationPlan(), 520}, ReportSideView{sideView(SideAxis::alongX), 380},
           ReportSideView{sideView(SideAxis::alongY), 380}}}}};
    const std::filesystem::path path = outputDirectory / "report.pdf";
    for (auto _ : state)
        writeReportPdf(document, path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(writeReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kvarn-plan-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("kvarn_plan_bench: temporary directory");
        return 1;
    }
    outputDirectory = pattern;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(outputDirectory);
    return 0;
}
