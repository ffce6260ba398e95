#pragma once
// The field model as the assessment sees it: for a point, the RMS field
// strengths E and H and whether the model holds there, however the model
// gets them. A model computes a whole plane of the grid at once (an engine
// that solves the antenna first is fastest that way) and hands its points
// over in scan order; it gives single points on demand, and itself at
// another power.

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "base/text_stream.h"
#include "field/grid.h"

namespace kvarn {

struct FieldValue {
    double e = 0;      // V/m, RMS
    double h = 0;      // A/m, RMS
    bool holds = true; // false: too close to the antenna for the model, e and h mean nothing
};

struct Point3 {
    double x = 0, y = 0, z = 0; // m, z above the ground
};

// A point of a plane of the grid.
struct PlanePoint {
    double x = 0, y = 0; // m
    FieldValue field;
};

// Where the points of the planes go, in scan order: rows from the top, each
// row from the left.
class PlaneSink {
  public:
    virtual ~PlaneSink() = default;
    // A plane at this height begins.
    virtual void planeBegins(double height) { (void)height; }
    virtual void rowBegins(double y) { (void)y; }
    virtual void point(const PlanePoint& p) = 0;
    virtual void rowEnds(double y) { (void)y; }
};

// How the scan of a plane ended: complete, or stopped at a point with the
// reason (in words, with the point).
struct PlaneOutcome {
    bool complete = true;
    std::string stop;
};

// Where the exact models' report files go: their own tables of the five
// modes R T E M Z, which only they can give.
class ReportStreams {
  public:
    virtual ~ReportStreams() = default;
    // The stream of the report of one height and mode; it stays valid until
    // the band ends.
    virtual TextStream& open(double height, char mode) = 0;
    // That report is complete.
    virtual void close(double height, char mode) = 0;
};

// Upper bounds of the fields, V/m and A/m RMS.
struct FieldBound {
    double e = 0, h = 0;
};

// What a model that solves the antenna knows of its feed.
struct FeedFacts {
    double resistance = 0; // ohm
    double reactance = 0;  // ohm
    double swr = 0;        // against 50 ohm
    std::size_t segments = 0;
    double maxCurrent = 0; // A RMS, the largest on the wire at the band's power
};

class BandFieldModel {
  public:
    virtual ~BandFieldModel() = default;
    // The feed as the model solved it; nothing for a model that lays its
    // current on the wire without solving for it.
    virtual std::optional<FeedFacts> feed() const { return std::nullopt; }
    // Computes the plane of the grid at `height` and hands its points to the
    // sinks in scan order; stops at a point where the model fails, after
    // handing over everything before it.
    virtual PlaneOutcome scanPlane(const GridAxes& axes, double height,
                                   std::span<PlaneSink* const> sinks) = 0;
    // out[i] for points[i], the same values a plane through the point gives.
    virtual void evaluate(std::span<const Point3> points, std::span<FieldValue> out) const = 0;
    // The same for a search that only asks where the fields exceed their
    // limits (the three-dimensional zone): E and H never above what evaluate
    // gives and short of it by at most the model's proven error, holds the
    // same. A model without a cheaper way gives evaluate's values.
    virtual void evaluateFromBelow(std::span<const Point3> points,
                                   std::span<FieldValue> out) const {
        evaluate(points, out);
    }
    // The same model at another transmitter power (W), writing no reports.
    virtual std::unique_ptr<BandFieldModel> atPower(double transmitterWatts) const = 0;
    // Bounds of E and H at every point at or above the ground that lies at
    // least `distance` m from the antenna: how far a field over a limit can
    // reach (the three-dimensional zone is searched out to there). Infinite
    // where points may lie that the model cannot assess: they count as over.
    virtual FieldBound boundBeyond(double distance) const = 0;
    // m: the shortest length along which the field may rise and fall again
    // away from the antenna (a quarter of the wavelength of its current).
    virtual double featureLength() const = 0;
};

} // namespace kvarn
