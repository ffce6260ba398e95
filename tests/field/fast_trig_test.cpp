// Checks the fast trigonometry against MPFR, class by class of the field
// model's arguments, and prints the worst errors next to the C library's.

#include "field/fast_trig.h"

#include "field/constants.h"
#include "field/fast_angle.h"
#include "field/geometry.h"

#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace kvarn {
namespace {

using Rng = std::mt19937_64;
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kDenormMin = std::numeric_limits<long double>::denorm_min();
constexpr long double kHalfPi = 0xc.90fdaa22168c235p-3L; // correctly rounded

struct Mpfr {
    explicit Mpfr(mpfr_prec_t p) { mpfr_init2(v, p); }
    ~Mpfr() { mpfr_clear(v); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    mpfr_t v;
};

// |value - exact| in ulps (64-bit significand) of the exact value.
double ulpError(long double value, mpfr_srcptr exact) {
    if (std::isnan(value)) return INFINITY;
    Mpfr d(256);
    mpfr_set_ld(d.v, value, MPFR_RNDN);
    mpfr_sub(d.v, d.v, exact, MPFR_RNDN);
    mpfr_mul_2si(d.v, d.v, -std::max<long>(mpfr_get_exp(exact) - 64, -16445), MPFR_RNDN);
    return std::fabs(mpfr_get_d(d.v, MPFR_RNDN));
}

struct Accuracy {
    std::string kernel, argClass;
    long count = 0;
    double worst = 0, libcWorst = 0; // in ulps
    long double worstArg = 0;
    long notNearest = 0;          // results other than the correctly rounded one
    long libcDiffers = 0;         // results other than the C library's, and of those
    long libcDiffersAsDouble = 0; // the ones still different once rounded to double

    void add(long double arg, long double ours, long double libc, mpfr_srcptr exact) {
        const double e = ulpError(ours, exact);
        if (count++ == 0 || e > worst) worst = e, worstArg = arg;
        libcWorst = std::max(libcWorst, ulpError(libc, exact));
        notNearest += ours != mpfr_get_ld(exact, MPFR_RNDN);
        libcDiffers += ours != libc;
        libcDiffersAsDouble += static_cast<double>(ours) != static_cast<double>(libc);
    }
};

double uniform(Rng& g, double lo, double hi) {
    return lo + (hi - lo) * static_cast<double>(g() >> 11) * 0x1p-53;
}
// Random 64-bit significand in the binade [2^e, 2^(e+1)), e in [lo, hi).
long double logUniform(Rng& g, int lo, int hi) {
    const int e = lo + static_cast<int>(g() % static_cast<unsigned>(hi - lo));
    return std::ldexp(static_cast<long double>(g() | 1ULL << 63), e - 63);
}
long double randomSign(Rng& g, long double v) {
    return g() & 1 ? -v : v;
}
long double stepUlps(long double v, int n) {
    for (; n != 0; n -= n > 0 ? 1 : -1)
        v = std::nextafter(v, n > 0 ? kInf : -kInf);
    return v;
}
long double nearestToMultiple(double k, bool asDouble) { // of pi/2
    Mpfr m(512);
    mpfr_const_pi(m.v, MPFR_RNDN);
    mpfr_mul_d(m.v, m.v, k / 2, MPFR_RNDN);
    return asDouble ? mpfr_get_d(m.v, MPFR_RNDN) : mpfr_get_ld(m.v, MPFR_RNDN);
}

// In each binade [2^e, 2^(e+1)) below 2^64, the numbers of `digits` bits that
// come closest to multiples of pi/2, and their neighbours: x = p 2^(e+1-digits)
// for the convergents p/q of 2^(digits-1-e) pi/2.
void addClosestToMultiples(int digits, std::vector<long double>& out) {
    for (int e = -1; e < 64; ++e) {
        Mpfr frac(600), a(600), p(600), q(600), pOld(600), qOld(600), t(600);
        mpfr_const_pi(frac.v, MPFR_RNDN);
        mpfr_mul_2si(frac.v, frac.v, digits - 2 - e, MPFR_RNDN);
        mpfr_floor(p.v, frac.v);
        mpfr_sub(frac.v, frac.v, p.v, MPFR_RNDN);
        mpfr_set_ui(q.v, 1, MPFR_RNDN), mpfr_set_ui(pOld.v, 1, MPFR_RNDN);
        mpfr_set_ui(qOld.v, 0, MPFR_RNDN);
        while (mpfr_get_ld(q.v, MPFR_RNDN) <= std::ldexp(1.0L, e + 1) && !mpfr_zero_p(frac.v)) {
            const long double pv = mpfr_get_ld(p.v, MPFR_RNDN);
            if (pv >= std::ldexp(1.0L, digits - 1) && pv < std::ldexp(1.0L, digits))
                for (int n = -1; n <= 1; ++n)
                    out.push_back(stepUlps(std::ldexp(pv, e + 1 - digits), n));
            mpfr_ui_div(frac.v, 1, frac.v, MPFR_RNDN);
            mpfr_floor(a.v, frac.v);
            mpfr_sub(frac.v, frac.v, a.v, MPFR_RNDN);
            for (auto [num, old] : {std::pair{&p, &pOld}, std::pair{&q, &qOld}}) {
                mpfr_fma(t.v, a.v, num->v, old->v, MPFR_RNDN);
                mpfr_swap(old->v, num->v), mpfr_swap(num->v, t.v);
            }
        }
    }
}

struct ArgClass {
    const char* name;
    double share; // of the random arguments
    std::function<long double(Rng&)> draw;
    std::vector<long double> systematic = {};
};

// Runs check(argument, rows) over `count` random arguments spread by share,
// plus each class's systematic ones, and prints one row per kernel and class.
std::vector<Accuracy> measure(const std::vector<std::string>& kernels,
                              const std::vector<ArgClass>& classes, long count,
                              const std::function<void(long double, Accuracy*)>& check) {
    std::vector<Accuracy> table;
    Rng g(20240611);
    std::printf("%-5s %-12s %9s %9s %-28s %7s %7s %8s %9s\n", "", "class", "args", "worst ulp",
                "at argument", "not CR", "!=libc", "!=double", "libc ulp");
    for (const ArgClass& c : classes) {
        Accuracy rows[2];
        for (size_t k = 0; k < kernels.size(); ++k)
            rows[k].kernel = kernels[k], rows[k].argClass = c.name;
        for (long i = std::lround(static_cast<double>(count) * c.share); i > 0; --i)
            check(c.draw(g), rows);
        for (long double x : c.systematic)
            check(x, rows);
        for (size_t k = 0; k < kernels.size(); ++k) {
            const Accuracy& a = rows[k];
            std::printf("%-5s %-12s %9ld %9.4f %-28La %7ld %7ld %8ld %9.4f\n", a.kernel.c_str(),
                        a.argClass.c_str(), a.count, a.worst, a.worstArg, a.notNearest,
                        a.libcDiffers, a.libcDiffersAsDouble, a.libcWorst);
            table.push_back(a);
        }
    }
    std::fflush(stdout);
    return table;
}

void expectFaithful(const std::vector<Accuracy>& table) {
    for (const Accuracy& a : table)
        EXPECT_LT(a.worst, 1.0) << a.kernel << ", " << a.argClass << ", at " << a.worstArg;
}

// The argument classes of the sine and cosine.
std::vector<ArgClass> sinCosClasses() {
    std::vector<long double> nearMultiples;
    for (int k = 1; k <= 4000; ++k)
        for (int n = -1; n <= 1; ++n)
            for (bool asDouble : {true, false})
                nearMultiples.push_back(stepUlps(nearestToMultiple(k, asDouble), n));
    addClosestToMultiples(53, nearMultiples);
    addClosestToMultiples(64, nearMultiples);
    return {
        {"distance", 0.33, // k r, stored to double as the field model does
         [](Rng& g) {
             const double r = std::exp(uniform(g, std::log(1e-3), std::log(4e6)));
             const long double x = r * 6.28318L / uniform(g, 2.05, 200);
             return static_cast<long double>(static_cast<double>(x));
         }},
        {"angle", 0.15, [](Rng& g) { return static_cast<long double>(uniform(g, 0, 3.14159)); }},
        {"phase", 0.15, [](Rng& g) { return (g() * 0x1p-63L - 1) * 3.14159L; }},
        {"near k pi/2", 0.20,
         [](Rng& g) {
             const double k = std::floor(std::exp(uniform(g, 0, std::log(0x1p31))));
             return stepUlps(nearestToMultiple(k, g() & 1), static_cast<int>(g() % 7) - 3);
         },
         nearMultiples},
        {"large", 0.10,
         [](Rng& g) {
             const long double x = randomSign(g, logUniform(g, 24, 30));
             return g() & 1 ? static_cast<long double>(static_cast<double>(x)) : x;
         }},
        {"tiny", 0.05, [](Rng& g) { return randomSign(g, logUniform(g, -16445, -20)); }},
        {"huge", 0.02, [](Rng& g) { return randomSign(g, logUniform(g, 30, 16384)); }},
    };
}

void checkSinCos(long count) {
    Mpfr x(64), s(96), c(96); // 96 bits measure errors to 2^-32 ulp
    expectFaithful(
        measure({"sin", "cos"}, sinCosClasses(), count, [&](long double arg, Accuracy* rows) {
            mpfr_set_ld(x.v, arg, MPFR_RNDN);
            mpfr_sin_cos(s.v, c.v, x.v, MPFR_RNDN);
            const SinCos v = sinCos(arg);
            rows[0].add(arg, v.s, sinl(arg), s.v);
            rows[1].add(arg, v.c, cosl(arg), c.v);
        }));
}

// The kernel's forms on the same classes, their arguments rounded to double
// (those beyond the double range, and 0, left out). The halves must split an
// extended value within one ulp; a result rounded to double must be the
// rounding of one of the two extended values next to the exact one, the
// ones a faithful sinCos may give.
void checkSinCosOfDoubles(long count) {
    Mpfr x(64), s(96), c(96);
    long notRounded = 0;
    const auto rounded = [&](double got, mpfr_srcptr exact, const char* what, double arg) {
        const double down = static_cast<double>(mpfr_get_ld(exact, MPFR_RNDD));
        const double up = static_cast<double>(mpfr_get_ld(exact, MPFR_RNDU));
        if (got == down || got == up) return;
        if (++notRounded <= 10)
            ADD_FAILURE() << std::hexfloat << what << "(" << arg << ") = " << got << ", not "
                          << down << " or " << up;
    };
    const auto halves = [](double hi, double lo) {
        const long double v = static_cast<long double>(hi) + lo;
        EXPECT_EQ(hi, static_cast<double>(v)) << "halves " << hi << " + " << lo;
        return v;
    };
    expectFaithful(
        measure({"sin", "cos"}, sinCosClasses(), count, [&](long double wide, Accuracy* rows) {
            const double arg = static_cast<double>(wide);
            if (!std::isfinite(arg) || arg == 0) return; // 0: see the special arguments
            mpfr_set_d(x.v, arg, MPFR_RNDN);
            mpfr_sin_cos(s.v, c.v, x.v, MPFR_RNDN);
            const SinCosHalves h = sinCosOfAngleHalves(arg);
            rows[0].add(arg, halves(h.sHi, h.sLo), sinl(arg), s.v);
            rows[1].add(arg, halves(h.cHi, h.cLo), cosl(arg), c.v);
            const SinCosDouble a = sinCosOfAngleDouble(arg), d = sinCosDouble(arg);
            rounded(a.s, s.v, "sinCosOfAngleDouble sin", arg);
            rounded(a.c, c.v, "sinCosOfAngleDouble cos", arg);
            rounded(d.s, s.v, "sinCosDouble sin", arg);
            rounded(d.c, c.v, "sinCosDouble cos", arg);
        }));
    EXPECT_EQ(notRounded, 0);
}

void checkArcTan(long count) {
    std::vector<long double> edges; // of the table's intervals, and around 1
    for (int e = -7; e <= 6; ++e)
        for (int m = 0; m < 8; ++m)
            for (int n = -4; n <= 4; ++n)
                edges.push_back(stepUlps(std::ldexp(1 + m / 8.0L, e), n));
    for (int n = -200; n <= 200; ++n)
        edges.push_back(stepUlps(1.0L, n));
    const std::vector<ArgClass> classes = {
        {"ratio", 0.40, // |y / x| of coordinate differences
         [](Rng& g) {
             const double x = uniform(g, -1000, 1000) * (g() % 20 == 0 ? 1e-9 : 1);
             const double y = uniform(g, -1000, 1000);
             return std::fabs(g() & 1 ? static_cast<long double>(y) / x
                                      : static_cast<long double>(x) / y);
         }},
        {"log-uniform", 0.25, [](Rng& g) { return randomSign(g, logUniform(g, -40, 40)); }},
        {"near edges", 0.15,
         [](Rng& g) {
             const long double t =
                 std::ldexp(1 + static_cast<int>(g() % 8) / 8.0L, static_cast<int>(g() % 14) - 7);
             return t * (1 + randomSign(g, logUniform(g, -64, -8)));
         },
         edges},
        {"tiny", 0.10, [](Rng& g) { return logUniform(g, -16445, -28); }},
        {"huge", 0.10, [](Rng& g) { return logUniform(g, 28, 16384); }},
    };
    Mpfr x(64), a(96);
    expectFaithful(measure({"atan"}, classes, count, [&](long double arg, Accuracy* rows) {
        mpfr_set_ld(x.v, arg, MPFR_RNDN);
        mpfr_atan(a.v, x.v, MPFR_RNDN);
        rows[0].add(arg, arcTan(arg), atanl(arg), a.v);
    }));
}

// fastAngle(x, y) against angle()'s steps on an arctangent of t = |y / x|
// (extended, as angle() forms it) that is one of the two extended values
// next to the exact one: the result must be what one of them gives. Where
// angle() takes no arctangent (|x| < 1e-6), it must be angle()'s own.
struct AngleCheck {
    std::string argClass;
    long count = 0, notFromNearest = 0, libcDiffers = 0;

    void add(double x, double y) {
        ++count;
        const double got = fastAngle(x, y);
        const double libc = angle(x, y);
        libcDiffers += std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(libc);
        if (std::isnan(x) || std::isnan(y)) {
            EXPECT_TRUE(std::isnan(got)) << "angle(" << x << ", " << y << ")";
            return;
        }
        if (fabsl(x) < 1e-6L) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(libc))
                << "angle(" << x << ", " << y << ")";
            return;
        }
        const long double t = fabsl(static_cast<long double>(y) / x);
        Mpfr m(64), exact(128);
        mpfr_set_ld(m.v, t, MPFR_RNDN);
        mpfr_atan(exact.v, m.v, MPFR_RNDN);
        const auto steps = [&](long double a) { // angle() after its atanl
            if (x >= 0) return static_cast<double>(y >= 0 ? a : -a);
            return static_cast<double>(y >= 0 ? kPi - a : a - kPi);
        };
        const double down = steps(mpfr_get_ld(exact.v, MPFR_RNDD));
        const double up = steps(mpfr_get_ld(exact.v, MPFR_RNDU));
        const double nearest = steps(mpfr_get_ld(exact.v, MPFR_RNDN));
        const auto same = [](double a, double b) {
            return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
        };
        EXPECT_TRUE(same(got, down) || same(got, up))
            << std::hexfloat << "angle(" << x << ", " << y << ") = " << got << ", not " << down
            << " or " << up;
        notFromNearest += !same(got, nearest);
    }
};

void checkAngle(long count) {
    Rng g(20251208);
    const auto direction = [&] { // (cth, sth) of the geometry
        const double cth = g() % 8 == 0 ? randomSign(g, logUniform(g, -25, 0)) : uniform(g, -1, 1);
        return std::pair{cth,
                         static_cast<double>(sqrtl(1.0L - static_cast<long double>(cth) * cth))};
    };
    const auto field = [&] { // (re, im) of a field component, any quadrant
        return std::pair{static_cast<double>(randomSign(g, logUniform(g, -40, 30))),
                         static_cast<double>(randomSign(g, logUniform(g, -40, 30)))};
    };
    const auto nearEdges = [&] { // |y / x| near the edges of the arctangent's table
        const double x = static_cast<double>(randomSign(g, logUniform(g, -3, 3)));
        const long double edge =
            std::ldexp(1 + static_cast<int>(g() % 8) / 8.0L, static_cast<int>(g() % 12) - 6);
        const double y =
            static_cast<double>(x * edge * (1 + randomSign(g, logUniform(g, -60, -10))));
        return std::pair{x, randomSign(g, y)};
    };
    const auto nearAxis = [&] { // |x| around angle()'s limit 1e-6
        const int steps = static_cast<int>(g() % 9) - 4;
        return std::pair{static_cast<double>(randomSign(g, stepUlps(1e-6L, 0))) *
                             (1 + steps * 0x1p-52),
                         static_cast<double>(randomSign(g, logUniform(g, -30, 10)))};
    };
    const struct {
        const char* name;
        double share;
        std::function<std::pair<double, double>()> draw;
    } classes[] = {{"direction", 0.35, direction},
                   {"field", 0.35, field},
                   {"near edges", 0.2, nearEdges},
                   {"near axis", 0.1, nearAxis}};
    std::printf("%-12s %9s %14s %9s\n", "class", "args", "!=nearest atan", "!=libc");
    for (const auto& c : classes) {
        AngleCheck check{c.name};
        for (long i = std::lround(static_cast<double>(count) * c.share); i > 0; --i) {
            const auto [x, y] = c.draw();
            check.add(x, y);
        }
        std::printf("%-12s %9ld %14ld %9ld\n", c.name, check.count, check.notFromNearest,
                    check.libcDiffers);
    }
    std::fflush(stdout);
}

// Same value and same sign; NaN matches NaN.
void expectSame(long double got, long double want, const char* what, long double arg) {
    if (std::isnan(want)) {
        EXPECT_TRUE(std::isnan(got)) << what << "(" << arg << ")";
    } else {
        EXPECT_EQ(got, want) << what << "(" << arg << ")";
        EXPECT_EQ(std::signbit(got), std::signbit(want)) << what << "(" << arg << ")";
    }
}

TEST(FastTrig, SpecialArgumentsGiveExactResults) {
    struct Case {
        long double x, sin, cos, atan;
    };
    const Case cases[] = {
        {0.0L, 0.0L, 1.0L, 0.0L},
        {-0.0L, -0.0L, 1.0L, -0.0L},
        {kDenormMin, kDenormMin, 1.0L, kDenormMin},
        {-kDenormMin, -kDenormMin, 1.0L, -kDenormMin},
        {0x1p-40L, 0x1p-40L, 1.0L, 0x1p-40L},
        {kInf, kNaN, kNaN, kHalfPi},
        {-kInf, kNaN, kNaN, -kHalfPi},
        {kNaN, kNaN, kNaN, kNaN},
    };
    for (const Case& c : cases) {
        const SinCos v = sinCos(c.x);
        expectSame(v.s, c.sin, "sin", c.x);
        expectSame(v.c, c.cos, "cos", c.x);
        expectSame(arcTan(c.x), c.atan, "atan", c.x);
        // The kernel's forms, for the arguments that are doubles.
        const double x = static_cast<double>(c.x);
        if (x != c.x && !std::isnan(c.x)) continue;
        const SinCosDouble d = sinCosDouble(x), a = sinCosOfAngleDouble(x);
        const SinCosHalves h = sinCosOfAngleHalves(x);
        for (const auto& [got, want, what] : {std::tuple{d.s, c.sin, "sinCosDouble sin"},
                                              {d.c, c.cos, "sinCosDouble cos"},
                                              {a.s, c.sin, "sinCosOfAngleDouble sin"},
                                              {a.c, c.cos, "sinCosOfAngleDouble cos"},
                                              {h.sHi, c.sin, "halves sin"},
                                              {h.cHi, c.cos, "halves cos"}})
            expectSame(got, want, what, c.x);
        if (!std::isnan(c.sin)) {
            EXPECT_EQ(h.sLo, 0.0) << c.x;
            EXPECT_EQ(h.cLo, 0.0) << c.x;
        }
    }
}

TEST(FastTrig, AngleTakesAFaithfulArcTanOnAMillionArguments) {
    checkAngle(1000000);
}
TEST(FastTrig, AngleOfSpecialArgumentsMatchesTheReference) {
    constexpr double kInfD = std::numeric_limits<double>::infinity();
    constexpr double kMax = std::numeric_limits<double>::max();
    const double values[] = {0.0, -0.0, 1e-6, -1e-6, 0.5, -2.0, kMax, -kMax, kInfD, -kInfD};
    for (double x : values)
        for (double y : values) {
            SCOPED_TRACE(::testing::Message() << "angle(" << x << ", " << y << ")");
            const double got = fastAngle(x, y), want = angle(x, y);
            if (std::isnan(want))
                EXPECT_TRUE(std::isnan(got));
            else
                EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(want));
        }
    EXPECT_TRUE(std::isnan(fastAngle(std::nan(""), 1.0)));
    EXPECT_TRUE(std::isnan(fastAngle(1.0, std::nan(""))));
}
TEST(FastTrig, SinCosWithinOneUlpOnAMillionArguments) {
    checkSinCos(1000000);
}
TEST(FastTrig, SinCosOfDoublesWithinOneUlpOnAMillionArguments) {
    checkSinCosOfDoubles(1000000);
}
TEST(FastTrig, ArcTanWithinOneUlpOnAMillionArguments) {
    checkArcTan(1000000);
}

// Ten million arguments per kernel take about a minute: only when asked for.
bool longTestsWanted() {
    const char* v = std::getenv("KVARN_LONG_TESTS");
    return v && std::strcmp(v, "1") == 0;
}
TEST(FastTrigLong, SinCosWithinOneUlpOnTenMillionArguments) {
    if (!longTestsWanted()) GTEST_SKIP() << "set KVARN_LONG_TESTS=1";
    checkSinCos(10000000);
}
TEST(FastTrigLong, SinCosOfDoublesWithinOneUlpOnTenMillionArguments) {
    if (!longTestsWanted()) GTEST_SKIP() << "set KVARN_LONG_TESTS=1";
    checkSinCosOfDoubles(10000000);
}
TEST(FastTrigLong, ArcTanWithinOneUlpOnTenMillionArguments) {
    if (!longTestsWanted()) GTEST_SKIP() << "set KVARN_LONG_TESTS=1";
    checkArcTan(10000000);
}
TEST(FastTrigLong, AngleTakesAFaithfulArcTanOnTenMillionArguments) {
    if (!longTestsWanted()) GTEST_SKIP() << "set KVARN_LONG_TESTS=1";
    checkAngle(10000000);
}

} // namespace
} // namespace kvarn
