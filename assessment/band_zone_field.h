#pragma once
// A band's field model as the zone search sees it: the share of the
// band's limits at any points, from the model's fields from below (never
// above its own values, so that a point in the zone is in it), and the
// model's own bound far out.

#include "assessment/field_model.h"
#include "limits/reference_levels.h"
#include "zone/zone_field.h"

namespace kvarn {

class BandZoneField : public zone::ZoneField {
  public:
    // The model and the limits must outlive the field.
    BandZoneField(const BandFieldModel& model, const ReferenceLevels& limits)
        : model_(model), limits_(limits) {}

    void evaluate(std::span<const zone::Point3> points,
                  std::span<zone::ZoneSample> out) const override;
    double shareBound(double distance) const override;
    double featureLength() const override { return model_.featureLength(); }

  private:
    const BandFieldModel& model_;
    ReferenceLevels limits_;
};

} // namespace kvarn
