// Whole scans over the grid with the real field model: the points and rows
// the sinks receive, in scan order, and where a scan stops.
#include "field/scan.h"

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "field/field_fixture.h"

namespace kvarn {
namespace {

// The wire of 40 m at 10 m under a grid of 10 m steps at 8.5 m.
class Scan : public test::FieldFixture {
  protected:
    void SetUp() override {
        setFrequency(3.65);
        layWire({{0, 0, 10}, {40, 0, 10}});
        height = 8.5;
    }
    Grid grid{0, 40, -10, 10, 10};
};

// Everything a scan hands over, in order, as text.
struct Recorder : PointSink {
    std::vector<std::string> events;
    void rowBegins(double yp) override { events.push_back("row " + std::to_string(yp)); }
    void point(const PointResult& p) override {
        events.push_back(std::to_string(p.xp) + " " + std::to_string(p.value('E')) +
                         (p.tooclose ? " x" : ""));
    }
    void rowEnds(double yp) override { events.push_back("end " + std::to_string(yp)); }
};

TEST_F(Scan, PointsComputedInAnyOrderGiveTheSameBits) {
    for (char mode : {'R', 'T', 'E', 'M', 'Z'}) {
        const PointInputs in = inputs(mode);
        std::vector<std::pair<double, double>> points;
        std::vector<PointResult> forward;
        PointWork work;
        for (double y = -10; y <= 10; y += 2.5)
            for (double x = -5; x <= 45; x += 2.5) {
                points.emplace_back(x, y);
                startPoint(work, x, y);
                sumElements(in, work);
                forward.push_back(recordOf(in, work));
            }
        // Backwards, each point in a record of its own.
        for (std::size_t k = points.size(); k-- > 0;) {
            PointWork fresh;
            startPoint(fresh, points[k].first, points[k].second);
            sumElements(in, fresh);
            const PointResult p = recordOf(in, fresh);
            EXPECT_EQ(p.value(mode), forward[k].value(mode)) << mode << " " << k;
            EXPECT_EQ(p.tooclose, forward[k].tooclose) << mode << " " << k;
        }
    }
}

TEST_F(Scan, SinksReceiveRowsAndPointsInScanOrder) {
    grid = {0, 20, -10, 10, 10};
    Recorder first, second;
    PointSink* sinks[] = {&first, &second};
    const ScanOutcome outcome = scanGrid(grid, inputs('E'), {modeBit('E')}, sinks);
    EXPECT_FALSE(outcome.cthStop);
    ASSERT_EQ(first.events.size(), 3u * (1 + 3 + 1));
    EXPECT_EQ(first.events, second.events);
    EXPECT_EQ(first.events[0], "row 10.000000");
    EXPECT_EQ(first.events[1].substr(0, 9), "0.000000 ");
    EXPECT_EQ(first.events[3].substr(0, 10), "20.000000 ");
    EXPECT_EQ(first.events[4], "end 10.000000");
    EXPECT_EQ(first.events[5], "row 0.000000");
    EXPECT_EQ(first.events[6].substr(first.events[6].size() - 2), " x") << "under the wire";
    EXPECT_EQ(first.events[14], "end -10.000000");
}

// Inputs that are no finite numbers never reach a form's result or a
// station; were one to reach the scan, its value stops the scan before any
// sink sees it.
TEST_F(Scan, ValueThatIsNoFiniteNumberStopsTheScan) {
    for (double z :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        height = z;
        Recorder seen;
        PointSink* sinks[] = {&seen};
        const ScanOutcome outcome = scanGrid(grid, inputs('E'), {modeBit('E')}, sinks);
        EXPECT_TRUE(outcome.notFinite) << z;
        EXPECT_EQ(outcome.xp, 0.0);
        EXPECT_EQ(outcome.yp, 10.0);
        EXPECT_EQ(seen.events, std::vector<std::string>{"row 10.000000"}) << z;
    }
}

// An element whose direction is not a unit vector: on its axis line the
// angle cosine leaves its range, off it (row 25) it does not.
TEST_F(Scan, CthStopEndsBeforeTheFirstPointOfTheStopInScanOrder) {
    setSingleElement({0.5, 0, 2}, {1.001, 0, 0}, 1.0);
    height = 2;
    Recorder seen;
    PointSink* sinks[] = {&seen};
    const ScanOutcome outcome =
        scanGrid(Grid{-25, 25, 0, 25, 25}, inputs('E'), {modeBit('E')}, sinks);
    EXPECT_TRUE(outcome.cthStop);
    EXPECT_EQ(outcome.xp, -25.0);
    EXPECT_EQ(outcome.yp, 0.0);
    EXPECT_EQ(outcome.element, 1);
    // The whole first row, then the second row's label only.
    ASSERT_EQ(seen.events.size(), 6u);
    EXPECT_EQ(seen.events[4], "end 25.000000");
    EXPECT_EQ(seen.events[5], "row 0.000000");
}

} // namespace
} // namespace kvarn
