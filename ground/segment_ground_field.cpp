#include "ground/segment_ground_field.h"

#include <algorithm>
#include <cmath>

#include "ground/ground_constants.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

constexpr double kNegligibleSquared = 1e-10; // wavelengths^2: a vanishing distance
constexpr double kHorizontalFloor = 1e-5;    // horizontal share below which a segment is vertical
constexpr double kTinyProjection = 1e-10;    // cos and sin of phi below it are 0
constexpr double kTinyRho = 1e-12;           // wavelengths: straight above the mirror
constexpr double kTinyCos = 1e-9;            // cos(theta) below it: straight above, take the limit
constexpr double kNearAxisFactor = 0.95;     // the near-axis scaling's threshold
constexpr double kRombergCriterion = 1e-4;   // relative change that counts as converged
constexpr double kFloorShare = 0.01;         // share of the near field in the test's floor
constexpr int kMaxDivisions = 65536;         // finest Romberg step: 1/65536 of the segment
constexpr int kGoodStepsToWiden = 4;
// Beyond this many segment lengths from the mirror's centre two Gauss
// points integrate the segment: their error, about (length / R)^4 / 180 of
// the field, is below 2e-5 there, and they need two table readings where
// Romberg's rule needs three at least.
constexpr double kGaussBeyond = 4;
// Beyond this many the segment is lumped at its centre, as NEC-2 lumps it
// beyond R^2 = 0.95: the error, some (length / R)^2 / 24 of the field, is
// below 1e-4 there.
constexpr double kLumpedBeyond = 20;
const double kGaussNode = 0.5 / std::sqrt(3.0); // of the length, from the centre

// exp(-jx) with its sine and cosine from one call (glibc's sincos).
cplx expMinusJ(double x) {
    double s, c;
    ::sincos(x, &s, &c);
    return {c, -s};
}

// The segment's horizontal share and horizontal unit direction.
struct Horizontal {
    double sn, xsn, ysn;
};

Horizontal horizontalOf(const Vec3& d) {
    const double sn = std::sqrt(d[0] * d[0] + d[1] * d[1]);
    if (sn < kHorizontalFloor) return {0, 1, 0};
    return {sn, d[0] / sn, d[1] / sn};
}

// Where `at` lies seen from the element at `source`: the horizontal unit
// vectors r^ and phi^ (r^ = x^ when straight above), cos and sin of phi,
// and R and theta from the element's image.
struct Line {
    double rhx, rhy, phx, phy; // r^ and phi^
    double cph, sph;           // cos(phi), sin(phi)
    double rho, zph, r, theta; // wavelengths, rad
};

Line lineOf(const Vec3& source, const Vec3& at, const Horizontal& h) {
    Line l;
    double rhx = at[0] - source[0], rhy = at[1] - source[1];
    const double rhs = rhx * rhx + rhy * rhy;
    l.rho = std::sqrt(rhs);
    if (l.rho > 0) {
        rhx /= l.rho;
        rhy /= l.rho;
    } else {
        rhx = 1;
        rhy = 0;
    }
    l.rhx = rhx;
    l.rhy = rhy;
    l.phx = l.rho > 0 ? -rhy : 0;
    l.phy = l.rho > 0 ? rhx : 1;
    l.cph = rhx * h.xsn + rhy * h.ysn;
    l.sph = rhy * h.xsn - rhx * h.ysn;
    if (std::abs(l.cph) < kTinyProjection) l.cph = 0;
    if (std::abs(l.sph) < kTinyProjection) l.sph = 0;
    l.zph = at[2] + source[2];
    l.r = std::sqrt(rhs + l.zph * l.zph);
    l.theta = l.rho >= kTinyRho ? std::atan(l.zph / l.rho) : kHalfPi;
    return l;
}

// The field at `at` of a unit current element along the segment: the four
// quantities combined as ground/sommerfeld_ground.h says.
FieldVec3 elementField(const GroundFields& q, const Line& l, double salpj, const Horizontal& h) {
    // Summed as elementFieldAndCurl sums it, so that the two agree to the bit.
    const double rk = kTwoPi * l.r;
    const cplx g = expMinusJ(rk) / l.r;
    const double sa = salpj, ca = h.sn;
    const cplx eRho = sa * (g * q.erv) + ca * l.cph * (g * q.erh);
    const cplx ePhi = ca * l.sph * (g * q.eph);
    const cplx eZ = sa * (g * q.ezv) - ca * l.cph * (g * q.erv);
    return {eRho * l.rhx + ePhi * l.phx, eRho * l.rhy + ePhi * l.phy, eZ};
}

// The element's field and its curl. In cylindrical coordinates about the
// element's vertical (rho, phi, Z = z + z'), with Q = exp(-jkR)/R q for
// each quantity q, sa and ca the vertical and horizontal shares of the
// element's direction:
//   E_rho = sa ERV + ca cos(phi) ERH,  E_phi = ca sin(phi) EPH,
//   E_z = sa EZV - ca cos(phi) ERV,
// and its curl
//   rho: ca sin(phi) (ERV / rho - dEPH/dZ)
//   phi: sa (dERV/dZ - dEZV/drho) + ca cos(phi) (dERH/dZ + dERV/drho)
//   z:   ca sin(phi) (dEPH/drho + (EPH + ERH) / rho).
// ERV and EPH + ERH vanish straight above (theta = 90 degrees), so their
// ratios to rho stay finite; there the limit, -(dq/dtheta) / R, is taken.
struct FieldAndCurl {
    FieldVec3 e, curl;
};

FieldAndCurl elementFieldAndCurl(const GroundFieldSlopes& q, const Line& l, double salpj,
                                 const Horizontal& h) {
    const double rk = kTwoPi * l.r;
    const cplx g = expMinusJ(rk) / l.r;
    const cplx gr = -cplx(1 / l.r, kTwoPi) * g; // (exp(-jkR)/R)' / (exp(-jkR)/R) times it
    const double c = l.rho / l.r, s = l.zph / l.r;
    struct Parts {
        cplx v, dRho, dZ, overRho;
    };
    auto parts = [&](cplx v, cplx dr, cplx dt) {
        const cplx alongR = g * dr + gr * v, alongTheta = g * dt;
        const cplx overRho = c >= kTinyCos ? g * v / l.rho : -alongTheta / l.r;
        return Parts{g * v, c * alongR - s / l.r * alongTheta, s * alongR + c / l.r * alongTheta,
                     overRho};
    };
    const Parts erv = parts(q.value.erv, q.dr.erv, q.dtheta.erv);
    const Parts ezv = parts(q.value.ezv, q.dr.ezv, q.dtheta.ezv);
    const Parts erh = parts(q.value.erh, q.dr.erh, q.dtheta.erh);
    const Parts eph = parts(q.value.eph, q.dr.eph, q.dtheta.eph);
    const Parts sum =
        parts(q.value.eph + q.value.erh, q.dr.eph + q.dr.erh, q.dtheta.eph + q.dtheta.erh);

    const double sa = salpj, ca = h.sn;
    const cplx eRho = sa * erv.v + ca * l.cph * erh.v;
    const cplx ePhi = ca * l.sph * eph.v;
    const cplx eZ = sa * ezv.v - ca * l.cph * erv.v;
    const cplx cRho = ca * l.sph * (erv.overRho - eph.dZ);
    const cplx cPhi = sa * (erv.dZ - ezv.dRho) + ca * l.cph * (erh.dZ + erv.dRho);
    const cplx cZ = ca * l.sph * (eph.dRho + sum.overRho);
    return {{eRho * l.rhx + ePhi * l.phx, eRho * l.rhy + ePhi * l.phy, eZ},
            {cRho * l.rhx + cPhi * l.phx, cRho * l.rhy + cPhi * l.phy, cZ}};
}

// NEC-2's ROM2: the N parts integrated over t from -half to half, the step
// halved until the 3- or 5-point Romberg estimate of the size of the first
// three (the constant part's field) changes by at most 1e-4 (of itself, or
// of the floor). Further parts ride along on the same steps.
template <std::size_t N, class F>
std::array<cplx, N> integrateAlongSegment(const F& g, double half, double floor) {
    using Parts = std::array<cplx, N>;
    const double a = -half, span = 2 * half;
    const double tail = span / (1e4 * kMaxDivisions);
    auto converged = [&](double older, double newer) {
        const double den = std::max(newer, floor);
        return den < 1e-37 || std::abs(older - newer) / den <= kRombergCriterion;
    };
    auto size = [](const cplx* v) {
        return std::sqrt(std::norm(v[0]) + std::norm(v[1]) + std::norm(v[2]));
    };
    Parts sum{};
    int ns = 1, goodSteps = 0;
    double z = a;
    Parts g1 = g(z), g2, g3, g4, g5;
    while (true) {
        double dz = span / ns;
        if (z + dz > a + span) {
            dz = a + span - z;
            if (dz <= tail) return sum;
        }
        g3 = g(z + 0.5 * dz);
        g5 = g(z + dz);
        while (true) {
            const double hz = 0.5 * dz;
            Parts t01, t10, t20;
            cplx t11[3];
            for (std::size_t i = 0; i < N; ++i) {
                const cplx t00 = (g1[i] + g5[i]) * hz;
                t01[i] = (t00 + dz * g3[i]) * 0.5;
                t10[i] = (4.0 * t01[i] - t00) / 3.0;
            }
            if (converged(size(t01.data()), size(t10.data()))) {
                for (std::size_t i = 0; i < N; ++i)
                    sum[i] += t10[i];
                goodSteps += 2;
                break;
            }
            g2 = g(z + 0.25 * dz);
            g4 = g(z + 0.75 * dz);
            for (std::size_t i = 0; i < N; ++i) {
                const cplx t02 = (t01[i] + hz * (g2[i] + g4[i])) * 0.5;
                const cplx e11 = (4.0 * t02 - t01[i]) / 3.0;
                if (i < 3) t11[i] = e11;
                t20[i] = (16.0 * e11 - t10[i]) / 15.0;
            }
            if (converged(size(t11), size(t20.data())) || ns >= kMaxDivisions) {
                for (std::size_t i = 0; i < N; ++i)
                    sum[i] += t20[i];
                goodSteps += 1;
                break;
            }
            goodSteps = 0;
            ns *= 2;
            dz = hz;
            g5 = g3;
            g3 = g2;
        }
        z += dz;
        if (z > a + span - tail) return sum;
        g1 = g5;
        if (goodSteps >= kGoodStepsToWiden && ns > 1) {
            ns /= 2;
            goodSteps = 1;
        }
    }
}

// The two-point Gauss rule over t from -half to half.
template <std::size_t N, class F> std::array<cplx, N> gaussAlongSegment(const F& g, double half) {
    const std::array<cplx, N> a = g(-2 * kGaussNode * half), b = g(2 * kGaussNode * half);
    std::array<cplx, N> sum;
    for (std::size_t i = 0; i < N; ++i)
        sum[i] = half * (a[i] + b[i]);
    return sum;
}

// Romberg's rule close to the segment, Gauss's farther out.
template <std::size_t N, class F>
std::array<cplx, N> integrate(const F& g, double length, double r2, double floor) {
    if (r2 > kGaussBeyond * kGaussBeyond * length * length)
        return gaussAlongSegment<N>(g, 0.5 * length);
    return integrateAlongSegment<N>(g, 0.5 * length, floor);
}

// The three current parts of a field at `offset` in an integrated array:
// constant, sine, cosine, three components each.
void unpack(const cplx* v, SegmentGroundField& out) {
    for (int i = 0; i < 3; ++i) {
        out.constant[i] = v[i];
        out.sine[i] = v[3 + i];
        out.cosine[i] = v[6 + i];
    }
}

// The field point moved sideways by the observing wire's radius, as
// NEC-2's thin-wire kernel does.
Vec3 movedPoint(const Segment& segment, const Vec3& point, double observerRadius,
                const Horizontal& h) {
    const Vec3& c = segment.centre;
    const Vec3& d = segment.direction;
    const double salpr = -d[2]; // the mirror's vertical direction
    const double xij = point[0] - c[0], yij = point[1] - c[1], zij = point[2] + c[2];
    const double rhox = d[1] * zij - salpr * yij;
    const double rhoy = salpr * xij - d[0] * zij;
    const double rhoz = d[0] * yij - d[1] * xij;
    const double side2 = rhox * rhox + rhoy * rhoy + rhoz * rhoz;
    if (side2 <= kNegligibleSquared)
        return {point[0] - observerRadius * h.ysn, point[1] + observerRadius * h.xsn, point[2]};
    double f = observerRadius / std::sqrt(side2);
    if (rhoz < 0) f = -f;
    return {point[0] + f * rhox, point[1] + f * rhoy, point[2] + f * rhoz};
}

// R^2 from the mirror of the segment's centre to the point.
double squaredFromMirror(const Segment& segment, const Vec3& point) {
    const Vec3& c = segment.centre;
    const double xij = point[0] - c[0], yij = point[1] - c[1], zij = point[2] + c[2];
    return xij * xij + yij * yij + zij * zij;
}

// Whether the segment is lumped at its centre for a point at r2 from its
// mirror: beyond NEC-2's R^2 = 0.95, and where it is short against R.
bool lumpedAt(const Segment& segment, double r2) {
    const double beyond = kLumpedBeyond * segment.length;
    return r2 > kTableReachSquared || r2 > beyond * beyond;
}

// The moments of the three parts for the lumped segment: its length for the
// constant part, 0 for the sine, sin(pi length) / pi for the cosine.
void lumped(const FieldVec3& e, double length, SegmentGroundField& out) {
    const double cosineMoment = std::sin(kPi * length) / kPi;
    for (int i = 0; i < 3; ++i) {
        out.constant[i] = e[i] * length;
        out.sine[i] = 0;
        out.cosine[i] = e[i] * cosineMoment;
    }
}

Vec3 alongSegment(const Segment& s, double t) {
    return {s.centre[0] + t * s.direction[0], s.centre[1] + t * s.direction[1],
            s.centre[2] + t * s.direction[2]};
}

} // namespace

SegmentGroundField segmentGroundField(const SommerfeldGround& ground, const Segment& segment,
                                      const Vec3& point, double observerRadius, double nearField) {
    const Vec3& c = segment.centre;
    const Vec3& d = segment.direction;
    const Horizontal h = horizontalOf(d);
    const Vec3 at = movedPoint(segment, point, observerRadius, h);

    SegmentGroundField out;
    const double r2 = squaredFromMirror(segment, point);
    if (lumpedAt(segment, r2)) {
        const Line l = lineOf(c, at, h);
        lumped(elementField(ground.fields(l.r, l.theta), l, d[2], h), segment.length, out);
        if (r2 > kTableReachSquared) return out;
    } else {
        // The tables' field along the segment, integrated with the three parts.
        auto along = [&](double t) {
            const Line l = lineOf(alongSegment(segment, t), at, h);
            const FieldVec3 e = elementField(ground.tables().interpolate(l.r, l.theta), l, d[2], h);
            const cplx phase = expMinusJ(kTwoPi * t);
            const double sn = -phase.imag(), cs = phase.real();
            return std::array<cplx, 9>{e[0],      e[1],      e[2],      e[0] * sn, e[1] * sn,
                                       e[2] * sn, e[0] * cs, e[1] * cs, e[2] * cs};
        };
        unpack(integrate<9>(along, segment.length, r2, kFloorShare * nearField).data(), out);
    }

    // Within about three radii of the mirror's axis, scale the parts across
    // its direction, where NEC-2 reads its tables (a point in space, of
    // radius 0, is left alone).
    if (observerRadius <= 0) return out;
    const double salpr = -d[2];
    const double zp =
        (point[0] - c[0]) * d[0] + (point[1] - c[1]) * d[1] + (point[2] + c[2]) * salpr;
    const double axis2 = r2 - zp * zp;
    const double scale = axis2 <= kNegligibleSquared
                             ? 0
                             : std::sqrt(axis2 / (axis2 + observerRadius * observerRadius));
    if (scale <= kNearAxisFactor) {
        const Vec3 m{d[0], d[1], salpr};
        for (FieldVec3* v : {&out.constant, &out.sine, &out.cosine}) {
            const cplx axial = ((*v)[0] * m[0] + (*v)[1] * m[1] + (*v)[2] * m[2]) * (1 - scale);
            for (int i = 0; i < 3; ++i)
                (*v)[i] = scale * (*v)[i] + axial * m[i];
        }
    }
    return out;
}

SegmentGroundFieldAndCurl segmentGroundFieldAndCurl(const SommerfeldGround& ground,
                                                    const Segment& segment, const Vec3& point,
                                                    double nearField) {
    const Vec3& d = segment.direction;
    const Horizontal h = horizontalOf(d);
    SegmentGroundFieldAndCurl out;
    const double r2 = squaredFromMirror(segment, point);
    if (lumpedAt(segment, r2)) {
        const Line l = lineOf(segment.centre, point, h);
        const FieldAndCurl f =
            elementFieldAndCurl(ground.fieldsWithSlopes(l.r, l.theta), l, d[2], h);
        lumped(f.e, segment.length, out.field);
        lumped(f.curl, segment.length, out.curl);
        return out;
    }
    auto along = [&](double t) {
        const Line l = lineOf(alongSegment(segment, t), point, h);
        const FieldAndCurl f =
            elementFieldAndCurl(ground.tables().interpolateWithSlopes(l.r, l.theta), l, d[2], h);
        const cplx phase = expMinusJ(kTwoPi * t);
        const double sn = -phase.imag(), cs = phase.real();
        std::array<cplx, 18> v;
        for (int i = 0; i < 3; ++i) {
            v[i] = f.e[i];
            v[3 + i] = f.e[i] * sn;
            v[6 + i] = f.e[i] * cs;
            v[9 + i] = f.curl[i];
            v[12 + i] = f.curl[i] * sn;
            v[15 + i] = f.curl[i] * cs;
        }
        return v;
    };
    const auto sum = integrate<18>(along, segment.length, r2, kFloorShare * nearField);
    unpack(sum.data(), out.field);
    unpack(sum.data() + 9, out.curl);
    return out;
}

FieldVec3 combine(const SegmentGroundField& f, std::complex<double> a, std::complex<double> b,
                  std::complex<double> c) {
    FieldVec3 e;
    for (int i = 0; i < 3; ++i)
        e[i] = a * f.constant[i] + b * f.sine[i] + c * f.cosine[i];
    return e;
}

} // namespace kvarn::ground
