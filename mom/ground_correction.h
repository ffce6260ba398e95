#pragma once
// Where a real ground joins the engine. NEC-2 takes the field of a segment
// over real ground in three parts: the direct field, the field of the
// segment's image times a reflection factor, and a correction read from
// tables of the Sommerfeld integrals (the quantities NEC-2 calls ERV, EZV,
// ERH and EPH, looked up at the distance of the image). Free space has no
// image and perfect ground an image of factor 1 and no correction: for
// both the engine is given no GroundCorrection. A real ground gives one
// (mom/real_ground.h).

#include "mom/complex_vec.h"
#include "mom/free_space_field.h"

namespace kvarn::mom {

class GroundCorrection {
  public:
    virtual ~GroundCorrection() = default;
    // The factor of the image's field: (eps_c - 1) / (eps_c + 1) in NEC-2,
    // eps_c the ground's complex relative permittivity.
    virtual Complex imageFactor() const = 0;
    // Adds the tabulated correction to the E of the three current terms of
    // `source` at point p (observation radius ai); lengths in wavelengths,
    // fields per ampere as segmentE gives them. `e` holds the direct field
    // and the image's on entry: the correction's integration is measured
    // against them, as NEC-2 does.
    virtual void addE(const SegmentInWavelengths& source, Vec3 p, double ai,
                      TermFields& e) const = 0;
    // The same at a point in space (radius 0), and the correction's share
    // of H, as segmentH gives H: the curl of the correction to E.
    virtual void addEH(const SegmentInWavelengths& source, Vec3 p, TermFields& e,
                       TermFields& h) const = 0;
};

} // namespace kvarn::mom
