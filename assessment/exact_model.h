#pragma once
// The exact models of the interactive programs (the standing wave and the
// short model) as a field model of the assessment: the element sums of the
// fast kernel, E from mode E and H from mode M. Their report files of the
// modes R T E M Z are theirs alone; a scan writes them byte for byte as the
// interactive programs do for the same input.

#include <memory>

#include "assessment/field_model.h"
#include "field/point_work.h"
#include "station/station.h"

namespace kvarn {

class ExactBandModel : public BandFieldModel {
  public:
    // The band's model at `power` W at the transmitter (through the band's
    // power chain to the feed); `reports`, when given, receives the report
    // files of the station's report modes at every plane scanned.
    ExactBandModel(const Station& station, const Band& band, double power,
                   ReportStreams* reports = nullptr);

    PlaneOutcome scanPlane(const GridAxes& axes, double height,
                           std::span<PlaneSink* const> sinks) override;
    void evaluate(std::span<const Point3> points, std::span<FieldValue> out) const override;
    std::unique_ptr<BandFieldModel> atPower(double transmitterWatts) const override;
    FieldBound boundBeyond(double distance) const override;
    // A quarter wavelength, from a node of the standing wave to its crest
    // (of the shorter of the real wavelength and the one the model lays its
    // current with).
    double featureLength() const override;

    double feedPower() const { return feedPower_; } // W
    // What the kernel reads for points at this height: the elements with
    // their currents at this model's power.
    PointInputs inputs(double height) const;

  private:
    const Station& station_;
    Band band_;
    ReportStreams* reports_;
    std::unique_ptr<ElementTable> table_;
    std::uint16_t count_ = 0;
    double lambda_ = 0, omega_ = 0; // m, rad/s
    double feedPower_ = 0;          // W
};

} // namespace kvarn
