// The method-of-moments engine over a real ground, one band: the 40 m
// dipole 10 m up, (0,0,10) - (40,0,10), centre-fed on 3.65 MHz over average
// soil (eps_r 13, 0.005 S/m), 80 segments; E and H on 61 x 21 points 1 m
// apart (x -10 to 50, y -10 to 10) at 0.5, 1.5 and 2 m. Each stage is
// timed: the ground's tables (built once per band), the matrix fill, the
// solve and the near field; beside it nec2c runs the same deck (GN 2, NE
// and NH cards) in the same run. Both are run three times, alternately, and
// the best of each counts, so that other work on the machine weighs on
// both alike. The processor time of each (all of kvarn's threads, nec2c's
// child process) is printed beside: it does not depend on what else runs.
//
//   make bench      or      ./build/kvarn_real_ground_bench [threads]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "mom/basis.h"
#include "mom/matrix.h"
#include "mom/near_field.h"
#include "mom/real_ground.h"
#include "mom/solver.h"
#include "mom/threads.h"
#include "mom/wire.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace kvarn::mom;

constexpr int kRuns = 3;
constexpr double kHeights[] = {0.5, 1.5, 2.0}; // m

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

struct Times {
    double tables = 0, fill = 0, solve = 0, field = 0;
    double processor = 0; // s of processor time, all threads
    double all() const { return tables + fill + solve + field; }
};

// Processor time of the finished children so far, s.
double childrenSeconds() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           1e-6 * static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

struct Result {
    Times times;
    Complex impedance;
    double maxE = 0, maxH = 0; // V/m and A/m RMS at 1 V, points that hold
};

Result runKvarn(const WireSpec& wireSpec, unsigned threads) {
    Result r;
    const std::clock_t processor = std::clock();
    auto start = Clock::now();
    const GroundModel ground{Ground::Real, std::make_shared<const RealGround>(
                                               wireSpec.soil, wireSpec.frequencyMHz, threads)};
    r.times.tables = seconds(start);
    start = Clock::now();
    const Segmentation cut = segmentWire(wireSpec);
    const Expansion expansion = expandCurrent(cut.wire);
    const ComplexMatrix matrix = fillInteractionMatrix(cut.wire, expansion, ground, threads);
    r.times.fill = seconds(start);
    start = Clock::now();
    const Solver solver(cut.wire, expansion, matrix);
    const Currents currents = solver.excite(cut.wire.feedSegment);
    r.times.solve = seconds(start);
    start = Clock::now();
    std::vector<Vec3> points;
    for (double z : kHeights)
        for (int y = -10; y <= 10; ++y)
            for (int x = -10; x <= 50; ++x)
                points.push_back({double(x), double(y), z});
    std::vector<FieldPoint> field(points.size());
    NearField(cut.wire, currents, ground).evaluate(points, field, threads);
    r.times.field = seconds(start);
    r.times.processor = static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC;
    r.impedance = currents.impedance();
    for (const FieldPoint& p : field)
        if (p.holds) {
            r.maxE = std::max(r.maxE, p.eRms);
            r.maxH = std::max(r.maxH, p.hRms);
        }
    return r;
}

struct NecTimes {
    double wall = -1, processor = 0; // s; wall < 0 when nec2c could not run
};

// nec2c's times for the same deck.
NecTimes runNec() {
    char dir[] = "/tmp/kvarn-real-ground-bench-XXXXXX";
    if (mkdtemp(dir) == nullptr) return {};
    const std::string deck = std::string(dir) + "/wire.nec", out = deck + ".out";
    {
        std::ofstream f(deck);
        f << "CM kvarn real ground bench\nCE\n"
          << "GW 1 40 0 0 10 20 0 10 0.001\nGW 2 40 20 0 10 40 0 10 0.001\n"
          << "GE 0\nGN 2 0 0 0 13 0.005\nEX 0 2 1 0 1.0 0.0\nFR 0 1 0 0 3.65 0\n";
        for (double z : kHeights)
            f << "NE 0 61 21 1 -10 -10 " << z << " 1 1 0\nNH 0 61 21 1 -10 -10 " << z << " 1 1 0\n";
        f << "EN\n";
    }
    const auto start = Clock::now();
    const double before = childrenSeconds();
    const std::string command = "nec2c -i" + deck + " -o" + out + " > /dev/null 2>&1";
    NecTimes t;
    if (std::system(command.c_str()) == 0) {
        t.wall = seconds(start);
        t.processor = childrenSeconds() - before;
    }
    std::system((std::string("rm -rf ") + dir).c_str());
    return t;
}

} // namespace

int main(int argc, char** argv) {
    const unsigned threads = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 0;
    WireSpec wireSpec;
    wireSpec.corners = {{0, 0, 10}, {20, 0, 10}, {40, 0, 10}};
    wireSpec.frequencyMHz = 3.65;
    wireSpec.feedM = 20;
    wireSpec.ground = Ground::Real;
    wireSpec.soil = {13, 0.005};

    Result best;
    NecTimes nec;
    for (int run = 0; run < kRuns; ++run) {
        const Result r = runKvarn(wireSpec, threads);
        if (run == 0 || r.times.all() < best.times.all()) best = r;
        const NecTimes t = runNec();
        if (t.wall >= 0 && (nec.wall < 0 || t.wall < nec.wall)) nec = t;
    }
    const Times& t = best.times;
    std::printf("40 m dipole 10 m over average soil at 3.65 MHz, 80 segments, 61 x 21 points at 3 "
                "heights, E and H, %u threads, best of %d\n",
                resolveThreads(threads), kRuns);
    std::printf("(Z = %.2f%+.2fj ohm, largest |E| %.4g V/m and |H| %.4g A/m RMS at 1 V)\n",
                best.impedance.real(), best.impedance.imag(), best.maxE, best.maxH);
    std::printf("%-28s %10s\n", "stage", "kvarn s");
    std::printf("%-28s %10.3f\n%-28s %10.3f\n%-28s %10.3f\n%-28s %10.3f\n",
                "ground tables (per band)", t.tables, "segments and matrix fill", t.fill, "solve",
                t.solve, "near field E and H", t.field);
    std::printf("%-28s %10.3f  (processor %.3f s)\n", "all", t.all(), t.processor);
    if (nec.wall < 0) {
        std::printf("nec2c is not installed: no comparison (Debian package nec2c)\n");
        return 0;
    }
    std::printf("%-28s %10.3f  (processor %.3f s)\n", "nec2c, the same deck", nec.wall,
                nec.processor);
    std::printf("kvarn's engine takes %.2f times nec2c's time (%.2f times its processor time)\n",
                t.all() / nec.wall, t.processor / nec.processor);
    return 0;
}
