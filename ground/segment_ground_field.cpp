#include "ground/segment_ground_field.h"

#include <algorithm>
#include <cmath>

#include "ground/ground_constants.h"
#include "ground/norton.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

constexpr double kNegligibleSquared = 1e-10; // wavelengths^2: a vanishing distance
constexpr double kHorizontalFloor = 1e-5;    // horizontal share below which a segment is vertical
constexpr double kTinyProjection = 1e-10;    // cos and sin of phi below it are 0
constexpr double kTinyRho = 1e-12;           // wavelengths: straight above the mirror
constexpr double kNearAxisFactor = 0.95;     // the near-axis scaling's threshold
constexpr double kRombergCriterion = 1e-4;   // relative change that counts as converged
constexpr double kFloorShare = 0.01;         // share of the near field in the test's floor
constexpr int kMaxDivisions = 65536;         // finest Romberg step: 1/65536 of the segment
constexpr int kGoodStepsToWiden = 4;

// The segment's horizontal share and horizontal unit direction.
struct Horizontal {
    double sn, xsn, ysn;
};

Horizontal horizontalOf(const Vec3& d) {
    const double sn = std::sqrt(d[0] * d[0] + d[1] * d[1]);
    if (sn < kHorizontalFloor) return {0, 1, 0};
    return {sn, d[0] / sn, d[1] / sn};
}

// The field at `at` of a unit current element at `source` along the
// segment: the four quantities combined as ground/sommerfeld_ground.h says.
FieldVec3 elementField(const GroundFields& q, const Vec3& source, const Vec3& at, double salpj,
                       const Horizontal& h) {
    double rhx = at[0] - source[0], rhy = at[1] - source[1];
    const double rhs = rhx * rhx + rhy * rhy;
    const double rho = std::sqrt(rhs);
    double phx = 0, phy = 1;
    if (rho > 0) {
        rhx /= rho;
        rhy /= rho;
        phx = -rhy;
        phy = rhx;
    } else {
        rhx = 1;
        rhy = 0;
    }
    double cph = rhx * h.xsn + rhy * h.ysn;
    double sph = rhy * h.xsn - rhx * h.ysn;
    if (std::abs(cph) < kTinyProjection) cph = 0;
    if (std::abs(sph) < kTinyProjection) sph = 0;
    const double zph = at[2] + source[2];
    const double r = std::sqrt(rhs + zph * zph);
    const double rk = kTwoPi * r;
    const cplx xx2 = cplx(std::cos(rk), -std::sin(rk)) / r;
    const double sc = h.sn * cph;
    const cplx erh = xx2 * (salpj * q.erv + sc * q.erh);
    const cplx ezh = xx2 * (salpj * q.ezv - sc * q.erv);
    const cplx eph = h.sn * sph * xx2 * q.eph;
    return {erh * rhx + eph * phx, erh * rhy + eph * phy, ezh};
}

// R and theta of the line from the mirror of `source` to `at`.
void lineFromMirror(const Vec3& source, const Vec3& at, double& r, double& theta) {
    const double dx = at[0] - source[0], dy = at[1] - source[1];
    const double rho = std::sqrt(dx * dx + dy * dy);
    const double zph = at[2] + source[2];
    r = std::sqrt(rho * rho + zph * zph);
    theta = rho >= kTinyRho ? std::atan(zph / rho) : kHalfPi;
}

using Nine = std::array<cplx, 9>;

// NEC-2's ROM2: the nine parts integrated over t from -half to half, the
// step halved until the 3- or 5-point Romberg estimate of the constant
// part's size changes by at most 1e-4 (of itself, or of the floor).
template <class F> Nine integrateAlongSegment(const F& g, double half, double floor) {
    const double a = -half, span = 2 * half;
    const double tail = span / (1e4 * kMaxDivisions);
    auto converged = [&](double older, double newer) {
        const double den = std::max(newer, floor);
        return den < 1e-37 || std::abs(older - newer) / den <= kRombergCriterion;
    };
    auto size = [](const cplx* v) {
        return std::sqrt(std::norm(v[0]) + std::norm(v[1]) + std::norm(v[2]));
    };
    Nine sum{};
    int ns = 1, goodSteps = 0;
    double z = a;
    Nine g1 = g(z), g2, g3, g4, g5;
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
            Nine t01, t10, t20;
            cplx t11[3];
            for (int i = 0; i < 9; ++i) {
                const cplx t00 = (g1[i] + g5[i]) * hz;
                t01[i] = (t00 + dz * g3[i]) * 0.5;
                t10[i] = (4.0 * t01[i] - t00) / 3.0;
            }
            if (converged(size(t01.data()), size(t10.data()))) {
                for (int i = 0; i < 9; ++i)
                    sum[i] += t10[i];
                goodSteps += 2;
                break;
            }
            g2 = g(z + 0.25 * dz);
            g4 = g(z + 0.75 * dz);
            for (int i = 0; i < 9; ++i) {
                const cplx t02 = (t01[i] + hz * (g2[i] + g4[i])) * 0.5;
                const cplx e11 = (4.0 * t02 - t01[i]) / 3.0;
                if (i < 3) t11[i] = e11;
                t20[i] = (16.0 * e11 - t10[i]) / 15.0;
            }
            if (converged(size(t11), size(t20.data())) || ns >= kMaxDivisions) {
                for (int i = 0; i < 9; ++i)
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

} // namespace

SegmentGroundField segmentGroundField(const SommerfeldGround& ground, const Segment& segment,
                                      const Vec3& point, double observerRadius, double nearField) {
    const Vec3& c = segment.centre;
    const Vec3& d = segment.direction;
    const Horizontal h = horizontalOf(d);
    const double salpr = -d[2]; // the mirror's vertical direction

    // Move the point sideways by the observing wire's radius.
    const double xij = point[0] - c[0], yij = point[1] - c[1], zij = point[2] + c[2];
    const double rhox = d[1] * zij - salpr * yij;
    const double rhoy = salpr * xij - d[0] * zij;
    const double rhoz = d[0] * yij - d[1] * xij;
    const double side2 = rhox * rhox + rhoy * rhoy + rhoz * rhoz;
    Vec3 at;
    if (side2 <= kNegligibleSquared) {
        at = {point[0] - observerRadius * h.ysn, point[1] + observerRadius * h.xsn, point[2]};
    } else {
        double f = observerRadius / std::sqrt(side2);
        if (rhoz < 0) f = -f;
        at = {point[0] + f * rhox, point[1] + f * rhoy, point[2] + f * rhoz};
    }

    SegmentGroundField out;
    const double r2 = xij * xij + yij * yij + zij * zij;
    if (r2 > kTableReachSquared) {
        // Norton's form with the current's moments lumped at the centre.
        double r = 0, theta = 0;
        lineFromMirror(c, at, r, theta);
        const FieldVec3 e =
            elementField(nortonFields(ground.constants(), r, theta), c, at, d[2], h);
        const double s = segment.length;
        const double cosineMoment = std::sin(kPi * s) / kPi;
        for (int i = 0; i < 3; ++i) {
            out.constant[i] = e[i] * s;
            out.sine[i] = 0;
            out.cosine[i] = e[i] * cosineMoment;
        }
        return out;
    }

    // The tables' field along the segment, integrated with the three parts.
    auto along = [&](double t) {
        const Vec3 source{c[0] + t * d[0], c[1] + t * d[1], c[2] + t * d[2]};
        double r = 0, theta = 0;
        lineFromMirror(source, at, r, theta);
        const FieldVec3 e =
            elementField(ground.tables().interpolate(r, theta), source, at, d[2], h);
        const double sn = std::sin(kTwoPi * t), cs = std::cos(kTwoPi * t);
        return Nine{e[0],      e[1],      e[2],      e[0] * sn, e[1] * sn,
                    e[2] * sn, e[0] * cs, e[1] * cs, e[2] * cs};
    };
    const Nine sum = integrateAlongSegment(along, 0.5 * segment.length, kFloorShare * nearField);
    for (int i = 0; i < 3; ++i) {
        out.constant[i] = sum[i];
        out.sine[i] = sum[3 + i];
        out.cosine[i] = sum[6 + i];
    }

    // Near the mirror's axis, scale the parts across its direction.
    const double zp = xij * d[0] + yij * d[1] + zij * salpr;
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

FieldVec3 combine(const SegmentGroundField& f, std::complex<double> a, std::complex<double> b,
                  std::complex<double> c) {
    FieldVec3 e;
    for (int i = 0; i < 3; ++i)
        e[i] = a * f.constant[i] + b * f.sine[i] + c * f.cosine[i];
    return e;
}

} // namespace kvarn::ground
