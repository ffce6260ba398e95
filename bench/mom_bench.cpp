// The method-of-moments engine on the yardstick's 800 m wire at 3.65 MHz
// (0,0,10) - (400,0,10) - (400,400,10), fed at its first corner, in free
// space: segmentation, matrix fill, solve and the near field (E and H) on a
// plane of 101 x 101 points 2 m apart at z = 2 m, each stage timed, beside
// nec2c's run of the same deck (the same segments, NE and NH cards) with
// the fill, factor and remaining times nec2c reports itself.
//
//   make bench      or      ./build/kvarn_mom_bench [threads]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "mom/basis.h"
#include "mom/matrix.h"
#include "mom/near_field.h"
#include "mom/solver.h"
#include "mom/threads.h"
#include "mom/wire.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace kvarn::mom;

constexpr int kSide = 101;       // points per side of the plane
constexpr double kStep = 2.0;    // m between points
constexpr double kCorner = -100; // m, x and y of the plane's first point
constexpr double kHeight = 2.0;  // m

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// nec2c's own timings of one run, in s; total < 0 when it could not run.
struct NecTimes {
    double total = -1, fill = 0, factor = 0;
};

NecTimes runNec(const Segments& wire) {
    char dir[] = "/tmp/kvarn-mom-bench-XXXXXX";
    if (mkdtemp(dir) == nullptr) return {};
    const std::string deck = std::string(dir) + "/wire.nec", out = deck + ".out";
    {
        std::ofstream f(deck);
        f << "CM kvarn mom bench\nCE\n"
          << "GW 1 800 0 0 10 400 0 10 0.001\n"
          << "GW 2 800 400 0 10 400 400 10 0.001\n"
          << "GE 0\nEX 0 1 1 0 1.0 0.0\nFR 0 1 0 0 3.65 0\n"
          << "NE 0 101 101 1 -100 -100 2 2 2 0\nNH 0 101 101 1 -100 -100 2 2 2 0\nEN\n";
    }
    if (wire.segments.size() != 1600) std::fprintf(stderr, "segment counts differ\n");
    const auto start = Clock::now();
    const std::string command = "nec2c -i" + deck + " -o" + out + " > /dev/null 2>&1";
    NecTimes t;
    if (std::system(command.c_str()) == 0) {
        t.total = seconds(start);
        std::ifstream in(out);
        std::string line;
        while (std::getline(in, line))
            if (const auto at = line.find("FILL:"); at != std::string::npos) {
                double fill = 0, factor = 0;
                std::sscanf(line.c_str() + at, "FILL: %lf msec  FACTOR: %lf", &fill, &factor);
                t.fill = fill / 1000;
                t.factor = factor / 1000;
            }
    }
    std::system((std::string("rm -rf ") + dir).c_str());
    return t;
}

} // namespace

int main(int argc, char** argv) {
    const unsigned threads = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 0;
    WireSpec wireSpec;
    wireSpec.corners = {{0, 0, 10}, {400, 0, 10}, {400, 400, 10}};
    wireSpec.frequencyMHz = 3.65;
    wireSpec.feedM = 0;

    auto start = Clock::now();
    const Segmentation cut = segmentWire(wireSpec);
    const Expansion expansion = expandCurrent(cut.wire);
    const double tSegments = seconds(start);
    start = Clock::now();
    const ComplexMatrix matrix = fillInteractionMatrix(cut.wire, expansion, {}, threads);
    const double tFill = seconds(start);
    start = Clock::now();
    const Solver solver(cut.wire, expansion, matrix);
    const Currents currents = solver.excite(cut.wire.feedSegment);
    const double tSolve = seconds(start);
    start = Clock::now();
    std::vector<Vec3> points;
    for (int row = 0; row < kSide; ++row)
        for (int col = 0; col < kSide; ++col)
            points.push_back({kCorner + kStep * col, kCorner + kStep * row, kHeight});
    std::vector<FieldPoint> field(points.size());
    NearField(cut.wire, currents).evaluate(points, field, threads);
    const double tField = seconds(start);
    const double ours = tSegments + tFill + tSolve + tField;

    double maxE = 0;
    for (const FieldPoint& p : field)
        maxE = std::max(maxE, p.eRms);
    std::printf("800 m wire at 3.65 MHz, %zu segments, %d x %d points E and H, %u threads "
                "(Z = %.1f%+.1fj ohm, largest |E| %.4g V/m RMS at 1 V)\n",
                cut.wire.segments.size(), kSide, kSide, resolveThreads(threads),
                currents.impedance().real(), currents.impedance().imag(), maxE);
    const NecTimes nec = runNec(cut.wire);
    std::printf("%-22s %10s %10s\n", "stage", "kvarn s", "nec2c s");
    std::printf("%-22s %10.3f %10s\n", "segments", tSegments, "-");
    if (nec.total < 0) {
        std::printf("%-22s %10.3f\n%-22s %10.3f\n%-22s %10.3f\n%-22s %10.3f\n", "matrix fill",
                    tFill, "solve", tSolve, "near field E and H", tField, "all", ours);
        std::printf("nec2c is not installed: no comparison (Debian package nec2c)\n");
        return 0;
    }
    std::printf("%-22s %10.3f %10.3f\n", "matrix fill", tFill, nec.fill);
    std::printf("%-22s %10.3f %10.3f\n", "solve", tSolve, nec.factor);
    std::printf("%-22s %10.3f %10.3f  (nec2c: the rest of its run)\n", "near field E and H", tField,
                nec.total - nec.fill - nec.factor);
    std::printf("%-22s %10.3f %10.3f\n", "all", ours, nec.total);
    std::printf("kvarn's engine takes %.2f times nec2c's time\n", ours / nec.total);
    return 0;
}
