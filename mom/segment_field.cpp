#include "mom/segment_field.h"

namespace kvarn::mom {

namespace {

Complex imageFactor(const GroundModel& ground) {
    return ground.correction ? ground.correction->imageFactor() : Complex{1, 0};
}

} // namespace

SegmentInWavelengths inWavelengths(const Segment& s, double wavelength) {
    return {(1 / wavelength) * s.centre, s.direction, s.length / wavelength};
}

SegmentInWavelengths imageOf(const SegmentInWavelengths& s) {
    SegmentInWavelengths image = s;
    image.centre = mirrored(s.centre);
    image.direction.z = -s.direction.z;
    return image;
}

TermFields fieldE(const SegmentInWavelengths& s, Vec3 p, double ai, const GroundModel& ground) {
    TermFields field = segmentE(s, p, ai);
    if (ground.kind == Ground::FreeSpace) return field;
    field = field + (-imageFactor(ground)) * segmentE(imageOf(s), p, ai);
    if (ground.correction) ground.correction->addE(s, p, ai, field);
    return field;
}

TermFields fieldH(const SegmentInWavelengths& s, Vec3 p, double ai, const GroundModel& ground) {
    // Over a real ground H is the curl of E at the point itself: the
    // observation radius is NEC-2's device for E on a wire's surface.
    if (ground.correction) return fieldEH(s, p, ground).h;
    TermFields field = segmentH(s, p, ai);
    if (ground.kind == Ground::FreeSpace) return field;
    return field + (-imageFactor(ground)) * segmentH(imageOf(s), p, ai);
}

TermFieldsEH fieldEH(const SegmentInWavelengths& s, Vec3 p, const GroundModel& ground) {
    TermFieldsEH f;
    segmentEH(s, p, f.e, f.h);
    if (ground.kind == Ground::FreeSpace) return f;
    TermFields e, h;
    segmentEH(imageOf(s), p, e, h);
    const Complex factor = -imageFactor(ground);
    f.e = f.e + factor * e;
    f.h = f.h + factor * h;
    if (ground.correction) ground.correction->addEH(s, p, f.e, f.h);
    return f;
}

} // namespace kvarn::mom
