#include "field/element_field.h"

#include <cmath>

#include "field/constants.h"
#include "field/point_work.h"

namespace kvarn {

namespace {

bool electricMode(char mode) {
    return mode == 'R' || mode == 'T' || mode == 'E';
}
bool radialMode(char mode) {
    return mode == 'R' || mode == 'E';
}
bool thetaMode(char mode) {
    return mode == 'T' || mode == 'E';
}
bool magneticMode(char mode) {
    return mode == 'M' || mode == 'Z';
}

// Adds magnitude * e^(j phase) along the direction (vx, vy, vz) to the real
// and imaginary sums of the three axes, axis by axis.
void addAlong(double vx, double vy, double vz, long double magnitude, long double phase,
              long double& xre, long double& xim, long double& yre, long double& yim,
              long double& zre, long double& zim) {
    const long double cp = cosl(phase);
    const long double sp = sinl(phase);
    double w = static_cast<double>(vx * magnitude);
    xre = xre + cp * w;
    xim = xim + sp * w;
    w = static_cast<double>(vy * magnitude);
    yre = yre + cp * w;
    yim = yim + sp * w;
    w = static_cast<double>(vz * magnitude);
    zre = zre + cp * w;
    zim = zim + sp * w;
}

} // namespace

void elementField(const PointInputs& in, PointWork& work) {
    const AntennaElement& e = (*in.elements)[work.i];
    const ElementGeometry& g = work.geometry;
    const char mode = in.fieldMode;
    const double omega = in.omega;
    ElementField& f = work.field;

    // The element's current moment over the program's 4 pi, and its
    // electrical distance k r.
    const double a = static_cast<double>(static_cast<long double>(e.current) * e.length / kFourPi);
    const double x = static_cast<double>(static_cast<long double>(g.r) * kTwoPi / in.lambda);
    double r3 = 0, r2 = 0;
    if (electricMode(mode))
        r3 = static_cast<double>(static_cast<long double>(g.r) * g.r * g.r);
    else
        r2 = static_cast<double>(static_cast<long double>(g.r) * g.r);
    const double s = static_cast<double>(sinl(x));
    const double c = static_cast<double>(cosl(x));
    const double st = static_cast<double>(sinl(g.theta));
    const double ct = static_cast<double>(cosl(g.theta));

    // The bracketed terms, in extended precision.
    const long double cxMinusS = static_cast<long double>(c) * x - s;
    const long double sxPlusC = static_cast<long double>(s) * x + c;
    const long double xSquared = static_cast<long double>(x) * x;

    if (radialMode(mode)) {
        const double re = static_cast<double>(static_cast<long double>(a) * 2.0L * ct / omega /
                                              kEpsilon0 / r3 * cxMinusS);
        const double im = static_cast<double>(static_cast<long double>(a) * -2.0L * ct / omega /
                                              kEpsilon0 / r3 * sxPlusC);
        f.erabs = sqrtl(static_cast<long double>(re) * re + static_cast<long double>(im) * im);
        f.erphase = angle(re, im);
    }
    if (thetaMode(mode)) {
        const double re = static_cast<double>(static_cast<long double>(st) * a / omega / kEpsilon0 /
                                              r3 * (xSquared * s + cxMinusS));
        const double im = static_cast<double>(static_cast<long double>(-a) * st / omega /
                                              kEpsilon0 / r3 * (sxPlusC - xSquared * c));
        f.ethabs = sqrtl(static_cast<long double>(re) * re + static_cast<long double>(im) * im);
        f.ethphase = angle(re, im);
    }
    if (magneticMode(mode)) {
        const double re = static_cast<double>(static_cast<long double>(st) * a / r2 * sxPlusC);
        const double im = static_cast<double>(static_cast<long double>(st) * a / r2 * cxMinusS);
        f.habs = sqrtl(static_cast<long double>(re) * re + static_cast<long double>(im) * im);
        f.hphase = angle(re, im);
    }
}

void accumulateField(const PointInputs& in, PointWork& work) {
    const ElementGeometry& g = work.geometry;
    const ElementField& f = work.field;
    const char mode = in.fieldMode;
    FieldSums& sums = work.sums;

    if (radialMode(mode))
        addAlong(g.ux, g.uy, g.uz, f.erabs, f.erphase, sums.exre, sums.exim, sums.eyre, sums.eyim,
                 sums.ezre, sums.ezim);
    if (thetaMode(mode))
        addAlong(g.ethx, g.ethy, g.ethz, f.ethabs, f.ethphase, sums.exre, sums.exim, sums.eyre,
                 sums.eyim, sums.ezre, sums.ezim);
    if (magneticMode(mode))
        addAlong(g.ephx, g.ephy, g.ephz, f.habs, f.hphase, sums.hxre, sums.hxim, sums.hyre,
                 sums.hyim, sums.hzre, sums.hzim);
}

} // namespace kvarn
