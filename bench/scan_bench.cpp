// The scan's speed in element-points per second: reference against fast
// kernel, one thread against all, per mode, and the whole scan of an 800 m
// wire: corners (0, 0, 10), (400, 0, 10), (400, 400, 10), 3.65 MHz, 100 W,
// 101 x 101 points from x -50 to 450 and y 450 down to -50 by 5 m, height
// 2 m, total E, maximum only.
//
//   make bench      or      ./build/kvarn_scan_bench --benchmark_filter=Whole

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "field/discretize.h"
#include "field/frequency.h"
#include "field/scan.h"
#include "field/wire_length.h"
#include "report/maximum_sink.h"

namespace {

using namespace kvarn;

struct Wire {
    ElementTable elements;
    PointInputs in;
    Grid grid{-50, 450, -50, 450, 5};

    explicit Wire(char mode) {
        const std::vector<CornerPoint> corners{{0, 0, 10}, {400, 0, 10}, {400, 400, 10}};
        const double lambda = wavelength(3.65);
        const std::uint16_t count = discretizeWire(AntennaModel::standingWave, corners,
                                                   wireLength(corners), lambda, 100, elements);
        in = {&elements, count, lambda, angularFrequency(3.65), 2.0, mode};
    }
};

// Counts the points it is handed and keeps the maximum.
struct Maximum : PointSink {
    double fmax = 0, xmax = 0, ymax = 0;
    long points = 0;
    MaximumSink sink;
    explicit Maximum(char mode) : sink(mode, fmax, xmax, ymax) {}
    void point(const PointResult& p) override {
        sink.point(p);
        ++points;
    }
};

// Runs the scan of the grid; counts element-points.
void runScan(benchmark::State& state, const Wire& wire, const Grid& grid, Kernel kernel,
             unsigned threads) {
    double elementPoints = 0;
    for (auto _ : state) {
        Maximum maximum(wire.in.fieldMode);
        PointSink* sinks[] = {&maximum};
        scanGrid(grid, wire.in, {modeBit(wire.in.fieldMode), kernel, threads}, sinks);
        benchmark::DoNotOptimize(maximum.fmax);
        elementPoints += static_cast<double>(maximum.points) * wire.in.elementCount;
    }
    state.counters["element-points/s"] =
        benchmark::Counter(elementPoints, benchmark::Counter::kIsRate);
}

std::string label(char mode, Kernel kernel, unsigned threads) {
    return std::string(1, mode) + (kernel == Kernel::fast ? " fast" : " reference") +
           (threads == 1 ? ", 1 thread" : ", " + std::to_string(threads) + " threads");
}

// A part of the grid, 11 x 11 points, enough for a steady rate.
void ElementPoints(benchmark::State& state) {
    const char mode = kModeLetters[state.range(0)];
    const Kernel kernel = state.range(1) == 0 ? Kernel::reference : Kernel::fast;
    const unsigned threads = state.range(2) == 0 ? 1 : scanThreads();
    const Wire wire(mode);
    state.SetLabel(label(mode, kernel, threads));
    runScan(state, wire, {150, 200, 0, 50, 5}, kernel, threads);
}
BENCHMARK(ElementPoints)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void WholeScan800m(benchmark::State& state) {
    const Kernel kernel = state.range(0) == 0 ? Kernel::reference : Kernel::fast;
    const unsigned threads = state.range(1) == 0 ? 1 : scanThreads();
    const Wire wire('E');
    state.SetLabel(label('E', kernel, threads));
    runScan(state, wire, wire.grid, kernel, threads);
}
BENCHMARK(WholeScan800m)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
