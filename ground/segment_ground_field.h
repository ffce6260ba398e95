#pragma once
// The field due to ground of one segment's current at one point, as
// NEC-2's EFLD adds it for its Sommerfeld ground: the engine calls this
// where it adds the image's field of a segment, and adds the result to the
// segment's free-space field less frati times its mirror's (see
// ground/sommerfeld_ground.h). Lengths are in wavelengths, fields in the
// unit of NEC-2's segment fields.
//
// NEC-2's way, step by step, and where kvarn leaves it:
//  - The field point is moved sideways by the observing wire's radius, as
//    the thin-wire kernel does: along (mirror direction) x (point - mirror
//    centre), the side where z grows (or along z x segment direction when
//    that product vanishes).
//  - R^2 <= 0.95 from the mirror's centre to the (unmoved) point: the
//    tabulated field of a current element is integrated along the segment
//    with the current's three parts, 1, sin(2 pi t) and cos(2 pi t) (t from
//    -length/2 to length/2), by Romberg integration to a change of 1e-4.
//    kvarn does so only within 4 segment lengths of the mirror; out to 20
//    it takes two Gauss points (error below 2e-5 of the field, where
//    Romberg's needs three points at least), and beyond it lumps the
//    segment as below (error below 1e-4): this is where most field points
//    lie, and it halves the work there.
//    Then, if the point lies within about three radii of the mirror's axis
//    (sqrt(d^2 / (d^2 + radius^2)) <= 0.95, d its distance from the axis),
//    the parts across the mirror's direction are scaled down by that
//    factor, as NEC-2's FORTRAN does (nec2c and necpp apply it to the
//    other branch instead); not for a point in space (radius 0), which
//    NEC-2 would also scale when it lies within 1e-5 wavelengths of the
//    axis.
//  - Beyond: the field of a current element at the segment's centre with
//    the current's moments, length for the constant part, 0 for the sine,
//    sin(pi length) / pi for the cosine; NEC-2 takes Norton's form for it,
//    kvarn its far tables (see ground/sommerfeld_ground.h).
//
// For a point in space (a field point, not on a wire) the curl of that
// field comes with it, integrated on the same steps, from the slopes of the
// tables: the field due to ground's share of the magnetic field, H =
// curl E / (-j omega mu). With the two, the magnetic field is the curl of
// the electric one everywhere, which NEC-2's reflection-coefficient H over
// a lossy ground is not.

#include <array>
#include <complex>

#include "ground/sommerfeld_ground.h"

namespace kvarn::ground {

using Vec3 = std::array<double, 3>;                    // x, y, z
using FieldVec3 = std::array<std::complex<double>, 3>; // x, y, z

struct Segment {
    Vec3 centre;       // wavelengths, z >= 0
    Vec3 direction;    // unit vector along the segment (NEC-2's cabj, sabj, salpj)
    double length = 0; // wavelengths
};

// The field due to ground of the segment's current parts at the point.
struct SegmentGroundField {
    FieldVec3 constant; // of the current 1 along the whole segment
    FieldVec3 sine;     // of sin(2 pi t)
    FieldVec3 cosine;   // of cos(2 pi t)
};

// point: the field point (wavelengths, z >= 0); observerRadius: the radius
// of the wire the point lies on (0 for a point in space); nearField: the
// size of the segment's free-space field less frati times its mirror's, of
// the constant part, at the point (NEC-2's |(exk, eyk, ezk)| in EFLD): the
// integration's test counts changes below 1e-4 of 1 % of it as none (0:
// relative to the integral alone).
SegmentGroundField segmentGroundField(const SommerfeldGround& ground, const Segment& segment,
                                      const Vec3& point, double observerRadius, double nearField);

// The field due to ground at a point in space and its curl (per wavelength,
// with lengths in wavelengths); `field` is what segmentGroundField gives for
// an observer radius of 0, to the bit.
struct SegmentGroundFieldAndCurl {
    SegmentGroundField field;
    SegmentGroundField curl;
};
SegmentGroundFieldAndCurl segmentGroundFieldAndCurl(const SommerfeldGround& ground,
                                                    const Segment& segment, const Vec3& point,
                                                    double nearField);

// The field of the current A + B sin(2 pi t) + C cos(2 pi t).
FieldVec3 combine(const SegmentGroundField& f, std::complex<double> a, std::complex<double> b,
                  std::complex<double> c);

} // namespace kvarn::ground
