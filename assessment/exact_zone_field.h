#pragma once
// The exact models of one band as a field for the zone search:
// E (mode E, V/m) and H (mode M / 100, A/m) as a share of the band's limits,
// at points of any height, with a proven bound far from the wire.

#include <vector>

#include "assessment/exact_model.h"
#include "limits/reference_levels.h"
#include "station/station.h"
#include "zone/zone_field.h"

namespace kvarn {

class StandingWaveField : public zone::ZoneField {
  public:
    // The band's model at its transmitter power; `threads` share a batch
    // (each point is computed whole by one of them).
    StandingWaveField(const Station& station, const Band& band, ReferenceLevels limits,
                      unsigned threads);

    // A point within 2.1 m of an element centre, or one where the model
    // stops at an angle cosine out of range, does not hold.
    void evaluate(std::span<const zone::Point3> points,
                  std::span<zone::ZoneSample> out) const override;
    double shareBound(double distance) const override;
    // A quarter wavelength, from a node of the standing wave to its crest
    // (of the shorter of the real wavelength and the one the model lays
    // its current with).
    double featureLength() const override { return quarterWave_; }

  private:
    ExactBandModel model_;
    ReferenceLevels limits_;
    unsigned threads_;
    std::vector<double> moments_; // per element: |current * length| / the program's 4 pi
    double k_ = 0;                // rad/m: the program's 2 pi over the wavelength
    double omegaEpsilon_ = 0;     // S/m: the angular frequency times the program's epsilon 0
    double quarterWave_ = 0;      // m
};

} // namespace kvarn
