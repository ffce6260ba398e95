// The zone of H round wires solved by the method-of-moments engine: close to
// the cylinder of radius I / (2 pi H_limit) where the current is largest,
// the same as a dense lattice finds, and the same on any number of threads.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "limits/reference_levels.h"
#include "mom/analysis.h"
#include "zone/zone.h"

namespace kvarn::zone {
namespace {

constexpr double kPi = std::numbers::pi;

// H of the engine's near field as a share of its limit.
class MomHField : public ZoneField {
  public:
    MomHField(const mom::WireSpec& wireSpec, double watts, double hLimit, unsigned threads)
        : analysis_(mom::analyseWire(wireSpec, watts, threads)), hLimit_(hLimit), threads_(threads),
          k_(2 * kPi * wireSpec.frequencyMHz / 299.792458) {
        for (std::size_t j = 1; j < wireSpec.corners.size(); ++j)
            length_ += mom::norm(wireSpec.corners[j] - wireSpec.corners[j - 1]);
    }
    bool ok() const { return analysis_.ok(); }
    double current() const { return analysis_.summary.maxCurrentRms; } // A, RMS

    void evaluate(std::span<const Point3> points, std::span<ZoneSample> out) const override {
        std::vector<mom::Vec3> at;
        for (const Point3& p : points)
            at.push_back({p.x, p.y, p.z});
        std::vector<mom::FieldPoint> field(at.size());
        analysis_.field->evaluate(at, field, threads_);
        for (std::size_t i = 0; i < field.size(); ++i)
            out[i] = {field[i].hRms / hLimit_, field[i].holds};
    }
    // Each piece of current I ds adds at most |I| ds sqrt(1 + (k r)^2) /
    // (4 pi r^2) to H at r >= d from it; twice the largest current at a
    // segment's centre covers the current between the centres.
    double shareBound(double d) const override {
        return 2 * current() * length_ * std::sqrt(1 + k_ * k_ * d * d) / (4 * kPi * d * d) /
               hLimit_;
    }

  private:
    mom::WireAnalysis analysis_;
    double hLimit_;
    unsigned threads_;
    double k_;          // rad/m
    double length_ = 0; // m
};

std::vector<Point3> pointsOf(const std::vector<mom::Vec3>& corners) {
    std::vector<Point3> out;
    for (const mom::Vec3& c : corners)
        out.push_back({c.x, c.y, c.z});
    return out;
}

// The power that puts `amps` RMS at the largest current.
double wattsFor(const mom::WireSpec& wireSpec, double amps) {
    const double one = mom::analyseWire(wireSpec, 1).summary.maxCurrentRms;
    return std::pow(amps / one, 2);
}

double hLimit(double mhz) {
    return referenceLevels(LimitSet::bimschv26, mhz)->h;
}

TEST(ZoneMom, HalfWaveDipoleZoneIsTheCylinderOfItsFeedCurrent) {
    // 10 m at 14.2 MHz, fed in the middle, 1.5 m of zone radius there.
    mom::WireSpec wireSpec;
    wireSpec.corners = {{0, 0, 5}, {10, 0, 5}};
    wireSpec.feedM = 5;
    wireSpec.frequencyMHz = 14.2;
    const double h = hLimit(wireSpec.frequencyMHz);
    const double radius = 1.5; // m
    const MomHField field(wireSpec, wattsFor(wireSpec, 2 * kPi * radius * h), h, 0);
    ASSERT_TRUE(field.ok());
    const double expected = field.current() / (2 * kPi * h);
    EXPECT_NEAR(expected, radius, 1e-9);
    const Zone z = findZone(pointsOf(wireSpec.corners), field);
    ASSERT_FALSE(z.empty);
    EXPECT_NEAR(z.safetyDistance.value, expected, 0.02 * expected);
    EXPECT_NEAR(z.safetyDistance.at.x, 5, 0.5); // beside the feed
    EXPECT_NEAR(z.horizontalDistance.value, expected, 0.02 * expected);
    EXPECT_NEAR(z.lowestHeight.value, 5 - expected, 0.02 * expected);
}

TEST(ZoneMom, SearchAgreesWithADenseLatticeOnAnyNumberOfThreads) {
    // A short bent wire at 50 MHz, with the current at its feed that would
    // give 0.6 m of zone round a long wire: about 0.45 m round this one.
    mom::WireSpec wireSpec;
    wireSpec.corners = {{0, 0, 1.2}, {0.6, 0, 1.4}, {1.2, 0.3, 1.2}};
    wireSpec.feedM = 0.65;
    wireSpec.frequencyMHz = 50;
    const double h = hLimit(wireSpec.frequencyMHz);
    const double watts = wattsFor(wireSpec, 2 * kPi * 0.6 * h);
    const std::vector<Point3> wire = pointsOf(wireSpec.corners);
    const MomHField one(wireSpec, watts, h, 1), three(wireSpec, watts, h, 3);
    const Zone z = findZone(wire, three);
    ASSERT_FALSE(z.empty);

    // Every lattice point of 0.05 m within the reach of the wire.
    constexpr double kStep = 0.05; // m
    std::vector<Point3> lattice;
    const auto cell = [](double v) { return static_cast<int>(std::floor(v / kStep)); };
    for (int i = cell(-z.reach) - 1; i <= cell(1.2 + z.reach) + 1; ++i)
        for (int j = cell(-z.reach) - 1; j <= cell(0.3 + z.reach) + 1; ++j)
            for (int k = 0; k <= cell(1.4 + z.reach) + 1; ++k) {
                const Point3 p{i * kStep, j * kStep, k * kStep};
                if (distanceToPolyline(wire, p) <= z.reach) lattice.push_back(p);
            }
    std::vector<ZoneSample> samples(lattice.size());
    three.evaluate(lattice, samples);
    double farthest = 0, widest = 0, lowest = INFINITY;
    for (std::size_t n = 0; n < lattice.size(); ++n)
        if (!samples[n].holds || samples[n].share > 1) {
            farthest = std::max(farthest, distanceToPolyline(wire, lattice[n]));
            widest = std::max(widest, planDistanceToPolyline(wire, lattice[n]));
            lowest = std::min(lowest, lattice[n].z);
        }
    EXPECT_NEAR(z.safetyDistance.value, farthest, 0.05);
    EXPECT_NEAR(z.horizontalDistance.value, widest, 0.05);
    EXPECT_NEAR(z.lowestHeight.value, lowest, 0.05);

    // The same zone, to the last bit, on one thread.
    const Zone single = findZone(wire, one);
    const ZonePoint pairs[][2] = {{z.safetyDistance, single.safetyDistance},
                                  {z.horizontalDistance, single.horizontalDistance},
                                  {z.lowestHeight, single.lowestHeight}};
    for (const auto& p : pairs) {
        EXPECT_EQ(p[0].value, p[1].value);
        EXPECT_EQ(p[0].at.x, p[1].at.x);
        EXPECT_EQ(p[0].at.y, p[1].at.y);
        EXPECT_EQ(p[0].at.z, p[1].at.z);
    }
    ASSERT_EQ(z.pieces.size(), single.pieces.size());
    std::size_t differ = 0;
    for (std::size_t n = 0; n < z.pieces.size(); ++n)
        for (std::size_t c = 0; c < z.pieces[n].count; ++c) {
            const Point3 a = z.pieces[n].corners[c], b = single.pieces[n].corners[c];
            differ += a.x != b.x || a.y != b.y || a.z != b.z;
        }
    EXPECT_EQ(differ, 0u);
}

} // namespace
} // namespace kvarn::zone
