// One segment's field due to ground against the recipe the headers give
// the engine: the element field built from the four quantities as
// ground/sommerfeld_ground.h writes it, moved point, integration along the
// segment by Simpson's rule or the lumped moments, and the near-axis
// scaling, each done here independently of the library's code.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

#include "ground/ground_constants.h"
#include "ground/segment_ground_field.h"

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

double size(const FieldVec3& v) {
    return std::sqrt(std::norm(v[0]) + std::norm(v[1]) + std::norm(v[2]));
}

double distance(const FieldVec3& a, const FieldVec3& b) {
    return std::sqrt(std::norm(a[0] - b[0]) + std::norm(a[1] - b[1]) + std::norm(a[2] - b[2]));
}

// dE of a unit element at `source` along `dir` at `at`, as the header of
// ground/sommerfeld_ground.h writes it.
FieldVec3 documentedElement(const SommerfeldGround& g, const Vec3& source, const Vec3& dir,
                            const Vec3& at, bool lumped) {
    const double dx = at[0] - source[0], dy = at[1] - source[1];
    const double rho = std::hypot(dx, dy), zz = at[2] + source[2];
    const double r = std::hypot(rho, zz), theta = rho > 0 ? std::atan2(zz, rho) : kHalfPi;
    const GroundFields q = lumped ? g.fields(r, theta) : g.tables().interpolate(r, theta);
    const double cosA = std::hypot(dir[0], dir[1]), sinA = dir[2];
    const double shx = cosA > 0 ? dir[0] / cosA : 1, shy = cosA > 0 ? dir[1] / cosA : 0;
    const double rx = rho > 0 ? dx / rho : 1, ry = rho > 0 ? dy / rho : 0;
    const double cosPhi = shx * rx + shy * ry, sinPhi = shx * ry - shy * rx;
    const cplx k = std::polar(1 / r, -kTwoPi * r);
    const cplx radial = k * (sinA * q.erv + cosA * cosPhi * q.erh);
    const cplx azimuthal = k * cosA * sinPhi * q.eph;
    const cplx vertical = k * (sinA * q.ezv - cosA * cosPhi * q.erv);
    return {radial * rx - azimuthal * ry, radial * ry + azimuthal * rx, vertical};
}

struct Expected {
    FieldVec3 constant, sine, cosine;
};

Expected documentedSegment(const SommerfeldGround& g, const Segment& s, const Vec3& point,
                           double radius) {
    const Vec3& c = s.centre;
    const Vec3& d = s.direction;
    const Vec3 m{d[0], d[1], -d[2]}; // the mirror's direction
    const Vec3 v{point[0] - c[0], point[1] - c[1], point[2] + c[2]};
    // Moved by the radius along m x v, towards growing z.
    Vec3 side{m[1] * v[2] - m[2] * v[1], m[2] * v[0] - m[0] * v[2], m[0] * v[1] - m[1] * v[0]};
    const double sl = std::sqrt(side[0] * side[0] + side[1] * side[1] + side[2] * side[2]);
    for (double& x : side)
        x *= (side[2] < 0 ? -radius : radius) / sl;
    const Vec3 at{point[0] + side[0], point[1] + side[1], point[2] + side[2]};
    Expected e{};
    const double r2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    if (r2 > kTableReachSquared) {
        const FieldVec3 f = documentedElement(g, c, d, at, true);
        for (int i = 0; i < 3; ++i) {
            e.constant[i] = f[i] * s.length;
            e.cosine[i] = f[i] * std::sin(3.141592654 * s.length) / 3.141592654;
        }
        return e;
    }
    const int n = 2000; // Simpson's rule along the segment
    const double h = s.length / n;
    for (int k = 0; k <= n; ++k) {
        const double t = -0.5 * s.length + k * h;
        const double w = (k == 0 || k == n ? 1.0 : k % 2 ? 4.0 : 2.0) * h / 3;
        const FieldVec3 f =
            documentedElement(g, {c[0] + t * d[0], c[1] + t * d[1], c[2] + t * d[2]}, d, at, false);
        for (int i = 0; i < 3; ++i) {
            e.constant[i] += w * f[i];
            e.sine[i] += w * f[i] * std::sin(kTwoPi * t);
            e.cosine[i] += w * f[i] * std::cos(kTwoPi * t);
        }
    }
    // Within about three radii of the mirror's axis, scale across it.
    const double along = v[0] * m[0] + v[1] * m[1] + v[2] * m[2];
    const double axis2 = r2 - along * along;
    const double scale = std::sqrt(axis2 / (axis2 + radius * radius));
    if (scale <= 0.95)
        for (FieldVec3* f : {&e.constant, &e.sine, &e.cosine}) {
            const cplx a = (*f)[0] * m[0] + (*f)[1] * m[1] + (*f)[2] * m[2];
            for (int i = 0; i < 3; ++i)
                (*f)[i] = scale * (*f)[i] + (1 - scale) * a * m[i];
        }
    return e;
}

TEST(GroundSegment, FollowsTheDocumentedRecipe) {
    const SommerfeldGround ground({13, 0.005, 14.2}, 2);
    const double r = std::sqrt(0.5);
    struct Case {
        const char* what;
        Segment segment;
        Vec3 point;
        double radius;
    } cases[] = {
        {"horizontal", {{0, 0, 0.05}, {1, 0, 0}, 0.05}, {0.3, 0.2, 0.1}, 0.001},
        {"vertical", {{0.1, 0, 0.1}, {0, 0, 1}, 0.04}, {0.2, -0.1, 0.3}, 0.002},
        {"slanted", {{0, 0, 0.2}, {0.6, 0, 0.8}, 0.08}, {-0.3, 0.4, 0.02}, 0.0},
        {"on its own wire near the ground",
         {{0, 0, 0.0012}, {r, r, 0}, 0.02},
         {0.004, 0.004, 0.0012},
         0.001},
        {"just inside R^2 = 0.95", {{0, 0, 0.1}, {1, 0, 0}, 0.1}, {0.9642, 0, 0.1}, 0.001},
        {"just beyond R^2 = 0.95", {{0, 0, 0.1}, {1, 0, 0}, 0.1}, {0.9652, 0, 0.1}, 0.001},
        {"far tables", {{0, 0, 0.3}, {0, r, r}, 0.1}, {1.5, 0.8, 0.5}, 0.001},
        {"Norton carried on", {{0, 0, 0.3}, {0.6, 0.8, 0}, 0.02}, {25, 3, 0.2}, 0.001},
    };
    for (const Case& c : cases) {
        const SegmentGroundField got = segmentGroundField(ground, c.segment, c.point, c.radius, 0);
        const Expected want = documentedSegment(ground, c.segment, c.point, c.radius);
        const double scale = size(want.constant);
        EXPECT_LT(distance(got.constant, want.constant), 1e-4 * scale) << c.what;
        EXPECT_LT(distance(got.sine, want.sine), 1e-4 * scale) << c.what;
        EXPECT_LT(distance(got.cosine, want.cosine), 1e-4 * scale) << c.what;
        // The current 2 - j sin(2 pi t) + 0.5 cos(2 pi t).
        const FieldVec3 e = combine(got, 2.0, cplx(0, -1), 0.5);
        for (int i = 0; i < 3; ++i)
            EXPECT_LT(std::abs(e[i] - (2.0 * want.constant[i] + cplx(0, -1) * want.sine[i] +
                                       0.5 * want.cosine[i])),
                      1e-3 * scale)
                << c.what << " " << i;
    }
}

TEST(GroundSegment, CurlIsTheCurlOfTheField) {
    // The curl that comes with the field at a point in space, against central
    // differences of the field (steps of 1e-4 wavelengths), for each current
    // part: on the integrated segment (NEC-2's tables), lumped (the far
    // tables), and lumped beyond them (Norton carried on); horizontal,
    // vertical and slanted segments; straight above a segment's element,
    // where the curl takes its limit. The field at such a point is the one
    // segmentGroundField gives for radius 0, to the bit.
    const SommerfeldGround ground({13, 0.005, 14.2}, 2);
    const double r = std::sqrt(0.5);
    struct Case {
        const char* what;
        Segment segment;
        Vec3 point;
    } cases[] = {
        {"horizontal, tables", {{0, 0, 0.3}, {1, 0, 0}, 0.025}, {0.3, 0.2, 0.05}},
        {"horizontal, straight above", {{0, 0, 0.3}, {1, 0, 0}, 0.025}, {0, 0, 0.6}},
        {"vertical, tables", {{0.1, 0, 0.2}, {0, 0, 1}, 0.025}, {0.05, 0.3, 0.4}},
        {"slanted, tables", {{0, 0, 0.15}, {0.6, 0, 0.8}, 0.025}, {0.6, 0.1, 0.3}},
        {"diagonal, far tables", {{0, 0, 0.05}, {r, r, 0}, 0.025}, {1.5, 0.8, 0.1}},
        {"slanted, far tables", {{0, 0, 0.15}, {0.6, 0, 0.8}, 0.025}, {3, 2, 0.5}},
        {"vertical, Norton carried on", {{0.1, 0, 0.2}, {0, 0, 1}, 0.025}, {30, 1, 0.2}},
        {"horizontal, Norton carried on", {{0, 0, 0.3}, {1, 0, 0}, 0.025}, {24, 16, 0.2}},
    };
    constexpr double h = 1e-4; // wavelengths
    for (const Case& c : cases) {
        const SegmentGroundFieldAndCurl got =
            segmentGroundFieldAndCurl(ground, c.segment, c.point, 0);
        const SegmentGroundField plain = segmentGroundField(ground, c.segment, c.point, 0, 0);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(got.field.sine[i], plain.sine[i]) << c.what;
        // d(part i of component j)/d(axis k) by central differences.
        auto slope = [&](int axis, int component, FieldVec3 SegmentGroundField::*part) {
            Vec3 a = c.point, b = c.point;
            a[axis] += h;
            b[axis] -= h;
            return ((segmentGroundField(ground, c.segment, a, 0, 0).*part)[component] -
                    (segmentGroundField(ground, c.segment, b, 0, 0).*part)[component]) /
                   (2 * h);
        };
        for (auto part : {&SegmentGroundField::constant, &SegmentGroundField::sine,
                          &SegmentGroundField::cosine}) {
            const FieldVec3 want{slope(1, 2, part) - slope(2, 1, part),
                                 slope(2, 0, part) - slope(0, 2, part),
                                 slope(0, 1, part) - slope(1, 0, part)};
            EXPECT_LE(distance(got.curl.*part, want), 1e-4 * size(want)) << c.what;
        }
    }
}

} // namespace
} // namespace kvarn::ground
