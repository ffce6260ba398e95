#pragma once
// Fields with a zone known in advance, for the zone search's tests.

#include <algorithm>
#include <cmath>
#include <vector>

#include "zone/zone_field.h"

namespace kvarn::zone::testing {

// A field that depends only on the distance from the wire and the point.
class DistanceField : public ZoneField {
  public:
    explicit DistanceField(std::vector<Point3> wire) : wire_(std::move(wire)) {}
    void evaluate(std::span<const Point3> points, std::span<ZoneSample> out) const override {
        for (std::size_t i = 0; i < points.size(); ++i)
            out[i] = sample(distanceToPolyline(wire_, points[i]), points[i]);
    }
    ZoneSample at(Point3 p) const { return sample(distanceToPolyline(wire_, p), p); }
    const std::vector<Point3>& wire() const { return wire_; }

  private:
    virtual ZoneSample sample(double distance, Point3 p) const = 0;
    std::vector<Point3> wire_;
};

// a / distance: the zone is a tube of radius a with round ends.
class TubeField : public DistanceField {
  public:
    TubeField(std::vector<Point3> wire, double a) : DistanceField(std::move(wire)), a_(a) {}
    double shareBound(double d) const override { return a_ / d; }

  private:
    ZoneSample sample(double d, Point3) const override { return {a_ / d, true}; }
    double a_;
};

// A tube of radius 0.8 m and, on the side y > 0 only, a shell from 2.75 to
// 3.25 m (3 +- 0.3 sqrt(ln 2)) with below-limit space between: the zone in
// two pieces, the outer one farther.
class TwoLobeField : public DistanceField {
  public:
    using DistanceField::DistanceField;
    static constexpr double kOuter = 3.2497637; // m: 3 + 0.3 sqrt(ln 2)
    double shareBound(double d) const override { return std::max(0.8 / d, d <= 3 ? 2 : lobe(d)); }

  private:
    static double lobe(double d) { return 2 * std::exp(-std::pow((d - 3) / 0.3, 2)); }
    ZoneSample sample(double d, Point3 p) const override {
        return {std::max(0.8 / d, p.y > 0 ? lobe(d) : 0), true};
    }
};

// A tube of radius 3 m that is over the limit only below 2 m (above it the
// share is 0.3 of the tube's, leaving a thin tube of 0.9 m): the zone's
// lowest part is the bottom of the tube, cut flat at 2 m.
class LowField : public DistanceField {
  public:
    using DistanceField::DistanceField;
    double shareBound(double d) const override { return 3 / d; }

  private:
    ZoneSample sample(double d, Point3 p) const override {
        return {3 / d * (p.z < 2 ? 1 : 0.3), true};
    }
};

// Below the limits, but not assessable within 1.2 m of the wire: a zone
// like the tube's.
class UnassessableField : public DistanceField {
  public:
    using DistanceField::DistanceField;
    double shareBound(double d) const override { return d <= 1.2 ? 2 : 0.5; }

  private:
    ZoneSample sample(double d, Point3) const override { return {0.5, d > 1.2}; }
};

// Below the limits everywhere, with a bound that cannot show it near the wire.
class QuietField : public DistanceField {
  public:
    using DistanceField::DistanceField;
    double shareBound(double d) const override { return 2 / d; }

  private:
    ZoneSample sample(double, Point3) const override { return {0.9, true}; }
};

} // namespace kvarn::zone::testing
