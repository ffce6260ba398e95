// The node form of one segment (mom/free_space_field.h) against the
// engine's closed forms: within the bound nodeFormError proves, for every
// rule from two to six nodes, from a few segment lengths out to where the
// engine lumps the segment, whatever the current's three terms.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "mom/constants.h"
#include "mom/free_space_field.h"
#include "mom/segment_field.h"

namespace kvarn::mom {
namespace {

TEST(MomNodeForm, WithinItsBoundOfTheEngineEverywhereItIsTaken) {
    // The engine's own field differs from the integrals it stands for by
    // its rule for the constant term's remainder and by roundings: far
    // below these shares of the two fields' sizes.
    constexpr double kEngineShare = 1e-6;
    constexpr double kRoundingShare = 1e-9;
    constexpr double kWavelength = 41.07; // m: 7.3 MHz
    const double k = kTwoPi / kWavelength;
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    auto complex = [&] { return Complex{unit(random), unit(random)}; };
    auto direction = [&] {
        Vec3 v{unit(random), unit(random), unit(random)};
        while (norm(v) < 0.1 || norm(v) > 1)
            v = {unit(random), unit(random), unit(random)};
        return (1 / norm(v)) * v;
    };
    for (double perWavelength : {10.0, 40.0, 200.0})
        for (int i = 0; i < 300; ++i) {
            Segment s;
            s.length = kWavelength / perWavelength;
            s.centre = {unit(random), unit(random), 5 + unit(random)};
            s.direction = direction();
            s.start = s.centre - 0.5 * s.length * s.direction;
            s.end = s.centre + 0.5 * s.length * s.direction;
            const Complex a = complex(), b = complex(), c = complex();
            // From 2.5 segment lengths to where the engine lumps the segment
            // (one wavelength from its centre), over the logarithm.
            const double from = 2.5 * s.length, to = 0.999 * kWavelength;
            const Vec3 p =
                s.centre + from * std::pow(to / from, 0.5 + 0.5 * unit(random)) * direction();
            const Vec3 toStart = p - s.start;
            const double t = std::clamp(dot(toStart, s.direction), 0.0, s.length);
            const double distance = norm(toStart - t * s.direction);
            if (distance < 2 * s.length) continue;

            TermFields te, th;
            segmentEH(inWavelengths(s, kWavelength), (1 / kWavelength) * p, te, th);
            const CVec3 engineE =
                (1 / kWavelength) * (a * te.constant + b * te.sine + c * te.cosine);
            const CVec3 engineH =
                (1 / kWavelength) * (a * th.constant + b * th.sine + c * th.cosine);
            const double half = 0.5 * k * s.length;
            const Complex startCurrent = a - b * std::sin(half) + c * std::cos(half);
            const Complex endCurrent = a + b * std::sin(half) + c * std::cos(half);
            const double aAbs = std::abs(a), bcAbs = std::abs(b) + std::abs(c);
            const FieldBounds all = segmentFieldBound(
                s.length, distance, k, aAbs, bcAbs, std::abs(startCurrent) + std::abs(endCurrent));
            const FieldBounds constant = segmentFieldBound(s.length, distance, k, aAbs, 0, 0);
            for (int n = kFewestNodes; n <= kMostNodes; ++n) {
                CVec3 e, h;
                const auto nodes = nodeForm(s.centre, s.direction, s.length, k, a, b, c, n);
                addNodeField(nodes, s.centre, s.direction, p, k, e, h);
                addChargeField(s.start, -startCurrent, p, k, e);
                addChargeField(s.end, endCurrent, p, k, e);
                const FieldBounds bound = nodeFormError(s.length, distance, k, aAbs, bcAbs, n);
                EXPECT_LE(std::sqrt(normSquared(e + Complex{-1, 0} * engineE)),
                          bound.e + kEngineShare * constant.e + kRoundingShare * all.e)
                    << n << " nodes, " << distance / s.length << " lengths away";
                EXPECT_LE(std::sqrt(normSquared(h + Complex{-1, 0} * engineH)),
                          bound.h + kEngineShare * constant.h + kRoundingShare * all.h)
                    << n << " nodes, " << distance / s.length << " lengths away";
            }
        }
}

} // namespace
} // namespace kvarn::mom
