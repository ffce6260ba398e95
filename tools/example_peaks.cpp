// The largest field strengths of the two example wires over four grounds,
// and the highest power that keeps the limits: the 40 m dipole 10 m up,
// (0,0,10) - (20,0,10) - (40,0,10), centre-fed on 3.65 MHz, and the sloping
// wire (0,0,7) - (20,0,7) - (40,0,4) fed at 20 m on 14.2 MHz, each over
// average soil (eps_r 13, 0.005 S/m), poor soil (5, 0.001 S/m), in free
// space and over perfect ground. At 100 W input, the highest |E| (V/m RMS)
// and |H| (A/m RMS) at 0.5, 1.5 and 2 m over x -10 to 50, y -10 to 10 m in
// steps of 1 m, points where the field holds only; the power that complies
// is 100 W times the smallest (limit / maximum)^2 (26. BImSchV: 3.65 MHz
// 45.54 V/m and 0.2 A/m, 14.2 MHz 28 V/m and 0.073 A/m).
//
//   ./build/kvarn_example_peaks

#include <algorithm>
#include <cstdio>
#include <vector>

#include "mom/analysis.h"

namespace {

using namespace kvarn::mom;

constexpr double kPower = 100;                 // W
constexpr double kHeights[] = {0.5, 1.5, 2.0}; // m

struct Example {
    const char* name;
    std::vector<Vec3> corners;
    double feedM, mhz;
    double limitE, limitH; // V/m, A/m RMS
};

struct GroundCase {
    const char* name;
    Ground kind;
    Soil soil;
};

} // namespace

int main() {
    const Example examples[] = {
        {"40 m dipole at 10 m", {{0, 0, 10}, {20, 0, 10}, {40, 0, 10}}, 20, 3.65, 45.54, 0.2},
        {"sloping wire", {{0, 0, 7}, {20, 0, 7}, {40, 0, 4}}, 20, 14.2, 28, 0.073}};
    const GroundCase grounds[] = {{"average soil", Ground::Real, {13, 0.005}},
                                  {"poor soil", Ground::Real, {5, 0.001}},
                                  {"free space", Ground::FreeSpace, {}},
                                  {"perfect ground", Ground::Perfect, {}}};
    std::printf("%-20s %-15s %-12s %8s %10s %8s %10s %8s %10s %9s\n", "wire", "ground", "Z (ohm)",
                "E 0.5 m", "H 0.5 m", "E 1.5 m", "H 1.5 m", "E 2 m", "H 2 m", "P max (W)");
    for (const Example& ex : examples)
        for (const GroundCase& g : grounds) {
            WireSpec wireSpec;
            wireSpec.corners = ex.corners;
            wireSpec.feedM = ex.feedM;
            wireSpec.frequencyMHz = ex.mhz;
            wireSpec.ground = g.kind;
            wireSpec.soil = g.soil;
            const WireAnalysis a = analyseWire(wireSpec, kPower);
            if (!a.ok()) {
                std::fprintf(stderr, "%s: %s\n", ex.name, a.reason.c_str());
                return 1;
            }
            std::printf("%-20s %-15s %5.1f%+6.1fj", ex.name, g.name, a.summary.impedance.real(),
                        a.summary.impedance.imag());
            double worst = 0; // the largest share of a limit
            for (double z : kHeights) {
                std::vector<Vec3> points;
                for (int y = -10; y <= 10; ++y)
                    for (int x = -10; x <= 50; ++x)
                        points.push_back({double(x), double(y), z});
                std::vector<FieldPoint> field(points.size());
                a.field->evaluate(points, field);
                double maxE = 0, maxH = 0;
                for (const FieldPoint& f : field)
                    if (f.holds) {
                        maxE = std::max(maxE, f.eRms);
                        maxH = std::max(maxH, f.hRms);
                    }
                std::printf(" %8.2f %10.4f", maxE, maxH);
                worst = std::max({worst, maxE / ex.limitE, maxH / ex.limitH});
            }
            std::printf(" %9.0f\n", kPower / (worst * worst));
        }
    return 0;
}
