// Prints field/fast_trig_constants.h: the polynomial coefficients, the
// pieces of pi/2 and the tables of the fast sine, cosine and arctangent, with
// the error bounds they reach. Needs MPFR; the library does not.
//
//   g++ -O2 -std=c++20 tools/fast_trig_constants.cpp -lmpfr -lgmp -o /tmp/ftc
//   /tmp/ftc | clang-format --assume-filename=x.h > field/fast_trig_constants.h
//
// It runs for about a minute, most of it proving the reduction bound for
// every binade of the extended format.
//
// Polynomials are fitted by the Remez exchange for least maximum relative
// error, then rounded coefficient by coefficient from the highest down; after
// each rounding the lower ones are fitted again to absorb it. The leading
// coefficients keep 106 bits as two doubles: the kernels multiply by the high
// one in extended precision and add the low one's share in SSE2.

#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr mpfr_prec_t kPrec = 256;

class Real {
  public:
    Real() { mpfr_init2(v, kPrec), mpfr_set_zero(v, 1); }
    Real(double d) { mpfr_init2(v, kPrec), mpfr_set_d(v, d, MPFR_RNDN); }
    Real(const Real& o) { mpfr_init2(v, kPrec), mpfr_set(v, o.v, MPFR_RNDN); }
    Real& operator=(const Real& o) {
        mpfr_set(v, o.v, MPFR_RNDN);
        return *this;
    }
    ~Real() { mpfr_clear(v); }
    mpfr_t v;
};

using Op = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
Real apply(Op op, const Real& a, const Real& b) {
    Real r;
    op(r.v, a.v, b.v, MPFR_RNDN);
    return r;
}
Real operator+(const Real& a, const Real& b) {
    return apply(mpfr_add, a, b);
}
Real operator-(const Real& a, const Real& b) {
    return apply(mpfr_sub, a, b);
}
Real operator*(const Real& a, const Real& b) {
    return apply(mpfr_mul, a, b);
}
Real operator/(const Real& a, const Real& b) {
    return apply(mpfr_div, a, b);
}
bool operator<(const Real& a, const Real& b) {
    return mpfr_less_p(a.v, b.v);
}
Real abs(const Real& a) {
    Real r;
    mpfr_abs(r.v, a.v, MPFR_RNDN);
    return r;
}
Real pi() {
    Real r;
    mpfr_const_pi(r.v, MPFR_RNDN);
    return r;
}
Real atan(const Real& a) {
    Real r;
    mpfr_atan(r.v, a.v, MPFR_RNDN);
    return r;
}
Real floor(const Real& a) {
    Real r;
    mpfr_floor(r.v, a.v);
    return r;
}
// a rounded to nearest with the given number of significant bits.
Real roundTo(const Real& a, int bits) {
    Real r = a;
    mpfr_prec_round(r.v, bits, MPFR_RNDN);
    Real w;
    mpfr_set(w.v, r.v, MPFR_RNDN);
    return w;
}
double log2Abs(const Real& a) {
    if (mpfr_zero_p(a.v)) return -9999;
    long e;
    const double d = mpfr_get_d_2exp(&e, a.v, MPFR_RNDN);
    return std::log2(std::fabs(d)) + static_cast<double>(e);
}
std::string hexLong(const Real& a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%LaL", mpfr_get_ld(a.v, MPFR_RNDN));
    return buf;
}
std::string hexDouble(const Real& a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", mpfr_get_d(a.v, MPFR_RNDN));
    return buf;
}

using Fn = std::function<Real(const Real&)>;

// Sum of sign^k z^k / den(k) for k = 0, 1, ... until the terms vanish.
Fn series(int firstSign, int alternate, std::function<Real(int)> den) {
    return [=](const Real& z) {
        Real sum, power(1.0);
        int sign = firstSign;
        for (int k = 0; k < 400; ++k) {
            const Real term = power / den(k);
            sum = sign > 0 ? sum + term : sum - term;
            if (log2Abs(term) < -300) break;
            power = power * z;
            sign *= alternate;
        }
        return sum;
    };
}

Real factorial(int n) {
    Real r(1.0);
    for (int i = 2; i <= n; ++i)
        r = r * Real(i);
    return r;
}

Real polyValue(const std::vector<Real>& c, const Real& z) {
    Real r;
    for (size_t j = c.size(); j-- > 0;)
        r = r * z + c[j];
    return r;
}

// Solves a x = b by Gaussian elimination with partial pivoting.
std::vector<Real> solve(std::vector<std::vector<Real>> a, std::vector<Real> b) {
    const size_t n = b.size();
    for (size_t col = 0; col < n; ++col) {
        size_t piv = col;
        for (size_t r = col + 1; r < n; ++r)
            if (abs(a[piv][col]) < abs(a[r][col])) piv = r;
        std::swap(a[piv], a[col]);
        std::swap(b[piv], b[col]);
        for (size_t r = col + 1; r < n; ++r) {
            const Real f = a[r][col] / a[col][col];
            for (size_t k = col; k < n; ++k)
                a[r][k] = a[r][k] - f * a[col][k];
            b[r] = b[r] - f * b[col];
        }
    }
    std::vector<Real> x(n);
    for (size_t r = n; r-- > 0;) {
        Real s = b[r];
        for (size_t k = r + 1; k < n; ++k)
            s = s - a[r][k] * x[k];
        x[r] = s / a[r][r];
    }
    return x;
}

// Degree-n polynomial p with least max |p(z) - g(z)| / |f(z)| on [0, b].
std::vector<Real> remez(const Fn& g, const Fn& f, int n, double b) {
    const int m = n + 2;
    std::vector<Real> ref(m);
    for (int i = 0; i < m; ++i)
        ref[i] = Real(b / 2 * (1 - std::cos(M_PI * i / (m - 1))));
    std::vector<Real> c;
    const int grid = 1000;
    for (int iter = 0; iter < 20; ++iter) {
        std::vector<std::vector<Real>> a(m, std::vector<Real>(m));
        std::vector<Real> rhs(m);
        for (int i = 0; i < m; ++i) {
            Real p(1.0);
            for (int j = 0; j <= n; ++j, p = p * ref[i])
                a[i][j] = p;
            a[i][n + 1] = (i % 2 ? Real(-1.0) : Real(1.0)) * f(ref[i]);
            rhs[i] = g(ref[i]);
        }
        std::vector<Real> sol = solve(a, rhs);
        c.assign(sol.begin(), sol.begin() + n + 1);
        // Extremum of each run of equal sign of the weighted error.
        std::vector<Real> ext, val;
        int runSign = 0;
        for (int k = 0; k <= grid; ++k) {
            const Real z(b / 2 * (1 - std::cos(M_PI * k / grid)));
            const Real e = (polyValue(c, z) - g(z)) / f(z);
            const int s = mpfr_sgn(e.v) >= 0 ? 1 : -1;
            if (s != runSign) {
                ext.push_back(z), val.push_back(e), runSign = s;
            } else if (abs(val.back()) < abs(e)) {
                ext.back() = z, val.back() = e;
            }
        }
        while (static_cast<int>(ext.size()) > m) {
            const bool dropFront = abs(val.front()) < abs(val.back());
            ext.erase(dropFront ? ext.begin() : ext.end() - 1);
            val.erase(dropFront ? val.begin() : val.end() - 1);
        }
        if (static_cast<int>(ext.size()) < m) break;
        Real lo = abs(val[0]), hi = abs(val[0]);
        for (const Real& v : val)
            lo = abs(v) < lo ? abs(v) : lo, hi = hi < abs(v) ? abs(v) : hi;
        ref = ext;
        if (log2Abs((hi - lo) / hi) < -10) break;
    }
    return c;
}

// Fits, then rounds from the top coefficient down (bits[j] = 53 or 106),
// refitting the lower ones after each rounding.
std::vector<Real> fitRounded(const Fn& f, const std::vector<int>& bits, double b) {
    const int n = static_cast<int>(bits.size()) - 1;
    std::vector<Real> fixed;
    std::vector<Real> c = remez(f, f, n, b);
    for (int j = n; j >= 0; --j) {
        fixed.insert(fixed.begin(), roundTo(c[j], bits[j]));
        if (j == 0) break;
        const std::vector<Real> top = fixed;
        const Fn rest = [&f, top, j](const Real& z) {
            Real zp(1.0);
            for (int i = 0; i < j; ++i)
                zp = zp * z;
            return f(z) - zp * polyValue(top, z);
        };
        c = remez(rest, f, j - 1, b);
    }
    return fixed;
}

double maxRelError(const std::vector<Real>& c, const Fn& f, double b) {
    Real worst;
    for (int k = 0; k <= 5000; ++k) {
        const Real z(b / 2 * (1 - std::cos(M_PI * k / 5000)));
        const Real e = abs((polyValue(c, z) - f(z)) / f(z));
        if (worst < e) worst = e;
    }
    return log2Abs(worst);
}

// Coefficients of 53 bits print as double, those of 106 bits as two doubles
// (name and nameLo) whose sum is the coefficient.
void printPoly(const char* name, const char* what, const std::vector<Real>& c,
               const std::vector<int>& bits, const Fn& f, double b) {
    std::printf("\n// %s on z in [0, %.6g]; max relative error 2^%.1f.\n", what, b,
                maxRelError(c, f, b));
    for (size_t j = 0; j < c.size(); ++j) {
        const Real hi = roundTo(c[j], 53);
        std::printf("inline constexpr double %s%zu = %s;\n", name, j, hexDouble(hi).c_str());
        if (bits[j] > 53)
            std::printf("inline constexpr double %s%zuLo = %s;\n", name, j,
                        hexDouble(c[j] - hi).c_str());
    }
}

// Lower bound of |x - k pi/2|, k >= 1, over the extended-precision x of the
// binade [2^e, 2^(e+1)), as a power of two: with alpha = 2^(63-e) pi/2,
// |x - k pi/2| = 2^(e-63) |m - k alpha| for the significand m, and the
// continued fraction of alpha gives the least ||k alpha|| over the k of the
// binade, 1 <= k < 2^(e+1) / (pi/2), at the last convergent denominator there.
double reductionBound(int e) {
    const mpfr_prec_t prec = 2 * std::max(e, 0) + 400;
    mpfr_t alpha, frac, a, p, q, pOld, qOld, t, qMax;
    mpfr_inits2(prec, alpha, frac, a, p, q, pOld, qOld, t, qMax, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_pi(alpha, MPFR_RNDN);
    mpfr_mul_2si(alpha, alpha, 62 - e, MPFR_RNDN);
    mpfr_ui_div(qMax, 1, alpha, MPFR_RNDN); // k pi/2 < 2^(e+1): k < 2^64 / alpha
    mpfr_mul_2ui(qMax, qMax, 64, MPFR_RNDN);
    mpfr_floor(qMax, qMax);
    mpfr_floor(p, alpha);
    mpfr_sub(frac, alpha, p, MPFR_RNDN);
    mpfr_set_ui(q, 1, MPFR_RNDN), mpfr_set_ui(pOld, 1, MPFR_RNDN), mpfr_set_ui(qOld, 0, MPFR_RNDN);
    while (!mpfr_zero_p(frac)) {
        mpfr_ui_div(frac, 1, frac, MPFR_RNDN);
        mpfr_floor(a, frac);
        mpfr_sub(frac, frac, a, MPFR_RNDN);
        mpfr_fma(t, a, q, qOld, MPFR_RNDN);
        if (mpfr_greater_p(t, qMax)) break;
        mpfr_swap(qOld, q), mpfr_swap(q, t);
        mpfr_fma(t, a, p, pOld, MPFR_RNDN);
        mpfr_swap(pOld, p), mpfr_swap(p, t);
    }
    mpfr_mul(t, q, alpha, MPFR_RNDN);
    mpfr_sub(t, t, p, MPFR_RNDN);
    long exp2;
    const double d = mpfr_get_d_2exp(&exp2, t, MPFR_RNDN);
    mpfr_clears(alpha, frac, a, p, q, pOld, qOld, t, qMax, static_cast<mpfr_ptr>(nullptr));
    return std::log2(std::fabs(d)) + static_cast<double>(exp2 + e - 63);
}

// The least reductionBound over the binades [eBegin, eEnd), and where.
void printLeastBound(const char* range, int eBegin, int eEnd) {
    double worst = 0;
    int worstE = eBegin;
    for (int e = eBegin; e < eEnd; ++e)
        if (const double b = reductionBound(e); b < worst) worst = b, worstE = e;
    std::printf("// %s: |x - k pi/2| >= 2^%.2f (binade 2^%d).\n", range, worst, worstE);
}

void printReduction() {
    const Real halfPi = pi() / Real(2.0);
    std::printf("\n// 2/pi, and pi/2 = kPio2Part1 + kPio2Part2 + kPio2Part3 + kPio2Part4: the\n"
                "// first three have 40 significant bits, so that k * part is exact for\n"
                "// |k| < 2^24.\n");
    std::printf("inline constexpr double kTwoOverPi = %s; // picks k only\n",
                hexDouble(roundTo(Real(2.0) / pi(), 53)).c_str());
    Real rest = halfPi;
    for (int i = 1; i <= 4; ++i) {
        const Real part = roundTo(rest, i < 4 ? 40 : 53);
        std::printf("inline constexpr double kPio2Part%d = %s;\n", i, hexDouble(part).c_str());
        rest = rest - part;
    }
    std::printf("// |pi/2 - sum of the parts| = 2^%.1f\n", log2Abs(rest));
    std::printf("// Closest approach of an extended x to a nonzero multiple of pi/2, by\n"
                "// continued fractions:\n");
    printLeastBound("pi/4 <= |x| < 2^24", -1, 24);
    printLeastBound("2^24 <= |x| <= LDBL_MAX", 24, 16384);
}

void printAtanTable(double* maxU) {
    std::printf("\n// Arctangent table: entry 0 for t < 2^-5, entries 1 + 8 (e + 5) + m for\n"
                "// t in [2^e (1 + m/8), 2^e (1 + (m+1)/8)), e = -5..4, and entry 81 for\n"
                "// t >= 2^5. atan t = hi + lo + atan((alpha t - beta) / (alpha + beta t)).\n");
    std::printf("struct AtanEntry {\n    long double hi;\n    double lo;\n    double alpha;\n"
                "    double beta;\n};\n");
    std::printf("inline constexpr AtanEntry kAtanTable[82] = {\n    {0.0L, 0.0, 1.0, 0.0},\n");
    Real worst(1.0 / 32);
    for (int e = -5; e <= 4; ++e)
        for (int m = 0; m < 8; ++m) {
            const Real c(std::ldexp(1.0 + (2 * m + 1) / 16.0, e));
            const Real a = atan(c);
            const Real hi = roundTo(a, 64), lo = roundTo(a - hi, 53);
            for (const double edge :
                 {std::ldexp(1.0 + m / 8.0, e), std::ldexp(1 + (m + 1) / 8.0, e)}) {
                const Real t(edge);
                const Real u = abs((t - c) / (Real(1.0) + t * c));
                if (worst < u) worst = u;
            }
            std::printf("    {%s, %s, 1.0, %s},\n", hexLong(hi).c_str(), hexDouble(lo).c_str(),
                        hexDouble(c).c_str());
        }
    const Real halfPi = pi() / Real(2.0);
    const Real hi = roundTo(halfPi, 64);
    std::printf("    {%s, %s, 0.0, 1.0},\n};\n", hexLong(hi).c_str(),
                hexDouble(roundTo(halfPi - hi, 53)).c_str());
    std::printf("// The reduced argument stays within |u| <= %.6f.\n",
                mpfr_get_d(worst.v, MPFR_RNDU));
    *maxU = mpfr_get_d(worst.v, MPFR_RNDU);
}

// Bits of 2/pi from bit 1 (weight 1/2) on, 64 to a word.
void printTwoOverPiBits(int words) {
    std::printf("\n// 2/pi in binary, 64 bits to a word, the first word holding the weights\n"
                "// 2^-1 .. 2^-64.\n");
    std::printf("inline constexpr unsigned long long kTwoOverPiBits[%d] = {\n", words);
    mpfr_t big;
    mpfr_init2(big, 20000);
    mpfr_const_pi(big, MPFR_RNDN);
    mpfr_ui_div(big, 2, big, MPFR_RNDN);
    for (int w = 0; w < words; ++w) {
        mpfr_mul_2ui(big, big, 64, MPFR_RNDN);
        mpfr_t whole;
        mpfr_init2(whole, 20000);
        mpfr_floor(whole, big);
        mpfr_sub(big, big, whole, MPFR_RNDN);
        const unsigned long word = mpfr_get_ui(whole, MPFR_RNDZ);
        std::printf("0x%016lxULL,%s", word, w % 4 == 3 ? "\n" : " ");
        mpfr_clear(whole);
    }
    std::printf("};\n");
    mpfr_clear(big);
    // pi/2 in fixed point with 126 fraction bits, as two words.
    Real scaled = floor(pi() / Real(2.0) * Real(std::ldexp(1.0, 126)));
    Real high = floor(scaled / Real(std::ldexp(1.0, 64)));
    Real low = scaled - high * Real(std::ldexp(1.0, 64));
    std::printf("// pi/2 * 2^126, rounded down, as high and low word.\n");
    std::printf("inline constexpr unsigned long long kPio2FixedHigh = 0x%016lxULL;\n",
                mpfr_get_ui(high.v, MPFR_RNDZ));
    std::printf("inline constexpr unsigned long long kPio2FixedLow = 0x%016lxULL;\n",
                mpfr_get_ui(low.v, MPFR_RNDZ));
}

} // namespace

int main() {
    std::printf(
        "#pragma once\n// Constants of the fast sine, cosine and arctangent, printed by\n"
        "// tools/fast_trig_constants.cpp; do not edit by hand.\n\nnamespace kvarn::trig {\n");
    printReduction();

    // The reduced argument: |r| <= pi/4 plus the slack of rounding x * 2/pi.
    const double rMax = M_PI / 4 + 1e-6, zr = rMax * rMax;
    const Fn sinTail = series(-1, -1, [](int k) { return factorial(2 * k + 3); });
    const std::vector<int> sinBits = {106, 106, 106, 53, 53, 53, 53, 53};
    printPoly("kSinPoly", "(sin r - r) / r^3 with z = r^2", fitRounded(sinTail, sinBits, zr),
              sinBits, sinTail, zr);
    const Fn cosTail = series(1, -1, [](int k) { return factorial(2 * k + 4); });
    const std::vector<int> cosBits = {106, 106, 106, 53, 53, 53, 53, 53};
    printPoly("kCosPoly", "(cos r - 1 + r^2/2) / r^4 with z = r^2",
              fitRounded(cosTail, cosBits, zr), cosBits, cosTail, zr);

    double maxU = 0;
    printAtanTable(&maxU);
    const double zu = maxU * maxU * 1.001;
    const Fn atanTail = series(-1, -1, [](int k) { return Real(2 * k + 3); });
    const std::vector<int> atanBits = {106, 53, 53, 53, 53};
    printPoly("kAtanPoly", "(atan u - u) / u^3 with z = u^2", fitRounded(atanTail, atanBits, zu),
              atanBits, atanTail, zu);

    // Bits of 2/pi up to 64 past the window of the largest exponent,
    // 16320 + 320 (trig_reduction.cpp reads one word ahead).
    printTwoOverPiBits(262);
    std::printf("\n} // namespace kvarn::trig\n");
}
