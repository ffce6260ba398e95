#include "field/fast_kernel.h"

#include <cmath>

#include "field/constants.h"
#include "field/fast_trig.h"

namespace kvarn {

namespace {

// angle() of the geometry, on the kernel's arctangent.
inline double kernelAngle(double x, double y) {
    long double a;
    if (fabsl(x) < 1e-6L)
        a = kHalfPi;
    else
        a = arcTan(fabsl(static_cast<long double>(y) / x));
    if (x >= 0) return static_cast<double>(y >= 0 ? a : -a);
    return static_cast<double>(y >= 0 ? kPi - a : a - kPi);
}

// Real and imaginary parts of the x, y, z components of one field.
struct Sums {
    long double xre = 0, xim = 0, yre = 0, yim = 0, zre = 0, zim = 0;

    double magnitude() const {
        return static_cast<double>(
            sqrtl(xre * xre + xim * xim + yre * yre + yim * yim + zre * zre + zim * zim));
    }
};

// One component of an element's field along a direction: magnitude times
// e^(j phase), axis by axis, as the sums receive it.
struct Contribution {
    long double cp, sp; // cos and sin of the phase
    double wx, wy, wz;  // direction component times magnitude, rounded

    Contribution(double vx, double vy, double vz, long double magnitude, long double phase) {
        const SinCos p = sinCos(phase);
        cp = p.c;
        sp = p.s;
        wx = static_cast<double>(vx * magnitude);
        wy = static_cast<double>(vy * magnitude);
        wz = static_cast<double>(vz * magnitude);
    }
    void addTo(Sums& s) const {
        s.xre = s.xre + cp * wx;
        s.xim = s.xim + sp * wx;
        s.yre = s.yre + cp * wy;
        s.yim = s.yim + sp * wy;
        s.zre = s.zre + cp * wz;
        s.zim = s.zim + sp * wz;
    }
};

inline long double hypotenuse(double re, double im) {
    return sqrtl(static_cast<long double>(re) * re + static_cast<long double>(im) * im);
}

} // namespace

FastModel::FastModel(const PointInputs& in, ModeSet modes)
    : lambda_(in.lambda), omega_(in.omega), height_(in.height), modes_(modes) {
    const std::size_t n = in.elementCount;
    for (auto* v : {&ex_, &ey_, &ez_, &dx_, &dy_, &dz_, &a_})
        v->reserve(n);
    for (std::size_t i = 1; i <= n; ++i) {
        const AntennaElement& e = (*in.elements)[i];
        ex_.push_back(e.x);
        ey_.push_back(e.y);
        ez_.push_back(e.z);
        dx_.push_back(e.dx);
        dy_.push_back(e.dy);
        dz_.push_back(e.dz);
        // The element's current moment over the program's 4 pi: the same
        // double for every point.
        a_.push_back(static_cast<double>(static_cast<long double>(e.current) * e.length / kFourPi));
    }
}

ComputedPoint FastModel::point(double xp, double yp) const {
    const bool radial = hasMode(modes_, 'R') || hasMode(modes_, 'E');
    const bool theta = hasMode(modes_, 'T') || hasMode(modes_, 'E');
    const bool magnetic = hasMode(modes_, 'M') || hasMode(modes_, 'Z');
    if (magnetic) {
        if (radial)
            return theta ? compute<true, true, true>(xp, yp) : compute<true, false, true>(xp, yp);
        return theta ? compute<false, true, true>(xp, yp) : compute<false, false, true>(xp, yp);
    }
    if (radial)
        return theta ? compute<true, true, false>(xp, yp) : compute<true, false, false>(xp, yp);
    return compute<false, true, false>(xp, yp);
}

template <bool Radial, bool Theta, bool Magnetic>
ComputedPoint FastModel::compute(double xp, double yp) const {
    const bool wantE = hasMode(modes_, 'E');
    const bool wantR = hasMode(modes_, 'R');
    const bool wantT = hasMode(modes_, 'T');
    const double zp = height_;
    Sums e, r, t, h;
    bool tooclose = false;
    ComputedPoint out;
    out.result.xp = xp;
    out.result.yp = yp;

    const std::size_t n = a_.size();
    for (std::size_t k = 0; k < n; ++k) {
        // The geometry of the element seen from the point.
        const double ex = ex_[k], ey = ey_[k], ez = ez_[k];
        const double dx = dx_[k], dy = dy_[k], dz = dz_[k];
        const long double px = static_cast<long double>(xp) - ex;
        const long double py = static_cast<long double>(yp) - ey;
        const long double pz = static_cast<long double>(zp) - ez;
        double dist = static_cast<double>(sqrtl(px * px + py * py + pz * pz));
        if (dist < kMinDistance) dist = static_cast<double>(kMinDistance);
        if (dist <= kTooClose) tooclose = true;
        const double ux = static_cast<double>(px / dist);
        const double uy = static_cast<double>(py / dist);
        const double uz = static_cast<double>(pz / dist);
        double cth = static_cast<double>(static_cast<long double>(dx) * ux +
                                         static_cast<long double>(dy) * uy +
                                         static_cast<long double>(dz) * uz);
        if (cth > kCthTolerance || cth < -kCthTolerance) {
            out.cthElement = static_cast<std::uint16_t>(k + 1);
            return out;
        }
        // A point too close is worth 0 whatever the sums; only the angle
        // cosines of the remaining elements still count.
        if (tooclose) continue;
        if (cth > 1) cth = 1;
        if (cth < -1) cth = -1;
        // sqrt(1 - cth^2) serves sth here and tth below, unless cth is 0
        // and takes another value before tth.
        long double root = sqrtl(1.0L - static_cast<long double>(cth) * cth);
        const double sth = static_cast<double>(root);
        const double thetaAngle = kernelAngle(cth, sth);
        if (cth == 0) {
            cth = static_cast<double>(1e-6L);
            root = sqrtl(1.0L - static_cast<long double>(cth) * cth);
        }

        double ethx = 0, ethy = 0, ethz = 0;
        if constexpr (Theta || Magnetic) {
            const long double along = static_cast<long double>(dist) / cth;
            const double fx = static_cast<double>(ex + dx * along);
            const double fy = static_cast<double>(ey + dy * along);
            const double fz = static_cast<double>(ez + dz * along);
            const double tth = static_cast<double>(root / cth);
            if (tth != 0) {
                ethx = static_cast<double>((static_cast<long double>(xp) - fx) / dist / tth);
                ethy = static_cast<double>((static_cast<long double>(yp) - fy) / dist / tth);
                ethz = static_cast<double>((static_cast<long double>(zp) - fz) / dist / tth);
            }
        }

        // The element's field.
        const double a = a_[k];
        const double x = static_cast<double>(static_cast<long double>(dist) * kTwoPi / lambda_);
        const SinCos kx = sinCos(x);
        const double s = static_cast<double>(kx.s);
        const double c = static_cast<double>(kx.c);
        const SinCos th = sinCos(thetaAngle);
        const double st = static_cast<double>(th.s);
        const double ct = static_cast<double>(th.c);
        const long double cxMinusS = static_cast<long double>(c) * x - s;
        const long double sxPlusC = static_cast<long double>(s) * x + c;

        double r3 = 0;
        if constexpr (Radial || Theta)
            r3 = static_cast<double>(static_cast<long double>(dist) * dist * dist);
        if constexpr (Radial) {
            // a * -2.0 * ct / ... is the negative of a * 2.0 * ct / ...
            // exactly: rounding to nearest is symmetric.
            const long double q = static_cast<long double>(a) * 2.0L * ct / omega_ / kEpsilon0 / r3;
            const double re = static_cast<double>(q * cxMinusS);
            const double im = static_cast<double>(-q * sxPlusC);
            const Contribution radialPart(ux, uy, uz, hypotenuse(re, im), kernelAngle(re, im));
            if (wantE) radialPart.addTo(e);
            if (wantR) radialPart.addTo(r);
        }
        if constexpr (Theta) {
            const long double xSquared = static_cast<long double>(x) * x;
            // (-a) * st / ... likewise is the negative of st * a / ...
            const long double p = static_cast<long double>(st) * a / omega_ / kEpsilon0 / r3;
            const double re = static_cast<double>(p * (xSquared * s + cxMinusS));
            const double im = static_cast<double>(-p * (sxPlusC - xSquared * c));
            const Contribution thetaPart(ethx, ethy, ethz, hypotenuse(re, im), kernelAngle(re, im));
            if (wantE) thetaPart.addTo(e);
            if (wantT) thetaPart.addTo(t);
        }
        if constexpr (Magnetic) {
            const double ephx = static_cast<double>(static_cast<long double>(ethz) * uy -
                                                    static_cast<long double>(ethy) * uz);
            const double ephy = static_cast<double>(static_cast<long double>(ethx) * uz -
                                                    static_cast<long double>(ethz) * ux);
            const double ephz = static_cast<double>(static_cast<long double>(ethy) * ux -
                                                    static_cast<long double>(ethx) * uy);
            const double r2 = static_cast<double>(static_cast<long double>(dist) * dist);
            const long double m = static_cast<long double>(st) * a / r2;
            const double re = static_cast<double>(m * sxPlusC);
            const double im = static_cast<double>(m * cxMinusS);
            Contribution(ephx, ephy, ephz, hypotenuse(re, im), kernelAngle(re, im)).addTo(h);
        }
    }

    out.result.tooclose = tooclose;
    if (tooclose) return out; // every value 0
    auto& v = out.result.values;
    if (wantE) v[modeIndex('E')] = e.magnitude();
    if (wantR) v[modeIndex('R')] = r.magnitude();
    if (wantT) v[modeIndex('T')] = t.magnitude();
    if constexpr (Magnetic) {
        const double hm = h.magnitude();
        if (hasMode(modes_, 'M')) v[modeIndex('M')] = static_cast<double>(100.0L * hm);
        if (hasMode(modes_, 'Z')) v[modeIndex('Z')] = static_cast<double>(kWaveImpedance * hm);
    }
    return out;
}

ComputedPoint referencePoint(const PointInputs& in, ModeSet modes, double xp, double yp) {
    ComputedPoint out;
    out.result.xp = xp;
    out.result.yp = yp;
    for (int k = 0; k < kModeCount; ++k) {
        const char mode = kModeLetters[k];
        if (!hasMode(modes, mode)) continue;
        PointInputs one = in;
        one.fieldMode = mode;
        PointWork work;
        startPoint(work, xp, yp);
        sumElements(one, work);
        if (work.cthStop) {
            out.cthElement = work.cthElement;
            return out;
        }
        out.result.tooclose = work.tooclose;
        out.result.values[static_cast<std::size_t>(k)] = pointValue(mode, work);
    }
    return out;
}

} // namespace kvarn
