// The fast scan against the reference: random antennas, grids and modes of
// both models, every printed cell, too-close mark, stop and maximum
// compared; and the fast scan on several threads against itself on one.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "base/real_format.h"
#include "field/discretize.h"
#include "field/frequency.h"
#include "field/scan.h"
#include "field/wire_length.h"
#include "report/maximum_sink.h"

namespace kvarn {
namespace {

struct Collected : PointSink {
    std::vector<PointResult> points;
    int rows = 0;
    void rowBegins(double) override { ++rows; }
    void point(const PointResult& p) override { points.push_back(p); }
};

struct Case {
    ElementTable elements;
    PointInputs in;
    Grid grid;
    ModeSet modes = 0;
};

// A random wire of either model at a frequency its form accepts, a small
// grid near it and a random set of modes.
Case randomCase(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    auto pick = [&](double lo, double hi) { return lo + (hi - lo) * unit(rng); };
    Case c;
    std::vector<CornerPoint> corners;
    double length = 0;
    do {
        corners.clear();
        const int n = 2 + static_cast<int>(unit(rng) * 5);
        for (int k = 0; k < n; ++k)
            corners.push_back({std::round(pick(-40, 40)), std::round(pick(-40, 40)),
                               std::round(pick(1, 20) * 2) / 2});
        length = wireLength(corners);
    } while (!wireLengthAccepted(length));
    const AntennaModel model =
        unit(rng) < 0.5 ? AntennaModel::standingWave : AntennaModel::shortWire;
    const double lowest = static_cast<double>(frequencyConstant(model) / length / 1.1L);
    double freq = 0;
    do
        freq = std::round(pick(lowest, std::min(146.0, lowest * 8)) * 1000) / 1000;
    while (!frequencyAccepted(freq, length, model));
    const double lambda = wavelength(freq);
    const std::uint16_t count =
        discretizeWire(model, corners, length, lambda, pick(1, 1000), c.elements);
    const double heights[] = {0, 1.5, 2, 8.5, pick(0, 25)};
    c.in = {&c.elements, count, lambda, angularFrequency(freq), heights[rng() % 5], 'E'};
    const double steps[] = {0.5, 1, 2.5, 3, 7.3};
    const double step = steps[rng() % 5];
    const double xanf = std::round(pick(-50, 40));
    const double yend = std::round(pick(-40, 50));
    c.grid = {xanf, xanf + step * static_cast<double>(rng() % 8),
              yend - step * static_cast<double>(rng() % 8), yend, step};
    while (c.modes == 0)
        c.modes = static_cast<ModeSet>(rng() % 32);
    return c;
}

Collected scan(const Case& c, Kernel kernel, unsigned threads, ScanOutcome& outcome) {
    Collected got;
    PointSink* sinks[] = {&got};
    outcome = scanGrid(c.grid, c.in, {c.modes, kernel, threads}, sinks);
    return got;
}

// Whether v lies within 1e-9 of a value where its printed form with these
// decimals changes.
bool nearRoundingBoundary(double v, int decimals) {
    const long double scaled = fabsl(static_cast<long double>(v)) * powl(10.0L, decimals);
    const long double fraction = scaled - floorl(scaled);
    return fabsl(fraction - 0.5L) * powl(10.0L, -decimals) < 1e-9L;
}

TEST(FastScan, MatchesTheReferenceOnRandomAntennasGridsAndModes) {
    std::mt19937_64 rng(20261208);
    long points = 0, cells = 0, boundaryCells = 0, maximumTies = 0, stops = 0;
    for (int n = 0; n < 1000; ++n) {
        Case c = randomCase(rng);
        // Now and then an element whose direction is not a unit vector, so
        // that the angle-cosine stop fires somewhere in the grid.
        if (n % 50 == 7) c.elements[1].dx *= 1.001;
        ScanOutcome refOutcome, fastOutcome, threadedOutcome;
        const Collected ref = scan(c, Kernel::reference, 1, refOutcome);
        const Collected fast = scan(c, Kernel::fast, 1, fastOutcome);
        const Collected threaded = scan(c, Kernel::fast, 3, threadedOutcome);
        SCOPED_TRACE(::testing::Message() << "case " << n);

        ASSERT_EQ(fast.points.size(), ref.points.size());
        EXPECT_EQ(fast.rows, ref.rows);
        EXPECT_EQ(fastOutcome.cthStop, refOutcome.cthStop);
        EXPECT_EQ(fastOutcome.element, refOutcome.element);
        EXPECT_EQ(fastOutcome.xp, refOutcome.xp);
        EXPECT_EQ(fastOutcome.yp, refOutcome.yp);
        stops += refOutcome.cthStop;
        for (char mode : kModeLetters) {
            if (mode == '\0' || !hasMode(c.modes, mode)) continue;
            double refMax = 0, refX = 0, refY = 0, fastMax = 0, fastX = 0, fastY = 0;
            MaximumSink refMaximum(mode, refMax, refX, refY),
                fastMaximum(mode, fastMax, fastX, fastY);
            for (std::size_t k = 0; k < ref.points.size(); ++k) {
                const PointResult& r = ref.points[k];
                const PointResult& f = fast.points[k];
                ASSERT_EQ(f.xp, r.xp);
                ASSERT_EQ(f.yp, r.yp);
                ASSERT_EQ(f.tooclose, r.tooclose) << "point " << k;
                for (auto [width, decimals] : {std::pair{3, 1}, {5, 2}}) {
                    ++cells;
                    if (formatReal(f.value(mode), width, decimals) ==
                        formatReal(r.value(mode), width, decimals))
                        continue;
                    EXPECT_TRUE(nearRoundingBoundary(r.value(mode), decimals))
                        << mode << " point " << k << ": " << r.value(mode) << " against "
                        << f.value(mode);
                    ++boundaryCells;
                }
                refMaximum.point(r);
                fastMaximum.point(f);
            }
            if (fastX != refX || fastY != refY) {
                EXPECT_NEAR(fastMax, refMax, 1e-12 * refMax) << mode << " maximum";
                ++maximumTies;
            }
        }
        points += static_cast<long>(ref.points.size());

        // The threads change nothing at all.
        ASSERT_EQ(threaded.points.size(), fast.points.size());
        EXPECT_EQ(threadedOutcome.cthStop, fastOutcome.cthStop);
        EXPECT_EQ(threaded.rows, fast.rows);
        for (std::size_t k = 0; k < fast.points.size(); ++k) {
            EXPECT_EQ(threaded.points[k].values, fast.points[k].values);
            EXPECT_EQ(threaded.points[k].tooclose, fast.points[k].tooclose);
        }
    }
    std::printf("fast against reference: %ld points, %ld cells, %ld stops; %ld cells differed "
                "at a rounding boundary, %ld maxima moved between ties\n",
                points, cells, stops, boundaryCells, maximumTies);
}

} // namespace
} // namespace kvarn
