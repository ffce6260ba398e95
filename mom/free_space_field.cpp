#include "mom/free_space_field.h"

#include <cmath>

#include "mom/constants.h"

namespace kvarn::mom {

namespace {

constexpr double k = kTwoPi;      // wavenumber, per wavelength
constexpr double kOnAxis = 1e-10; // wavelengths: closer to the axis is on it
const Complex kJ{0, 1};
// j eta / (4 pi k): the factor of the E-field integrals
const Complex kEField{0, kWaveImpedance / (4 * kPi * k)};

// sin x and cos x from one call (glibc's sincos), and exp(-jx) from them:
// the kernels below need both for every angle they take.
void sinCos(double x, double& sine, double& cosine) {
    ::sincos(x, &sine, &cosine);
}
Complex expMinusJ(double x) {
    double s, c;
    sinCos(x, s, c);
    return {c, -s};
}

// Gauss-Legendre nodes and weights on [-1, 1].
constexpr double kNode2 = 0.5773502691896258; // at -kNode2 and kNode2, weights 1
constexpr double kNodes4[] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                              0.8611363115940526};
constexpr double kWeights4[] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                                0.3478548451374538};
constexpr double kNodes8[] = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290,
                              -0.1834346424956498, 0.1834346424956498,  0.5255324099163290,
                              0.7966664774136267,  0.9602898564975363};
constexpr double kWeights8[] = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873,
                                0.3626837833783620, 0.3626837833783620, 0.3137066458778873,
                                0.2223810344533745, 0.1012285362903763};

// The integrals along the segment are taken in t = k (z' - z), from t1 to
// t2, at the distance rho = k rh from the axis. Their singular parts 1/R
// and 1/R^3 (R = sqrt(rho^2 + t^2)) are integrated exactly; what is left is
// smooth and a Gauss rule takes it: 4 nodes at a distance of more than a
// segment length, 8 nodes on each side of the point's foot closer in. Its
// derivatives along t are of order 1, so where the segment is short in
// radians (k length at most 0.2, and a segment is at most a fortieth of a
// wavelength, 0.16) two nodes leave an error below (k length)^4 / 4320,
// 4e-7 of the remainder, and halve the work of the near field.
constexpr double kShortSegment = 0.2; // rad, k times the segment's length

template <class F> Complex gaussIntegral(F f, double t1, double t2, double rho, bool close) {
    auto rule = [&](double a, double b) {
        const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
        Complex sum = 0;
        if (!close && b - a <= kShortSegment) {
            for (double node : {-kNode2, kNode2}) {
                const double t = mid + half * node;
                sum += f(std::sqrt(rho * rho + t * t));
            }
        } else if (close) {
            for (int i = 0; i < 8; ++i) {
                const double t = mid + half * kNodes8[i];
                sum += kWeights8[i] * f(std::sqrt(rho * rho + t * t));
            }
        } else {
            for (int i = 0; i < 4; ++i) {
                const double t = mid + half * kNodes4[i];
                sum += kWeights4[i] * f(std::sqrt(rho * rho + t * t));
            }
        }
        return half * sum;
    };
    if (close && t1 < 0 && t2 > 0) return rule(t1, 0) + rule(0, t2);
    return rule(t1, t2);
}

// Integral of 1 / R from t1 to t2 (t1 < t2).
double inverseR(double t1, double t2, double rho) {
    const double r1 = std::sqrt(rho * rho + t1 * t1), r2 = std::sqrt(rho * rho + t2 * t2);
    if (t1 >= 0) return std::log((t2 + r2) / (t1 + r1));
    if (t2 <= 0) return std::log((r1 - t1) / (r2 - t2));
    return std::asinh(t2 / rho) - std::asinh(t1 / rho);
}

// Integral of 1 / R^3 from t1 to t2 (t1 < t2), written so that on one side
// of the foot the large terms of t / (rho^2 R) do not cancel.
double inverseR3(double t1, double t2, double rho) {
    const double r1 = std::sqrt(rho * rho + t1 * t1), r2 = std::sqrt(rho * rho + t2 * t2);
    if (t1 >= 0 || t2 <= 0) return (t2 * t2 - t1 * t1) / (r1 * r2 * (t2 * r1 + t1 * r2));
    return (t2 / r2 - t1 / r1) / (rho * rho);
}

// (exp(-jR) - 1) / R: what is left of exp(-jR) / R without 1 / R.
Complex smoothE(double r) {
    if (r < 1e-6) return {-0.5 * r, -1.0};
    // One sine and cosine of r/2 give both parts: sin r = 2 sin(r/2) cos(r/2).
    double h, c;
    sinCos(0.5 * r, h, c);
    return {-2 * h * h / r, -2 * h * c / r};
}

// ((1 + jR) exp(-jR) - 1 - R^2/2) / R^3: what is left of the H kernel
// (1 + jR) exp(-jR) / R^3 without 1/R^3 + 1/(2R). Near R = 0 its series,
// sum over n >= 3 of (-j)^n (1 - n) / n! R^(n-3), avoids the cancellation.
Complex smoothH(double r) {
    if (r < 0.5) {
        Complex sum = 0, power = 1;
        double factorial = 6; // n!
        Complex phase{0, 1};  // (-j)^n
        for (int n = 3; n <= 15; ++n) {
            sum += phase * ((1.0 - n) / factorial) * power;
            power *= r;
            factorial *= n + 1;
            phase *= Complex{0, -1};
        }
        return sum;
    }
    const Complex e = expMinusJ(r);
    return (Complex{1, r} * e - 1.0 - 0.5 * r * r) / (r * r * r);
}

// Where the point lies relative to the segment.
struct Local {
    double zp = 0; // along the axis from the centre
    double rh = 0; // from the axis, with the observation radius
    Vec3 rhoHat;   // from the axis towards the point, over rh (0 on the axis)
    double r = 0;  // from the centre
};

Local localOf(const SegmentInWavelengths& s, Vec3 p, double ai) {
    Local l;
    const Vec3 rel = p - s.centre;
    l.zp = dot(rel, s.direction);
    const Vec3 rho = rel - l.zp * s.direction;
    l.rh = std::sqrt(dot(rho, rho) + ai * ai);
    l.rhoHat = l.rh <= kOnAxis ? Vec3{} : (1.0 / l.rh) * rho;
    l.r = std::sqrt(l.zp * l.zp + l.rh * l.rh);
    return l;
}

// The waves from the segment's two ends, at axial distances z1 = -(h + zp)
// and z2 = h - zp from the point (h half the length): r^2, r and
// exp(-jkr). E and H both take them.
struct Ends {
    double z1 = 0, z2 = 0;
    double r1sq = 0, r2sq = 0, r1 = 0, r2 = 0;
    Complex e1, e2;
};

Ends endsOf(const SegmentInWavelengths& s, const Local& l) {
    Ends w;
    const double sh = 0.5 * s.length;
    w.z1 = -(sh + l.zp);
    w.z2 = sh - l.zp;
    w.r1sq = w.z1 * w.z1 + l.rh * l.rh;
    w.r2sq = w.z2 * w.z2 + l.rh * l.rh;
    w.r1 = std::sqrt(w.r1sq);
    w.r2 = std::sqrt(w.r2sq);
    w.e1 = expMinusJ(k * w.r1);
    w.e2 = expMinusJ(k * w.r2);
    return w;
}

// Spherical wave from a segment end: exp(-jkr)/r and its derivative factor
// -(1 + jkr) exp(-jkr) / r^3.
struct EndWave {
    Complex g, gp;
};

EndWave endWave(double r, double r2, Complex e) {
    const Complex g = e / r;
    return {g, -Complex{1, k * r} * g / r2};
}

// What E and H of one segment at one point share: where the point lies,
// the sine and cosine of half the segment in radians, and the waves from
// its ends (taken when first asked for: the point-current form of E needs
// none).
class Geometry {
  public:
    Geometry(const SegmentInWavelengths& s, Vec3 p, double ai) : l(localOf(s, p, ai)), s_(s) {
        sinCos(k * 0.5 * s.length, ss, cs);
    }
    const Ends& ends() const {
        if (!haveEnds_) {
            ends_ = endsOf(s_, l);
            haveEnds_ = true;
        }
        return ends_;
    }

    const Local l;
    double ss = 0, cs = 0; // sin and cos of k times half the length

  private:
    const SegmentInWavelengths& s_;
    mutable Ends ends_;
    mutable bool haveEnds_ = false;
};

TermFields assembleE(const SegmentInWavelengths& s, const Local& l, Complex ezk, Complex erk,
                     Complex ezs, Complex ers, Complex ezc, Complex erc) {
    auto along = [&](Complex ez, Complex er) { return ez * s.direction + er * l.rhoHat; };
    return {along(ezk, erk), along(ezs, ers), along(ezc, erc)};
}

TermFields eOf(const SegmentInWavelengths& s, const Geometry& geo) {
    const Local& l = geo.l;
    if (l.r >= kLumpedBeyond) {
        // A point current: the constant term's moment is the length, the
        // cosine's the integral of cos over the segment, the sine's zero.
        const double kr = k * l.r, cth = l.zp / l.r, sth = l.rh / l.r;
        const Complex e0 = expMinusJ(kr);
        const double py = k * l.r * l.r;
        const Complex er = kWaveImpedance * cth * e0 * Complex{1, -1 / kr} / py;
        const Complex et = kWaveImpedance * sth * e0 * Complex{1, kr - 1 / kr} / (2 * py);
        const Complex ez = er * cth - et * sth, ep = er * sth + et * cth;
        const double cosMoment = std::sin(kPi * s.length) / kPi;
        return assembleE(s, l, ez * s.length, ep * s.length, 0, 0, ez * cosMoment, ep * cosMoment);
    }
    const double shk = k * 0.5 * s.length, ss = geo.ss, cs = geo.cs;
    const Ends& ends = geo.ends();
    const double z1 = ends.z1, z2 = ends.z2;
    const EndWave w1 = endWave(ends.r1, ends.r1sq, ends.e1);
    const EndWave w2 = endWave(ends.r2, ends.r2sq, ends.e2);
    const Complex gzp1 = w1.gp * z1, gzp2 = w2.gp * z2;

    const Complex ezs = kEField * ((w2.g - w1.g) * cs * k - (gzp2 + gzp1) * ss);
    const Complex ezc = -kEField * ((w2.g + w1.g) * ss * k + (gzp2 - gzp1) * cs);
    const Complex erk = kEField * (w2.gp - w1.gp) * l.rh;

    // The integral of exp(-jkR)/R over the segment, in k z'.
    const double rho = k * l.rh, t1 = -shk - k * l.zp, t2 = shk - k * l.zp;
    const Complex kernel =
        inverseR(t1, t2, rho) + gaussIntegral(smoothE, t1, t2, rho, l.rh < s.length);
    const Complex ezk = -kEField * (gzp2 - gzp1 + k * k * kernel);

    Complex ers = 0, erc = 0;
    if (l.rh >= kOnAxis) {
        const Complex g1 = gzp1 * z1, g2 = gzp2 * z2;
        ers = -kEField * ((g2 + g1 + w2.g + w1.g) * ss - (z2 * w2.g - z1 * w1.g) * cs * k) / l.rh;
        erc = -kEField * ((g2 - g1 + w2.g - w1.g) * cs + (z2 * w2.g + z1 * w1.g) * ss * k) / l.rh;
    }
    return assembleE(s, l, ezk, erk, ezs, ers, ezc, erc);
}

TermFields hOf(const SegmentInWavelengths& s, const Geometry& geo) {
    const Local& l = geo.l;
    if (l.rh < kOnAxis) return {};
    const Vec3 phiHat = cross(s.direction, l.rhoHat);
    const double zp = std::abs(l.zp), sign = l.zp >= 0 ? 1.0 : -1.0;
    const double dh = 0.5 * s.length, dk = k * dh;
    const double sdk = geo.ss, cdk = geo.cs;
    const double rho = k * l.rh;

    // Constant term: (rho / 2) times the integral of (1 + jR) exp(-jR) / R^3.
    Complex hpk;
    if (l.r >= kLumpedBeyond) {
        const double rk = k * l.r;
        hpk = 0.5 * rho * 2 * dk * Complex{1, rk} * expMinusJ(rk) / (rk * rk * rk);
    } else {
        const double t1 = -dk - k * zp, t2 = dk - k * zp;
        hpk = 0.5 * rho *
              (inverseR3(t1, t2, rho) + 0.5 * inverseR(t1, t2, rho) +
               gaussIntegral(smoothH, t1, t2, rho, l.rh < s.length));
    }

    // Sine and cosine terms in closed form; z1 and z2 are the ends' axial
    // distances with the point on the positive side of the centre.
    Complex hps, hpc;
    const double z1 = zp + dh, z2 = zp - dh;
    const double rhz = z2 >= 1e-7 ? l.rh / z2 : 1.0;
    if (rhz >= 1e-3) {
        const Ends& ends = geo.ends();
        const bool ahead = l.zp >= 0; // the far end is then the start
        const double r1 = ahead ? ends.r1 : ends.r2, r2 = ahead ? ends.r2 : ends.r1;
        const Complex e1 = ahead ? ends.e1 : ends.e2, e2 = ahead ? ends.e2 : ends.e1;
        const Complex t1 = z1 * e1 / r1, t2 = z2 * e2 / r2;
        const Complex factor = -kJ / (2 * k * l.rh);
        hps = factor * (cdk * (e2 - e1) - kJ * sdk * (t2 + t1)) * sign;
        hpc = factor * (-sdk * (e2 + e1) - kJ * cdk * (t2 - t1));
    } else {
        // Near the axis beyond the segment's end: the first terms in rh.
        const Complex e1 = Complex{cdk, sdk} / (z2 * z2), e2 = Complex{cdk, -sdk} / (z1 * z1);
        const double t1 = k * (1 / z1 - 1 / z2);
        const Complex t2 = expMinusJ(k * zp) * l.rh / (8 * kPi);
        hps = t2 * (t1 + (e1 + e2) * sdk) * sign;
        hpc = t2 * (-kJ * t1 + (e1 - e2) * cdk);
    }
    return {hpk * phiHat, hps * phiHat, hpc * phiHat};
}

} // namespace

TermFields segmentE(const SegmentInWavelengths& s, Vec3 p, double ai) {
    return eOf(s, Geometry(s, p, ai));
}

TermFields segmentH(const SegmentInWavelengths& s, Vec3 p, double ai) {
    return hOf(s, Geometry(s, p, ai));
}

void segmentEH(const SegmentInWavelengths& s, Vec3 p, TermFields& e, TermFields& h) {
    const Geometry geo(s, p, 0);
    e = eOf(s, geo);
    h = hOf(s, geo);
}

} // namespace kvarn::mom
