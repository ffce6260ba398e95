#include "field/fast_kernel.h"

#include <algorithm>
#include <cmath>

#include "field/constants.h"
#include "field/extended_bits.h"
#include "field/fast_angle.h"
#include "field/fast_trig.h"

namespace kvarn {

namespace {

inline long double hypotenuse(double re, double im) {
    return sqrtl(static_cast<long double>(re) * re + static_cast<long double>(im) * im);
}

// Real and imaginary parts of the x, y, z components of one field.
struct Sums {
    long double xre = 0, xim = 0, yre = 0, yim = 0, zre = 0, zim = 0;

    double magnitude() const {
        return static_cast<double>(
            sqrtl(xre * xre + xim * xim + yre * yre + yim * yim + zre * zre + zim * zim));
    }
};

// The limits the geometry compares doubles with, as doubles that decide
// each comparison alike (see doubleBelow): SSE2 compares them without
// loading an extended constant.
constexpr double kMinDistanceAbove = doubleAbove(kMinDistance);   // dist < kMinDistance
constexpr double kTooCloseBelow = doubleBelow(kTooClose);         // dist <= kTooClose
constexpr double kCthToleranceBelow = doubleBelow(kCthTolerance); // |cth| > kCthTolerance

// Elements whose steps run one after another before the next elements':
// enough that each step's loop keeps several independent elements in
// flight, few enough that the block's values stay in the first-level cache.
constexpr std::size_t kBlock = 32;

// An extended value kept in two doubles: hi, the nearest double, and
// lo = v - hi, a multiple of ulp(v) below ulp(hi) / 2, which add up to it
// exactly when ulp(v) is a double, |v| >= 2^-1011. So it is for the square
// root sqrt(1 - cth^2), 0 or above 2^-27 for a double cth, and for the
// sines and cosines of the phases (see sinCosOfAngleHalves). Stores of
// doubles cost a fraction of the 80-bit ones.
struct Halves {
    double hi[kBlock], lo[kBlock];

    long double operator[](std::size_t i) const { return static_cast<long double>(hi[i]) + lo[i]; }
};

// One component of an element's field along a direction, as the sums receive
// it: the cosine and sine of its phase, and the direction times the
// magnitude, rounded per axis.
struct Part {
    Halves cp, sp;
    double wx[kBlock], wy[kBlock], wz[kBlock];
};

// Adds the block's parts, element by element and part by part in the order
// given, to the real (cosine) or imaginary (sine) sums of the three axes:
// s = s + cp * w, as addAlong does. Each sum is its own chain of roundings,
// so the three axes and the real and imaginary sums may go one after another.
template <std::size_t N>
void addParts(const Part* const (&parts)[N], bool imaginary, std::size_t m, long double& sx,
              long double& sy, long double& sz) {
    long double x = sx, y = sy, z = sz;
    for (std::size_t i = 0; i < m; ++i)
        for (const Part* p : parts) {
            const long double f = imaginary ? p->sp[i] : p->cp[i];
            x = x + f * p->wx[i];
            y = y + f * p->wy[i];
            z = z + f * p->wz[i];
        }
    sx = x, sy = y, sz = z;
}

template <std::size_t N> void addParts(const Part* const (&parts)[N], std::size_t m, Sums& s) {
    addParts(parts, false, m, s.xre, s.yre, s.zre);
    addParts(parts, true, m, s.xim, s.yim, s.zim);
}

// A block's values from one step to the next, by element of the block.
struct Block {
    double dist[kBlock];                             // m
    double ux[kBlock], uy[kBlock], uz[kBlock];       // towards the point
    double cth[kBlock];                              // angle cosine, within -1 .. 1
    Halves root;                                     // sqrt(1 - cth^2)
    double theta[kBlock];                            // rad
    double ethx[kBlock], ethy[kBlock], ethz[kBlock]; // theta direction
    double ephx[kBlock], ephy[kBlock], ephz[kBlock]; // phi direction
    double x[kBlock];                                // k r
    double s[kBlock], c[kBlock], st[kBlock], ct[kBlock];
    double re[3][kBlock], im[3][kBlock], phase[3][kBlock]; // radial, theta, magnetic
    Part part[3];
};

// Fills a part from its field and direction.
void makePart(const double* re, const double* im, const double* phase, const double* vx,
              const double* vy, const double* vz, std::size_t m, Part& p) {
    for (std::size_t i = 0; i < m; ++i) {
        const long double magnitude = hypotenuse(re[i], im[i]);
        const SinCosHalves v = sinCosOfAngleHalves(phase[i]);
        p.cp.hi[i] = v.cHi;
        p.cp.lo[i] = v.cLo;
        p.sp.hi[i] = v.sHi;
        p.sp.lo[i] = v.sLo;
        p.wx[i] = static_cast<double>(vx[i] * magnitude);
        p.wy[i] = static_cast<double>(vy[i] * magnitude);
        p.wz[i] = static_cast<double>(vz[i] * magnitude);
    }
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

// The element loop of the reference, split into steps that each run over a
// block of elements before the next step: the steps of one element form a
// long chain of dependent divisions, square roots and polynomials, while
// different elements depend on each other only through the sums. Each value
// is computed as in the reference and handed from step to step as the
// double the reference stores (or recomputed from those doubles), so every
// rounding stays what it is.
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
    Block b;

    const std::size_t n = a_.size();
    for (std::size_t k0 = 0; k0 < n; k0 += kBlock) {
        const std::size_t m = std::min(kBlock, n - k0);
        const double* const ex = &ex_[k0];
        const double* const ey = &ey_[k0];
        const double* const ez = &ez_[k0];
        const double* const dx = &dx_[k0];
        const double* const dy = &dy_[k0];
        const double* const dz = &dz_[k0];

        // The geometry of each element seen from the point, up to the angle
        // cosine: the stop needs it for every element, even once the point
        // is too close.
        for (std::size_t i = 0; i < m; ++i) {
            const long double px = static_cast<long double>(xp) - ex[i];
            const long double py = static_cast<long double>(yp) - ey[i];
            const long double pz = static_cast<long double>(zp) - ez[i];
            double dist = static_cast<double>(sqrtl(px * px + py * py + pz * pz));
            if (dist < kMinDistanceAbove) dist = static_cast<double>(kMinDistance);
            if (dist <= kTooCloseBelow) tooclose = true;
            const double ux = static_cast<double>(px / dist);
            const double uy = static_cast<double>(py / dist);
            const double uz = static_cast<double>(pz / dist);
            double cth = static_cast<double>(static_cast<long double>(dx[i]) * ux +
                                             static_cast<long double>(dy[i]) * uy +
                                             static_cast<long double>(dz[i]) * uz);
            if (cth > kCthToleranceBelow || cth < -kCthToleranceBelow) {
                out.cthElement = static_cast<std::uint16_t>(k0 + i + 1);
                return out;
            }
            if (cth > 1) cth = 1;
            if (cth < -1) cth = -1;
            b.dist[i] = dist;
            b.ux[i] = ux;
            b.uy[i] = uy;
            b.uz[i] = uz;
            b.cth[i] = cth;
        }
        // A point too close is worth 0 whatever the sums; only the angle
        // cosines of the remaining elements still count.
        if (tooclose) continue;

        // The angle theta. sqrt(1 - cth^2) serves sth here and tth below,
        // kept in halves, unless cth is 0 and takes another value before tth.
        for (std::size_t i = 0; i < m; ++i) {
            const double cth = b.cth[i];
            const long double root = sqrtl(1.0L - static_cast<long double>(cth) * cth);
            const double sth = static_cast<double>(root);
            b.root.hi[i] = sth;
            b.root.lo[i] = static_cast<double>(root - sth);
            b.theta[i] = fastAngle(cth, sth);
        }
        // The theta direction, k r, and the sines and cosines of k r and
        // theta: the divisions of the one and the polynomials of the others
        // keep different units of the processor busy side by side.
        for (std::size_t i = 0; i < m; ++i) {
            double cth = b.cth[i];
            long double root = b.root[i];
            const double dist = b.dist[i];
            if constexpr (Theta || Magnetic) {
                if (cth == 0) {
                    cth = static_cast<double>(1e-6L);
                    root = sqrtl(1.0L - static_cast<long double>(cth) * cth);
                }
                const long double along = static_cast<long double>(dist) / cth;
                const double fx = static_cast<double>(ex[i] + dx[i] * along);
                const double fy = static_cast<double>(ey[i] + dy[i] * along);
                const double fz = static_cast<double>(ez[i] + dz[i] * along);
                const double tth = static_cast<double>(root / cth);
                double ethx = 0, ethy = 0, ethz = 0;
                if (tth != 0) {
                    ethx = static_cast<double>((static_cast<long double>(xp) - fx) / dist / tth);
                    ethy = static_cast<double>((static_cast<long double>(yp) - fy) / dist / tth);
                    ethz = static_cast<double>((static_cast<long double>(zp) - fz) / dist / tth);
                }
                b.ethx[i] = ethx;
                b.ethy[i] = ethy;
                b.ethz[i] = ethz;
            }
            const double x = static_cast<double>(static_cast<long double>(dist) * kTwoPi / lambda_);
            b.x[i] = x;
            const SinCosDouble kx = sinCosDouble(x);
            b.s[i] = kx.s;
            b.c[i] = kx.c;
            const SinCosDouble th = sinCosOfAngleDouble(b.theta[i]);
            b.st[i] = th.s;
            b.ct[i] = th.c;
        }

        // The element's field: magnitude and phase of each component.
        for (std::size_t i = 0; i < m; ++i) {
            const double a = a_[k0 + i];
            const double dist = b.dist[i], x = b.x[i];
            const double s = b.s[i], c = b.c[i], st = b.st[i], ct = b.ct[i];
            const long double cxMinusS = static_cast<long double>(c) * x - s;
            const long double sxPlusC = static_cast<long double>(s) * x + c;
            double r3 = 0;
            if constexpr (Radial || Theta)
                r3 = static_cast<double>(static_cast<long double>(dist) * dist * dist);
            if constexpr (Radial) {
                // a * -2.0 * ct / ... is the negative of a * 2.0 * ct / ...
                // exactly: rounding to nearest is symmetric.
                const long double q =
                    static_cast<long double>(a) * 2.0L * ct / omega_ / kEpsilon0 / r3;
                const double re = static_cast<double>(q * cxMinusS);
                const double im = static_cast<double>(-q * sxPlusC);
                b.re[0][i] = re;
                b.im[0][i] = im;
            }
            if constexpr (Theta) {
                const long double xSquared = static_cast<long double>(x) * x;
                // (-a) * st / ... likewise is the negative of st * a / ...
                const long double p = static_cast<long double>(st) * a / omega_ / kEpsilon0 / r3;
                const double re = static_cast<double>(p * (xSquared * s + cxMinusS));
                const double im = static_cast<double>(-p * (sxPlusC - xSquared * c));
                b.re[1][i] = re;
                b.im[1][i] = im;
            }
            if constexpr (Magnetic) {
                const double ethx = b.ethx[i], ethy = b.ethy[i], ethz = b.ethz[i];
                const double ux = b.ux[i], uy = b.uy[i], uz = b.uz[i];
                b.ephx[i] = static_cast<double>(static_cast<long double>(ethz) * uy -
                                                static_cast<long double>(ethy) * uz);
                b.ephy[i] = static_cast<double>(static_cast<long double>(ethx) * uz -
                                                static_cast<long double>(ethz) * ux);
                b.ephz[i] = static_cast<double>(static_cast<long double>(ethy) * ux -
                                                static_cast<long double>(ethx) * uy);
                const double r2 = static_cast<double>(static_cast<long double>(dist) * dist);
                const long double mm = static_cast<long double>(st) * a / r2;
                const double re = static_cast<double>(mm * sxPlusC);
                const double im = static_cast<double>(mm * cxMinusS);
                b.re[2][i] = re;
                b.im[2][i] = im;
            }
        }

        // The phases, on their own: each is a chain of two divisions and a
        // polynomial, which the elements overlap best without other work
        // between them.
        for (int part = 0; part < 3; ++part) {
            if ((part == 0 && !Radial) || (part == 1 && !Theta) || (part == 2 && !Magnetic))
                continue;
            for (std::size_t i = 0; i < m; ++i)
                b.phase[part][i] = fastAngle(b.re[part][i], b.im[part][i]);
        }

        // Each component as the sums receive it, then the sums.
        const Part& radial = b.part[0];
        const Part& theta = b.part[1];
        const Part& magnetic = b.part[2];
        if constexpr (Radial)
            makePart(b.re[0], b.im[0], b.phase[0], b.ux, b.uy, b.uz, m, b.part[0]);
        if constexpr (Theta)
            makePart(b.re[1], b.im[1], b.phase[1], b.ethx, b.ethy, b.ethz, m, b.part[1]);
        if constexpr (Magnetic)
            makePart(b.re[2], b.im[2], b.phase[2], b.ephx, b.ephy, b.ephz, m, b.part[2]);
        if constexpr (Radial && Theta) {
            if (wantE) {
                const Part* const both[] = {&radial, &theta};
                addParts(both, m, e);
            }
        }
        if constexpr (Radial) {
            if (wantR) {
                const Part* const one[] = {&radial};
                addParts(one, m, r);
            }
        }
        if constexpr (Theta) {
            if (wantT) {
                const Part* const one[] = {&theta};
                addParts(one, m, t);
            }
        }
        if constexpr (Magnetic) {
            const Part* const one[] = {&magnetic};
            addParts(one, m, h);
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
