#pragma once
// The four quantities of the field due to ground, NEC-2's ERV, EZV, ERH and
// EPH, in the normalisation of its interpolation tables. How they make a
// field is told in ground/sommerfeld_ground.h, the header the engine reads.

#include <complex>

namespace kvarn::ground {

struct GroundFields {
    std::complex<double> erv; // radial field of a vertical current element
    std::complex<double> ezv; // vertical field of a vertical current element
    std::complex<double> erh; // radial field of a horizontal current element, times 1/cos(phi)
    std::complex<double> eph; // azimuthal field of a horizontal current element, times 1/sin(phi)
};

inline GroundFields operator+(const GroundFields& a, const GroundFields& b) {
    return {a.erv + b.erv, a.ezv + b.ezv, a.erh + b.erh, a.eph + b.eph};
}
inline GroundFields operator-(const GroundFields& a, const GroundFields& b) {
    return {a.erv - b.erv, a.ezv - b.ezv, a.erh - b.erh, a.eph - b.eph};
}
inline GroundFields operator*(std::complex<double> s, const GroundFields& a) {
    return {s * a.erv, s * a.ezv, s * a.erh, s * a.eph};
}
// acc += w * a, the step of every interpolation.
inline void addScaled(GroundFields& acc, double w, const GroundFields& a) {
    acc.erv += w * a.erv;
    acc.ezv += w * a.ezv;
    acc.erh += w * a.erh;
    acc.eph += w * a.eph;
}

// Straight above the image (theta = 90 degrees) the field cannot depend on
// which horizontal direction the radial one is: ERV is 0 and EPH is -ERH.
// The integrals give that to their accuracy; table nodes there are made to
// hold it exactly, so that the curl, which divides these by the horizontal
// distance, has its finite limit above the image.
inline void holdStraightAbove(GroundFields& g) {
    g.erv = 0;
    g.erh = 0.5 * (g.erh - g.eph);
    g.eph = -g.erh;
}

// The four quantities at a point with their slopes along R and theta, from
// which the curl of the field due to ground follows.
struct GroundFieldSlopes {
    GroundFields value;
    GroundFields dr;     // d/dR, per wavelength
    GroundFields dtheta; // d/dtheta, per radian
};

} // namespace kvarn::ground
