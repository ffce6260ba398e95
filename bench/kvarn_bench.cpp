// Times whole scans of the field model: the 40 m wire from (0, 0, 10) to
// (40, 0, 10) at 3.65 MHz and 100 W on a grid of 101 x 101 points at 2 m,
// total E, maximum only (no table, only the progress line per row).
//
//   kvarn_bench [repeats] [mode]      e.g.  ./build/kvarn_bench 5 E

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "control/calc_params.h"
#include "control/discretization.h"
#include "control/main_cycle.h"
#include "control/program_state.h"
#include "field/antenna.h"
#include "field/frequency.h"
#include "support/memory_console.h"

namespace {

void setUpScan(char mode) {
    using namespace kvarn;
    xa[1] = 0;
    ya[1] = 0;
    za[1] = 10;
    xa[2] = xe[1] = 40;
    ya[2] = ye[1] = 0;
    za[2] = ze[1] = 10;
    segCount = 1;
    totalLength = 40;
    calc.freq = 3.65;
    calc.lambda = wavelength(calc.freq);
    calc.omega = angularFrequency(calc.freq);
    calc.power = 100.0;
    discretizeAntenna();
    calc.xanf = -30;
    calc.xend = 70;
    calc.yanf = -50;
    calc.yend = 50;
    calc.step = 1;
    calc.height = 2;
    calc.fieldMode = mode;
    calc.singleValues = false;
    calc.writeFile = false;
}

} // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const char mode = argc > 2 ? argv[2][0] : 'E';
    kvarn::resetProgramState();
    kvarn::MemoryConsole console(80, 25);

    std::vector<double> seconds;
    for (int k = 0; k < repeats; ++k) {
        setUpScan(mode);
        const auto start = std::chrono::steady_clock::now();
        kvarn::scanAndReport();
        const auto stop = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(stop - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("40 m wire, %u elements, 101 x 101 points, mode %c, maximum only\n",
                static_cast<unsigned>(kvarn::elementCount), mode);
    std::printf("maximum %.6f at x %.2f y %.2f\n", kvarn::calc.fmax, kvarn::calc.xmax,
                kvarn::calc.ymax);
    std::printf("scan time over %d runs: best %.3f s, median %.3f s, worst %.3f s\n", repeats,
                seconds.front(), seconds[seconds.size() / 2], seconds.back());
    return 0;
}
