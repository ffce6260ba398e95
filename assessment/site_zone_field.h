#pragma once
// The field of a whole site as the zone search sees it. One transmitter at
// a time: the share at a point is the largest over the antennas and their
// bands, so that the zone is the union of the antennas' zones. At the same
// time: per antenna the largest (E / E_limit)^2 over its bands, summed over
// the antennas, and the same for H; the share is the root of the larger
// sum, so that it exceeds 1 where either sum does.

#include <cstddef>
#include <vector>

#include "assessment/field_model.h"
#include "limits/reference_levels.h"
#include "zone/zone_field.h"

namespace kvarn {

// A band of an antenna: its model at the band's power and its limits. The
// model must outlive the field.
struct SiteSource {
    std::size_t antenna = 0;
    const BandFieldModel* model = nullptr;
    ReferenceLevels limits{};
};

class SiteZoneField : public zone::ZoneField {
  public:
    SiteZoneField(std::vector<SiteSource> sources, std::size_t antennas, bool simultaneous);

    void evaluate(std::span<const zone::Point3> points,
                  std::span<zone::ZoneSample> out) const override;
    double shareBound(double distance) const override;
    double featureLength() const override;

    // The quotients E and H at each point: per antenna the largest over
    // its bands, then summed (at the same time) or the largest (one at a
    // time); holds is false where some model cannot give the field. From
    // the models' fields from below, as a band's zone takes them, so that a
    // point in the zone is in it.
    struct Quotients {
        double e = 0, h = 0;
        bool holds = true;
    };
    std::vector<Quotients> quotients(std::span<const Point3> points) const;

  private:
    // Per antenna the quotients from its bands, combined over the antennas.
    Quotients combine(const std::vector<Quotients>& perAntenna) const;

    std::vector<SiteSource> sources_;
    std::size_t antennas_;
    bool simultaneous_;
};

} // namespace kvarn
