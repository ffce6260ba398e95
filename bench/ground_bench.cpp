// Times the ground's tables: building them for one ground and frequency on
// one and on two threads (once per band), NEC-2's grids alone and with the
// far tables, and
// what the engine asks of them afterwards: a point from NEC-2's tables, one
// from the far tables and one from Norton's form beyond them, each with its
// slopes too; and one direct evaluation of the integrals.
//
//   ./build/ground/kvarn_ground_bench

#include <benchmark/benchmark.h>

#include "ground/sommerfeld_ground.h"

namespace {

using namespace kvarn::ground;

const GroundParameters kAverageSoil{13, 0.005, 14.2};

// NEC-2's grids, which every band builds, and the far tables, which a band
// builds when a field point first lies beyond them.
void BM_BuildTables(benchmark::State& state) {
    for (auto _ : state) {
        const SommerfeldGround ground(kAverageSoil, static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(&ground);
    }
}
BENCHMARK(BM_BuildTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildFarTables(benchmark::State& state) {
    for (auto _ : state) {
        const SommerfeldGround ground(kAverageSoil, static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(&ground.farTables());
    }
}
BENCHMARK(BM_BuildFarTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TablePoint(benchmark::State& state) {
    const SommerfeldGround ground(kAverageSoil, 0);
    double r = 0.01;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ground.fields(r, 0.4));
        r = r < 0.95 ? r + 0.0137 : 0.01;
    }
}
BENCHMARK(BM_TablePoint);

void BM_FarPoint(benchmark::State& state) {
    const SommerfeldGround ground(kAverageSoil, 0);
    double r = 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ground.fields(r, 0.4));
        r = r < 20 ? r + 0.137 : 1.0;
    }
}
BENCHMARK(BM_FarPoint);

void BM_NortonPoint(benchmark::State& state) {
    const SommerfeldGround ground(kAverageSoil, 0);
    double r = 21.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ground.fields(r, 0.4));
        r = r < 100 ? r + 0.137 : 21.0;
    }
}
BENCHMARK(BM_NortonPoint);

void BM_PointWithSlopes(benchmark::State& state) {
    const SommerfeldGround ground(kAverageSoil, 0);
    const double start = state.range(0) / 100.0;
    double r = start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ground.fieldsWithSlopes(r, 0.4));
        r = r < 4 * start ? r + 0.0137 : start;
    }
}
BENCHMARK(BM_PointWithSlopes)->Arg(10)->Arg(100)->Arg(2500);

void BM_DirectIntegrals(benchmark::State& state) {
    const SommerfeldIntegrals integrals(groundConstants(kAverageSoil).epsc);
    for (auto _ : state)
        benchmark::DoNotOptimize(integrals.evaluate(0.43, 0.4));
}
BENCHMARK(BM_DirectIntegrals)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
