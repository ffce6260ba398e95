// Times the fast sine/cosine and arctangent, and the kernel's forms of them,
// against the C library on the argument mixes of the field model. Each iteration is one call (or
// the sinl + cosl pair), on arguments cycled from a precomputed set.
//
//   ./build/kvarn_trig_bench [--benchmark_repetitions=5 ...]

#include <cmath>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "field/fast_angle.h"
#include "field/fast_trig.h"

namespace {

constexpr std::size_t kArgs = 4096; // a power of two, fits in L1 with the code

enum class Mix { Distance, Angle, Phase, Large, Ratio };

std::vector<long double> makeArgs(Mix mix) {
    std::mt19937_64 g(7);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<long double> v(kArgs);
    for (long double& x : v) {
        switch (mix) {
        case Mix::Distance: { // k r of an element: r to 4000 km, lambda 2.05 to 200 m
            const double r = std::exp(std::log(1e-3) + u(g) * std::log(4e9));
            x = static_cast<double>(static_cast<long double>(r) * 6.28318L / (2.05 + 198 * u(g)));
            break;
        }
        case Mix::Angle:
            x = static_cast<double>(3.14159 * u(g));
            break;
        case Mix::Phase:
            x = (2 * static_cast<long double>(u(g)) - 1) * 3.14159L;
            break;
        case Mix::Large:
            x = std::exp(std::log(2e7) + u(g) * std::log(50.0));
            break;
        case Mix::Ratio: // |y / x| of coordinate differences
            x = std::fabs(static_cast<long double>(u(g) * 2000 - 1000) / (u(g) * 2000 - 1000));
            break;
        }
    }
    return v;
}

template <class F> void run(benchmark::State& state, Mix mix, F f) {
    const std::vector<long double> args = makeArgs(mix);
    std::size_t i = 0;
    for (auto _ : state) {
        auto r = f(args[i++ & (kArgs - 1)]);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

const auto fastSinCos = [](long double x) { return kvarn::sinCos(x); };
// The kernel's forms take doubles, as the mixes' arguments are.
const auto sinCosDouble = [](long double x) { return kvarn::sinCosDouble(static_cast<double>(x)); };
const auto sinCosOfAngleDouble = [](long double x) {
    return kvarn::sinCosOfAngleDouble(static_cast<double>(x));
};
const auto sinCosOfAngleHalves = [](long double x) {
    return kvarn::sinCosOfAngleHalves(static_cast<double>(x));
};
// angle(1, t) of a ratio t: the arctangent with its division and rounding.
const auto fastAngle = [](long double t) { return kvarn::fastAngle(1.0, static_cast<double>(t)); };
const auto libcSinCos = [](long double x) { return kvarn::SinCos{sinl(x), cosl(x)}; };
const auto libcSin = [](long double x) { return sinl(x); };
const auto fastAtan = [](long double t) { return kvarn::arcTan(t); };
const auto libcAtan = [](long double t) { return atanl(t); };

} // namespace

BENCHMARK_CAPTURE(run, SinCos_distance, Mix::Distance, fastSinCos);
BENCHMARK_CAPTURE(run, SinlCosl_distance, Mix::Distance, libcSinCos);
BENCHMARK_CAPTURE(run, SinCosDouble_distance, Mix::Distance, sinCosDouble);
BENCHMARK_CAPTURE(run, Sinl_distance, Mix::Distance, libcSin);
BENCHMARK_CAPTURE(run, SinCos_angle, Mix::Angle, fastSinCos);
BENCHMARK_CAPTURE(run, SinlCosl_angle, Mix::Angle, libcSinCos);
BENCHMARK_CAPTURE(run, SinCosOfAngleDouble_angle, Mix::Angle, sinCosOfAngleDouble);
BENCHMARK_CAPTURE(run, SinCos_phase, Mix::Phase, fastSinCos);
BENCHMARK_CAPTURE(run, SinlCosl_phase, Mix::Phase, libcSinCos);
BENCHMARK_CAPTURE(run, SinCosOfAngleHalves_phase, Mix::Phase, sinCosOfAngleHalves);
BENCHMARK_CAPTURE(run, SinCos_large, Mix::Large, fastSinCos);
BENCHMARK_CAPTURE(run, SinlCosl_large, Mix::Large, libcSinCos);
BENCHMARK_CAPTURE(run, ArcTan_ratio, Mix::Ratio, fastAtan);
BENCHMARK_CAPTURE(run, Atanl_ratio, Mix::Ratio, libcAtan);
BENCHMARK_CAPTURE(run, FastAngle_ratio, Mix::Ratio, fastAngle);

BENCHMARK_MAIN();
