// The assessment takes any field model through its seam: a stand-in model
// whose field is known everywhere gives the peaks, the distance, the
// verdict and the highest power it must, and a band whose model fails
// leaves no trace in the points files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "assessment/assess.h"
#include "outputs/file_outputs.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

// E = scale * (10 - |x|) V/m over the whole plane, highest at x = 0; H =
// E / 400 (so that E, not H, meets its limit first); the model does not hold within 1 m of the
// origin; it fails at every plane above `failAbove`.
class StandInModel : public BandFieldModel {
  public:
    StandInModel(double power, double failAbove) : power_(power), failAbove_(failAbove) {}

    PlaneOutcome scanPlane(const GridAxes& axes, double height,
                           std::span<PlaneSink* const> sinks) override {
        if (height > failAbove_) return {false, "the stand-in fails up here"};
        for (PlaneSink* s : sinks)
            s->planeBegins(height);
        for (double y : axes.ys) {
            for (PlaneSink* s : sinks)
                s->rowBegins(y);
            for (double x : axes.xs) {
                const Point3 at{x, y, height};
                FieldValue f;
                evaluate(std::span(&at, 1), std::span(&f, 1));
                for (PlaneSink* s : sinks)
                    s->point({x, y, f});
            }
            for (PlaneSink* s : sinks)
                s->rowEnds(y);
        }
        return {};
    }
    void evaluate(std::span<const Point3> points, std::span<FieldValue> out) const override {
        const double scale = std::sqrt(power_ / 100);
        for (std::size_t k = 0; k < points.size(); ++k) {
            const Point3& p = points[k];
            const double e = scale * (10 - std::fabs(p.x));
            out[k] = {e, e / 400, std::hypot(p.x, p.y, p.z) > 1};
        }
    }
    std::unique_ptr<BandFieldModel> atPower(double watts) const override {
        return std::make_unique<StandInModel>(watts, failAbove_);
    }
    // E is at most 10 V/m anywhere.
    FieldBound boundBeyond(double) const override {
        const double e = 10 * std::sqrt(power_ / 100);
        return {e, e / 400};
    }
    double featureLength() const override { return 1; }

  private:
    double power_, failAbove_;
};

Station standInStation() {
    Station s;
    s.title = "seam";
    s.corners = {{0, 0, 5}, {1, 0, 5}};
    s.wireLength = 1;
    s.grid = {-6, 6, -2, 2, 1};
    s.heights = {0.5, 3};
    s.limits = LimitSet::bimschv26;
    s.bands = {{14.2, 100, 1, 0}, {28.5, 100, 1, 0}};
    return s;
}

TEST(FieldModelSeam, AStandInModelGivesItsKnownResults) {
    AssessOptions options;
    options.model = [](const Station&, const Band& band, ReportStreams*) {
        return std::make_unique<StandInModel>(band.power, 100);
    };
    const Assessment a = assessStation(standInStation(), options);
    ASSERT_EQ(a.bands.size(), 2u);
    const BandResult& b = a.bands[0];
    // 10 V/m at x = 0 (the points near the origin do not hold; y = +-2 still do).
    EXPECT_EQ(b.e.value, 10.0);
    EXPECT_EQ(b.e.x, 0.0);
    EXPECT_EQ(b.e.y, 2.0);
    EXPECT_NEAR(b.e.percent, 100 * 10 / 28.0, 1e-12);
    EXPECT_EQ(b.tooClosePoints, 1); // (0, 0) at 0.5 m
    EXPECT_FALSE(b.complies) << "a point it cannot assess";
    // Fields grow exactly with the square root of the power: (28 / 10)^2 * 100 W, rounded down.
    EXPECT_EQ(b.highestPower, 784.0);
    EXPECT_EQ(b.map.xs.size(), 13u);
    EXPECT_EQ(b.map.ys.front(), 2.0);
}

TEST(FieldModelSeam, ABandWhoseModelFailsLeavesNothingInTheFiles) {
    testing::TempDir dir;
    Station s = standInStation();
    s.bands[1].frequency = 14.2; // the same frequency: told apart by their numbers
    OutputDirectory out("r");
    ASSERT_TRUE(out.prepare());
    FileOutputs files(out, true, false, false);
    files.antennaBegins(s);
    AssessOptions options;
    options.model = [](const Station&, const Band& band, ReportStreams*) {
        // The second band fails at its second plane, after a whole plane.
        return std::make_unique<StandInModel>(band.power, band.power > 100 ? 1 : 100);
    };
    s.bands[1].power = 200;
    const Assessment a = assessStation(s, options, &files);
    files.finish();
    EXPECT_TRUE(a.bands[0].stop.empty());
    EXPECT_EQ(a.bands[1].stop, "the stand-in fails up here");
    const std::string csv = testing::readFile("r/points.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 2 * 13 * 5);
    EXPECT_THAT(csv, ::testing::Not(::testing::HasSubstr(",2\n")));
}

} // namespace
} // namespace kvarn
