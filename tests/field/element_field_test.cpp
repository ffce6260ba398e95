#include "field/element_field.h"

#include <array>
#include <cmath>
#include <complex>
#include <vector>

#include <gtest/gtest.h>

#include "field/field_fixture.h"
#include "field/geometry.h"

namespace kvarn {
namespace {

using Complex = std::complex<long double>;

class ElementFieldTest : public test::FieldFixture {
  protected:
    void SetUp() override { setFrequency(3.65); }
};

// The short current element's fields in complex notation, with the
// program's constants and time factor e^(j omega t):
//   E_r     = 2a cos(theta) / (omega eps0 r^3) (x - j) e^(-jx)
//   E_theta =  a sin(theta) / (omega eps0 r^3) (x + j(x^2 - 1)) e^(-jx)
//   H_phi   =  a sin(theta) / r^2 (1 + jx) e^(-jx)
// with a = I L / (4 pi) and x = k r.
struct DipoleField {
    Complex er, eth, hph;
};

DipoleField dipoleField(double lambda, double omega, long double current, long double r,
                        long double theta) {
    const long double a = current / 12.56636L;
    const long double x = r * 6.28318L / lambda;
    const long double we = omega * 8.854e-12L;
    const Complex wave = std::exp(Complex(0, -x));
    return {2 * a * std::cos(theta) / (we * r * r * r) * Complex(x, -1) * wave,
            a * std::sin(theta) / (we * r * r * r) * Complex(x, x * x - 1) * wave,
            a * std::sin(theta) / (r * r) * Complex(1, x) * wave};
}

TEST_F(ElementFieldTest, SingleElementGivesTheShortDipoleFieldInEveryMode) {
    const double current = 1.7;
    setSingleElement({0, 0, 10}, {1, 0, 0}, current);
    height = 10;
    for (double r : {0.05, 1.0, 3.0, 10.0, 50.0, 400.0, 5000.0}) {
        for (double degrees : {0.0, 20.0, 90.0, 135.0, 160.0}) {
            const double t = degrees * M_PI / 180.0;
            const double x = r * std::cos(t), y = r * std::sin(t);
            // sin and cos of theta as the geometry computed it (the
            // program's pi turns it slightly beyond 90 degrees).
            const ElementGeometry g = sumAt(x, y, 'E').geometry;
            const DipoleField f = dipoleField(lambda, omega, current, g.r, g.theta);
            const long double er = std::abs(f.er), eth = std::abs(f.eth), h = std::abs(f.hph);
            const auto near = [](long double expected) {
                return 1e-9 * static_cast<double>(expected) + 1e-300;
            };
            SCOPED_TRACE(::testing::Message() << "r " << r << " theta " << degrees);
            EXPECT_NEAR(rawValueAt(x, y, 'R'), er, near(er));
            EXPECT_NEAR(rawValueAt(x, y, 'T'), eth, near(eth));
            EXPECT_NEAR(rawValueAt(x, y, 'E'), std::sqrt(er * er + eth * eth), near(er + eth));
            EXPECT_NEAR(rawValueAt(x, y, 'M'), 100 * h, near(100 * h));
            EXPECT_NEAR(rawValueAt(x, y, 'Z'), 377 * h, near(377 * h));
        }
    }
}

TEST_F(ElementFieldTest, FarFieldFollowsTheRadiationFormula) {
    // Far from a short element |E| = I L sin(theta) / (2 eps0 c lambda r),
    // 60 pi I L sin(theta) / (lambda r) with the program's eps0, and the
    // wave impedance 1 / (eps0 c) = 376.5 ohm, which mode Z takes as 377.
    const double current = 0.8;
    setSingleElement({0, 0, 10}, {0, 0, 1}, current);
    height = 10;
    const double eps0c = 8.854e-12 * 3e8;
    for (double r : {8000.0, 50000.0}) {
        const double farE = current / (2 * eps0c * lambda * r);
        EXPECT_NEAR(valueAt(r, 0, 'E') / farE, 1.0, 1e-5) << r;
        EXPECT_NEAR(valueAt(r, 0, 'E') / valueAt(r, 0, 'Z'), 1 / (eps0c * 377), 1e-5) << r;
        EXPECT_NEAR(valueAt(r, 0, 'T') / valueAt(r, 0, 'E'), 1.0, 1e-9) << r;
    }
}

class WireField : public ElementFieldTest {
  protected:
    void SetUp() override {
        ElementFieldTest::SetUp();
        layWire({{0, 0, 10}, {40, 0, 10}});
        height = 2;
    }
};

// A component as the sums receive it: its magnitude at the phase that angle
// gives, which is a right angle whenever the real part is below 1e-6.
Complex asSummed(Complex z) {
    return std::polar(std::abs(z), static_cast<long double>(angle(static_cast<double>(z.real()),
                                                                  static_cast<double>(z.imag()))));
}

// |E| and |H| of the wire as the sum of the complex field vectors of all its
// elements, worked out here with plain vector algebra.
std::vector<double> complexSum(const PointInputs& in, double px, double py, double pz) {
    using Vec = std::array<Complex, 3>;
    Vec e{}, h{};
    for (int i = 1; i <= in.elementCount; ++i) {
        const AntennaElement& el = (*in.elements)[i];
        const double p[3] = {px - el.x, py - el.y, pz - el.z};
        const double d[3] = {el.dx, el.dy, el.dz};
        const double r = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        double u[3], cth = 0;
        for (int k = 0; k < 3; ++k) {
            u[k] = p[k] / r;
            cth += u[k] * d[k];
        }
        const double sth = std::sqrt(1 - cth * cth);
        double eth[3], eph[3];
        for (int k = 0; k < 3; ++k)
            eth[k] = (cth * u[k] - d[k]) / sth;
        eph[0] = u[1] * eth[2] - u[2] * eth[1];
        eph[1] = u[2] * eth[0] - u[0] * eth[2];
        eph[2] = u[0] * eth[1] - u[1] * eth[0];
        // theta measured from the program's pi beyond 90 degrees.
        const double theta = std::acos(cth) - (cth < 0 ? M_PI - 3.14159 : 0.0);
        const DipoleField f = dipoleField(in.lambda, in.omega, el.current, r, theta);
        const Complex er = asSummed(f.er), et = asSummed(f.eth), hp = asSummed(f.hph);
        for (int k = 0; k < 3; ++k) {
            e[k] += er * static_cast<long double>(u[k]) + et * static_cast<long double>(eth[k]);
            h[k] += hp * static_cast<long double>(eph[k]);
        }
    }
    const auto norm = [](const Vec& v) {
        return static_cast<double>(std::sqrt(std::norm(v[0]) + std::norm(v[1]) + std::norm(v[2])));
    };
    return {norm(e), norm(h)};
}

TEST_F(WireField, SumsTheComplexFieldVectorsOfAllElements) {
    layWire({{0, 0, 10}, {40, 0, 10}, {40, 15, 6}, {25, 30, 12}});
    for (double x : {-20.0, 3.0, 20.0, 39.0, 80.0}) {
        for (double y : {-25.0, 1.0, 12.0, 60.0}) {
            const std::vector<double> expected = complexSum(inputs(), x, y, height);
            EXPECT_NEAR(rawValueAt(x, y, 'E'), expected[0], 1e-9 * expected[0]) << x << " " << y;
            EXPECT_NEAR(rawValueAt(x, y, 'M'), 100 * expected[1], 1e-7 * expected[1])
                << x << " " << y;
        }
    }
}

TEST_F(WireField, OnTheAxisLineOnlyTheRadialFieldRemains) {
    layWire({{0, 0, 2}, {10, 0, 2}});
    for (double x : {-7.0, 20.0, 300.0}) {
        EXPECT_EQ(valueAt(x, 0, 'T'), 0.0) << x;
        EXPECT_EQ(valueAt(x, 0, 'M'), 0.0) << x;
        EXPECT_EQ(valueAt(x, 0, 'Z'), 0.0) << x;
        EXPECT_GT(valueAt(x, 0, 'R'), 0.0) << x;
        EXPECT_EQ(valueAt(x, 0, 'E'), valueAt(x, 0, 'R')) << x;
    }
}

} // namespace
} // namespace kvarn
