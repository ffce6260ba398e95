#pragma once
// A real (lossy) ground for the engine: NEC-2's Sommerfeld-Norton ground of
// ground/ behind the engine's seam, with the image factor frati and the
// correction from the tables, and H over the ground as the curl of E (see
// ground/segment_ground_field.h). The tables are built once per band, the
// ground's constants and the frequency: groundFor() keeps the last few.

#include <memory>

#include "ground/sommerfeld_ground.h"
#include "mom/ground_correction.h"
#include "mom/segment_field.h"
#include "mom/wire.h"

namespace kvarn::mom {

class RealGround final : public GroundCorrection {
  public:
    // Builds the tables on `threads` threads (0: momThreads()); throws
    // std::invalid_argument for constants segmentWire refuses.
    RealGround(const Soil& soil, double frequencyMHz, unsigned threads = 0);

    Complex imageFactor() const override;
    void addE(const SegmentInWavelengths& source, Vec3 p, double ai, TermFields& e) const override;
    void addEH(const SegmentInWavelengths& source, Vec3 p, TermFields& e,
               TermFields& h) const override;

    const ground::SommerfeldGround& sommerfeld() const { return ground_; }

  private:
    ground::SommerfeldGround ground_;
};

// The ground of this band, built on `threads` threads the first time it is
// asked for and kept for the next calls with the same constants and
// frequency (the last eight bands); any thread may call it.
std::shared_ptr<const RealGround> realGroundFor(const Soil& soil, double frequencyMHz,
                                                unsigned threads = 0);

// The ground model of a checked wire (segmentWire passed it): nothing for
// free space, the image for perfect ground, and for a real ground the
// band's tables from realGroundFor().
GroundModel groundModel(const WireSpec& wireSpec, unsigned threads = 0);

} // namespace kvarn::mom
