#pragma once
// The method of moments as a field model of the assessment: the wire's
// currents solved from its feed, over the station's ground, scaled to the
// band's power at the feed; E and H anywhere from them.

#include <memory>

#include "assessment/field_model.h"
#include "mom/analysis.h"
#include "station/station.h"

namespace kvarn {

class MomBandModel : public BandFieldModel {
  public:
    // Solves the station's wire on the band at `power` W at the transmitter.
    // A wire the engine cannot take (the station reader refuses it first)
    // throws std::invalid_argument with the engine's reason.
    MomBandModel(const Station& station, const Band& band, double power);

    std::optional<FeedFacts> feed() const override;
    PlaneOutcome scanPlane(const GridAxes& axes, double height,
                           std::span<PlaneSink* const> sinks) override;
    void evaluate(std::span<const Point3> points, std::span<FieldValue> out) const override;
    // The engine's node forms away from the wire (NearField::fromBelow):
    // short of evaluate by some 1e-5 of the segments' fields at most.
    void evaluateFromBelow(std::span<const Point3> points,
                           std::span<FieldValue> out) const override;
    std::unique_ptr<BandFieldModel> atPower(double transmitterWatts) const override;
    // The segments' current moments as short current elements, their
    // images' too over a ground.
    FieldBound boundBeyond(double distance) const override;
    double featureLength() const override;

  private:
    // evaluate, or evaluateFromBelow.
    void fieldsAt(std::span<const Point3> points, std::span<FieldValue> out, bool fromBelow) const;
    // The same solution at another power: fields scale with its square root.
    MomBandModel(std::shared_ptr<const mom::WireAnalysis> solved, double solvedFeedPower,
                 double feedPower, bool overGround);

    std::shared_ptr<const mom::WireAnalysis> solved_; // at solvedFeedPower_
    Band band_;
    double solvedFeedPower_ = 0; // W
    double feedPower_ = 0;       // W, what this model radiates
    double scale_ = 1;           // of the solved fields
    bool overGround_ = false;    // the images add their fields
};

} // namespace kvarn
