#include "mom/free_space_field.h"

#include <cmath>
#include <limits>

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

// E of the segment lumped at its centre (beyond kLumpedBeyond), e0 the
// phase exp(-j k r) there: a point current, the constant term's moment the
// length, the cosine's the integral of cos over the segment, the sine's
// zero.
TermFields lumpedE(const SegmentInWavelengths& s, const Local& l, Complex e0) {
    const double kr = k * l.r, cth = l.zp / l.r, sth = l.rh / l.r;
    const double py = k * l.r * l.r;
    const Complex er = kWaveImpedance * cth * e0 * Complex{1, -1 / kr} / py;
    const Complex et = kWaveImpedance * sth * e0 * Complex{1, kr - 1 / kr} / (2 * py);
    const Complex ez = er * cth - et * sth, ep = er * sth + et * cth;
    const double cosMoment = std::sin(kPi * s.length) / kPi;
    return assembleE(s, l, ez * s.length, ep * s.length, 0, 0, ez * cosMoment, ep * cosMoment);
}

// The size of H of the constant term lumped at the centre, along phi^:
// (rho / 2) times the moment 2 dk of (1 + jR) exp(-jR) / R^3.
Complex lumpedConstantH(const SegmentInWavelengths& s, const Local& l, Complex e0) {
    const double rk = k * l.r, rho = k * l.rh, dk = k * (0.5 * s.length);
    return 0.5 * rho * 2 * dk * Complex{1, rk} * e0 / (rk * rk * rk);
}

TermFields eOf(const SegmentInWavelengths& s, const Geometry& geo) {
    const Local& l = geo.l;
    if (l.r >= kLumpedBeyond) return lumpedE(s, l, expMinusJ(k * l.r));
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
        hpk = lumpedConstantH(s, l, expMinusJ(k * l.r));
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

bool lumpedEH(const SegmentInWavelengths& s, Vec3 p, TermFields& e, CVec3& constantH) {
    const Local l = localOf(s, p, 0);
    if (!(l.r >= kLumpedBeyond)) return false;
    const Complex e0 = expMinusJ(k * l.r);
    e = lumpedE(s, l, e0);
    constantH = l.rh < kOnAxis ? CVec3{} : lumpedConstantH(s, l, e0) * cross(s.direction, l.rhoHat);
    return true;
}

namespace {

// Gauss-Legendre rules on [-1, 1], kFewestNodes to kMostNodes nodes.
struct Rule {
    double x[kMostNodes];
    double w[kMostNodes];
};
constexpr Rule kRules[] = {
    {{-0.5773502691896258, 0.5773502691896258}, {1, 1}},
    {{-0.7745966692414834, 0, 0.7745966692414834},
     {0.5555555555555556, 0.8888888888888888, 0.5555555555555556}},
    {{-0.8611363115940526, -0.3399810435848563, 0.3399810435848563, 0.8611363115940526},
     {0.3478548451374538, 0.6521451548625461, 0.6521451548625461, 0.3478548451374538}},
    {{-0.9061798459386640, -0.5384693101056831, 0, 0.5384693101056831, 0.9061798459386640},
     {0.2369268850561891, 0.4786286704993665, 0.5688888888888889, 0.4786286704993665,
      0.2369268850561891}},
    {{-0.9324695142031521, -0.6612093864662645, -0.2386191860831969, 0.2386191860831969,
      0.6612093864662645, 0.9324695142031521},
     {0.1713244923791704, 0.3607615730481386, 0.4679139345726910, 0.4679139345726910,
      0.3607615730481386, 0.1713244923791704}},
};

constexpr double kFourPi = 4 * kPi;
// rad: up to here the sine and cosine series to x^11 and x^10 miss less
// than 1e-17 (x^12 / 12! and x^11 / 11!).
constexpr double kShortPhase = 0.1;
// Their coefficients: -1/3!, 1/5!, ... and -1/2!, 1/4!, ...
constexpr double kSine[] = {-1.0 / 6, 1.0 / 120, -1.0 / 5040, 1.0 / 362880, -1.0 / 39916800};
constexpr double kCosine[] = {-1.0 / 2, 1.0 / 24, -1.0 / 720, 1.0 / 40320, -1.0 / 3628800};

// exp(-j k R) / R and its slope over R, -(1 + j k R) exp(-j k R) / R^3: the
// gradient of the first is the second times the vector R.
struct Wave {
    Complex g, slope;
};

Wave waveAt(Vec3 r, double waveNumber) {
    const double r2 = dot(r, r), distance = std::sqrt(r2);
    const Complex g = expMinusJ(waveNumber * distance) / distance;
    return {g, -Complex{1, waveNumber * distance} * g / r2};
}

} // namespace

std::vector<NodeCurrent> nodeForm(Vec3 centre, Vec3 direction, double length, double waveNumber,
                                  Complex a, Complex b, Complex c, int n) {
    const Rule& rule = kRules[n - kFewestNodes];
    const double half = 0.5 * length;
    std::vector<NodeCurrent> nodes;
    for (int i = 0; i < n; ++i) {
        const double t = half * rule.x[i], weight = half * rule.w[i];
        double sine, cosine;
        sinCos(waveNumber * t, sine, cosine);
        nodes.push_back({centre + t * direction, weight * (a + b * sine + c * cosine),
                         weight * waveNumber * (b * cosine - c * sine)});
    }
    return nodes;
}

namespace {

template <bool withE>
void addNodes(std::span<const NodeCurrent> nodes, Vec3 centre, Vec3 direction, Vec3 p,
              double waveNumber, CVec3* e, CVec3& h) {
    // E = -j omega A - grad phi and H = curl A / mu0 of the nodes: the
    // vector potential's part -j (k eta / 4 pi) I g along the segment, the
    // line charge's -j (eta / 4 pi k) I' grad g, and (1 / 4 pi) I grad g x
    // direction, with g = exp(-j k R) / R and grad g = w R, w = -(1 + j k R)
    // g / R^2. The phase at a node is the centre's times that of the small
    // difference x = k (R - R_centre), |x| <= k length / 2, whose sine and
    // cosine series end below 1e-17 at |x| <= kShortPhase. Written out in
    // real arithmetic: this loop is where a search spends its time.
    const double rc = norm(p - centre);
    double cr, ci; // the centre's phase, exp(-j k rc)
    {
        double sine, cosine;
        sinCos(waveNumber * rc, sine, cosine);
        cr = cosine, ci = -sine;
    }
    double alongR = 0, alongI = 0;   // sum of moment g
    double chR[3] = {}, chI[3] = {}; // sum of slope w R
    double cuR[3] = {}, cuI[3] = {}; // sum of moment w R
    for (const NodeCurrent& n : nodes) {
        const double rx = p.x - n.at.x, ry = p.y - n.at.y, rz = p.z - n.at.z;
        const double r2 = rx * rx + ry * ry + rz * rz, distance = std::sqrt(r2);
        const double x = waveNumber * (distance - rc);
        double pr, pi; // exp(-j k R)
        if (std::abs(x) <= kShortPhase) {
            const double x2 = x * x;
            const double sine =
                x *
                (1 + x2 * (kSine[0] +
                           x2 * (kSine[1] + x2 * (kSine[2] + x2 * (kSine[3] + x2 * kSine[4])))));
            const double cosine =
                1 +
                x2 * (kCosine[0] +
                      x2 * (kCosine[1] + x2 * (kCosine[2] + x2 * (kCosine[3] + x2 * kCosine[4]))));
            pr = cr * cosine + ci * sine;
            pi = ci * cosine - cr * sine;
        } else {
            double sine, cosine;
            sinCos(waveNumber * distance, sine, cosine);
            pr = cosine, pi = -sine;
        }
        const double inverse = 1 / distance;
        const double gr = pr * inverse, gi = pi * inverse;
        // w = -(1 + j k R) g / R^2
        const double kr = waveNumber * distance, inverse2 = inverse * inverse;
        const double wr = -(gr - kr * gi) * inverse2, wi = -(gi + kr * gr) * inverse2;
        const double mr = n.moment.real(), mi = n.moment.imag();
        const double sr = n.slope.real(), si = n.slope.imag();
        const double ur = mr * wr - mi * wi, ui = mr * wi + mi * wr; // moment w
        const double r[3] = {rx, ry, rz};
        for (int c = 0; c < 3; ++c) {
            cuR[c] += ur * r[c];
            cuI[c] += ui * r[c];
        }
        if constexpr (withE) {
            alongR += mr * gr - mi * gi;
            alongI += mr * gi + mi * gr;
            const double qr = sr * wr - si * wi, qi = sr * wi + si * wr; // slope w
            for (int c = 0; c < 3; ++c) {
                chR[c] += qr * r[c];
                chI[c] += qi * r[c];
            }
        }
    }
    // E: -j a (along) direction - j b (charge); H: (1 / 4 pi) curl x direction.
    const double d[3] = {direction.x, direction.y, direction.z};
    if constexpr (withE) {
        const double a = waveNumber * kWaveImpedance / kFourPi;
        const double b = kWaveImpedance / (kFourPi * waveNumber);
        Complex* ec[3] = {&e->x, &e->y, &e->z};
        for (int c = 0; c < 3; ++c)
            *ec[c] += Complex{a * alongI * d[c] + b * chI[c], -a * alongR * d[c] - b * chR[c]};
    }
    const double hs = 1 / kFourPi;
    h.x += Complex{hs * (cuR[1] * d[2] - cuR[2] * d[1]), hs * (cuI[1] * d[2] - cuI[2] * d[1])};
    h.y += Complex{hs * (cuR[2] * d[0] - cuR[0] * d[2]), hs * (cuI[2] * d[0] - cuI[0] * d[2])};
    h.z += Complex{hs * (cuR[0] * d[1] - cuR[1] * d[0]), hs * (cuI[0] * d[1] - cuI[1] * d[0])};
}

} // namespace

void addNodeField(std::span<const NodeCurrent> nodes, Vec3 centre, Vec3 direction, Vec3 p,
                  double waveNumber, CVec3& e, CVec3& h) {
    addNodes<true>(nodes, centre, direction, p, waveNumber, &e, h);
}

void addNodeH(std::span<const NodeCurrent> nodes, Vec3 centre, Vec3 direction, Vec3 p,
              double waveNumber, CVec3& h) {
    addNodes<false>(nodes, centre, direction, p, waveNumber, nullptr, h);
}

void addChargeField(Vec3 at, Complex current, Vec3 p, double waveNumber, CVec3& e) {
    // -grad phi of the charge current / (j omega): j (eta / 4 pi k) current grad g.
    const Vec3 r = p - at;
    const Wave w = waveAt(r, waveNumber);
    e += (Complex{0, kWaveImpedance / (kFourPi * waveNumber)} * current * w.slope) * r;
}

FieldBounds nodeFormError(double length, double distance, double waveNumber, double aAbs,
                          double bcAbs, int n) {
    // The Gauss-Legendre rule of n nodes misses at most
    //     (length / 2) (64 / 15) M rho^(-2n) / (1 - rho^(-2))
    // of the integral of a function analytic within the ellipse whose foci
    // are the segment's ends and whose semi-axes sum to rho times half the
    // length, where it is at most M in size. The ellipse of semi-minor axis
    // s lies within s of the segment. With s = beta distance, beta <= 1/3,
    // every complex t within s of the segment keeps the complex distance
    // R(t) = sqrt((p - x(t)) . (p - x(t))) off zero: for D = |p - x(Re t)|,
    //     |R| >= m D with m = sqrt(1 - 2 beta - beta^2),  |R| <= D + s,
    //     |Im R| <= |R - D| <= s (2 + beta) / (1 + m),
    // so |exp(-j k R)| <= exp(k |Im R|), and sin and cos of k t are at most
    // cosh(k s). With those the integrands of the vector potential, the line
    // charge and H are bounded there (each falls as D grows, so D = distance
    // is the worst), a vector's parts taking sqrt(3). Each bound holds for
    // any beta and any s below beta distance; the smallest of a few (s no
    // more than a few radians over k, where exp(k |Im R|) stays moderate) is
    // kept.
    const double half = 0.5 * length;
    const double root3 = std::sqrt(3.0);
    FieldBounds best{std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::infinity()};
    for (double beta : {1.0 / 3, 1.0 / 4, 1.0 / 6, 1.0 / 10})
        for (double turns : {1.0, 2.0, 4.0}) {
            const double s = std::min(beta * distance, turns / waveNumber);
            const double m = std::sqrt(1 - 2 * beta - beta * beta);
            const double growth = std::exp((2 + beta) / (1 + m) * waveNumber * s);
            const double spread = std::cosh(waveNumber * s);
            const double current = aAbs + bcAbs * spread, slope = waveNumber * bcAbs * spread;
            const double nearest = m * distance;
            const double g = growth / nearest;
            const double gradient = (1 + waveNumber * (distance + s)) * (distance + s) * growth /
                                    (nearest * nearest * nearest);
            const double rho = (s + std::sqrt(s * s + half * half)) / half;
            const double rule = half * (64.0 / 15) * std::pow(rho, -2 * n) / (1 - 1 / (rho * rho));
            best.e = std::min(best.e, waveNumber * kWaveImpedance / kFourPi * rule * current * g +
                                          kWaveImpedance / (kFourPi * waveNumber) * root3 * rule *
                                              slope * gradient);
            best.h = std::min(best.h, root3 * rule * current * gradient / kFourPi);
        }
    return best;
}

FieldBounds segmentFieldBound(double length, double distance, double waveNumber, double aAbs,
                              double bcAbs, double endsAbs) {
    // |exp(-j k R) / R| = 1 / R and |grad| = sqrt(1 + (k R)^2) / R^2 both
    // fall with R, and every point of the segment is at least `distance`
    // away.
    const double current = aAbs + bcAbs, slope = waveNumber * bcAbs;
    const double gradient =
        std::sqrt(1 + waveNumber * waveNumber * distance * distance) / (distance * distance);
    return {waveNumber * kWaveImpedance / kFourPi * current * length / distance +
                kWaveImpedance / (kFourPi * waveNumber) * (slope * length + endsAbs) * gradient,
            current * length * gradient / kFourPi};
}

} // namespace kvarn::mom
