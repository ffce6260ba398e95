#pragma once
// The field of one segment's three current terms at one point, with the
// ground: the direct field, the image's field times its reflection factor,
// and the real ground's correction where there is one.

#include <memory>

#include "mom/free_space_field.h"
#include "mom/ground_correction.h"
#include "mom/wire.h"

namespace kvarn::mom {

struct GroundModel {
    Ground kind = Ground::FreeSpace;
    std::shared_ptr<const GroundCorrection> correction =
        nullptr; // none for free space, perfect ground
};

// A segment of the wire measured in wavelengths.
SegmentInWavelengths inWavelengths(const Segment& s, double wavelength);

// The image of a segment in the plane z = 0: mirrored, its vertical
// direction kept and its horizontal ones turned, which is the segment
// mirrored with its current reversed; hence the minus sign below.
SegmentInWavelengths imageOf(const SegmentInWavelengths& s);

TermFields fieldE(const SegmentInWavelengths& s, Vec3 p, double ai, const GroundModel& ground);
TermFields fieldH(const SegmentInWavelengths& s, Vec3 p, double ai, const GroundModel& ground);

// E and H together at a point in space (radius 0): over a real ground the
// correction's E and its curl come from one integration along the segment.
struct TermFieldsEH {
    TermFields e, h;
};
TermFieldsEH fieldEH(const SegmentInWavelengths& s, Vec3 p, const GroundModel& ground);

} // namespace kvarn::mom
