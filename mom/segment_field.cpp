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
    TermFields field = segmentH(s, p, ai);
    if (ground.kind == Ground::FreeSpace) return field;
    // NEC-2 takes H over real ground from reflection coefficients of the
    // image alone; the factor stands for them until a real ground brings its own.
    return field + (-imageFactor(ground)) * segmentH(imageOf(s), p, ai);
}

} // namespace kvarn::mom
