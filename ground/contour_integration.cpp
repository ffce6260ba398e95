#include "ground/contour_integration.h"

#include <algorithm>
#include <cmath>

namespace kvarn::ground {
namespace {

using cplx = std::complex<double>;

constexpr double kCriterion = 1e-4;    // relative change that counts as converged
constexpr int kMaxDivisions = 131072;  // finest Romberg step: 1/131072 of the path
constexpr int kGoodStepsToWiden = 4;   // good steps before the step doubles again
constexpr int kMaxPieces = 20;         // pieces of a path to infinity (pairs of steps)
constexpr double kSettledFloor = 1e-3; // share of the largest sum below which changes count as 0
constexpr double kNegligible = 1e-37;  // magnitude below which a sum counts as converged

// NEC-2's test: the change of the real and of the imaginary part, each
// relative to the larger part of the newer estimate.
bool settled(cplx older, cplx newer) {
    const double den = std::max(std::abs(newer.real()), std::abs(newer.imag()));
    if (den < kNegligible) return true;
    return std::abs(older.real() - newer.real()) / den <= kCriterion &&
           std::abs(older.imag() - newer.imag()) / den <= kCriterion;
}

double absSum(cplx z) {
    return std::abs(z.real()) + std::abs(z.imag());
}

// Integrands times d lambda / dt along lambda = a + (b - a) t.
class Path {
  public:
    Path(const ContourIntegrand& f, cplx a, cplx b) : f_(f), a_(a), d_(b - a) {}
    Six operator()(double t) const {
        Six v = f_(a_ + d_ * t);
        for (cplx& x : v)
            x *= d_;
        return v;
    }

  private:
    const ContourIntegrand& f_;
    cplx a_, d_;
};

} // namespace

Six rombergPath(const ContourIntegrand& f, cplx a, cplx b, int divisions,
                IntegrationLimits& limits) {
    const Path g(f, a, b);
    // t runs from 0 to 1; a step shorter than this at the end is dropped.
    const double tail = 1.0 / (1e4 * kMaxDivisions);
    Six sum{};
    int ns = divisions; // steps per unit t
    int goodSteps = 0;
    double z = 0;
    Six g1 = g(0), g2, g3, g4, g5;
    while (true) {
        double dz = 1.0 / ns;
        if (z + dz > 1) {
            dz = 1 - z;
            if (dz <= tail) return sum;
        }
        g3 = g(z + 0.5 * dz);
        g5 = g(z + dz);
        // Refine this step until the 3- or 5-point Romberg estimate holds.
        while (true) {
            const double half = 0.5 * dz;
            Six t01, t10;
            bool ok = true;
            for (int i = 0; i < 6; ++i) {
                const cplx t00 = (g1[i] + g5[i]) * half;
                t01[i] = (t00 + dz * g3[i]) * 0.5;
                t10[i] = (4.0 * t01[i] - t00) / 3.0;
                ok = ok && settled(t01[i], t10[i]);
            }
            if (ok) {
                for (int i = 0; i < 6; ++i)
                    sum[i] += t10[i];
                goodSteps += 2;
                break;
            }
            g2 = g(z + 0.25 * dz);
            g4 = g(z + 0.75 * dz);
            Six t20;
            ok = true;
            for (int i = 0; i < 6; ++i) {
                const cplx t02 = (t01[i] + half * (g2[i] + g4[i])) * 0.5;
                const cplx t11 = (4.0 * t02 - t01[i]) / 3.0;
                t20[i] = (16.0 * t11 - t10[i]) / 15.0;
                ok = ok && settled(t11, t20[i]);
            }
            if (ok || ns >= kMaxDivisions) {
                if (!ok) limits.stepLimited = true;
                for (int i = 0; i < 6; ++i)
                    sum[i] += t20[i];
                goodSteps += 1;
                break;
            }
            // Halve the step; its quarter points become the new midpoint
            // and end.
            goodSteps = 0;
            ns *= 2;
            dz = half;
            g5 = g3;
            g3 = g2;
        }
        z += dz;
        if (z > 1 - tail) return sum;
        g1 = g5;
        if (goodSteps >= kGoodStepsToWiden && ns > divisions) {
            ns /= 2;
            goodSteps = 1;
        }
    }
}

Six shanksToInfinity(const ContourIntegrand& f, cplx start, cplx step, const Six& seed,
                     IntegrationLimits& limits, const PathBreak* pathBreak) {
    bool beforeBreak = pathBreak != nullptr;
    cplx del = step;
    cplx b = start;
    Six ans1{}, ans2 = seed;
    // The Shanks tableau: q1[n] and q2[n] hold the transforms of the odd
    // and even partial sums after piece n (index 0 unused).
    std::array<Six, kMaxPieces + 1> q1{}, q2{};
    int n = 0;
    // True once the path reaches the break: the sums so far become the seed
    // and the pieces start anew from the break point.
    auto reachesBreak = [&](cplx next) {
        return beforeBreak && next.real() >= pathBreak->point.real();
    };
    while (true) {
        bool restarted = false;
        for (n = 1; n <= kMaxPieces; ++n) {
            cplx a = b;
            b += del;
            if (reachesBreak(b)) {
                b = pathBreak->point;
                del = pathBreak->stepAfter;
                const Six s = rombergPath(f, a, b, 2, limits);
                for (int i = 0; i < 6; ++i)
                    ans2[i] += s[i];
                beforeBreak = false;
                restarted = true;
                break;
            }
            Six s = rombergPath(f, a, b, 2, limits);
            for (int i = 0; i < 6; ++i)
                ans1[i] = ans2[i] + s[i];
            a = b;
            b += del;
            if (reachesBreak(b)) {
                b = pathBreak->point;
                del = pathBreak->stepAfter;
                s = rombergPath(f, a, b, 2, limits);
                for (int i = 0; i < 6; ++i)
                    ans2[i] = ans1[i] + s[i];
                beforeBreak = false;
                restarted = true;
                break;
            }
            s = rombergPath(f, a, b, 2, limits);
            for (int i = 0; i < 6; ++i)
                ans2[i] = ans1[i] + s[i];

            // Shanks' transform of the two newest partial sums through the
            // columns of the tableau built so far.
            double largest = 0;
            for (int i = 0; i < 6; ++i) {
                cplx as1 = ans1[i], as2 = ans2[i];
                for (int jm = 1; jm < n; ++jm) {
                    const cplx aa = q2[jm][i];
                    cplx a1 = q1[jm][i] + as1 - 2.0 * aa;
                    if (a1 != 0.0) {
                        const cplx d = aa - q1[jm][i];
                        a1 = q1[jm][i] - d * d / a1;
                    } else {
                        a1 = q1[jm][i];
                    }
                    cplx a2 = aa + as2 - 2.0 * as1;
                    if (a2 != 0.0) {
                        const cplx d = as1 - aa;
                        a2 = aa - d * d / a2;
                    } else {
                        a2 = aa;
                    }
                    q1[jm][i] = as1;
                    q2[jm][i] = as2;
                    as1 = a1;
                    as2 = a2;
                }
                q1[n][i] = as1;
                q2[n][i] = as2;
                largest = std::max(largest, absSum(as2));
            }
            // Converged when the last (up to) four columns agree to the
            // criterion, changes below a thousandth of it of the largest
            // sum counting as none.
            const double floor = kSettledFloor * largest * kCriterion;
            bool ok = true;
            for (int j = std::max(n - 3, 1); j <= n && ok; ++j)
                for (int i = 0; i < 6 && ok; ++i) {
                    const double den = std::max(absSum(q2[j][i]) * kCriterion, floor);
                    ok = absSum(q1[j][i] - q2[j][i]) <= den;
                }
            if (ok) {
                Six sum;
                for (int i = 0; i < 6; ++i)
                    sum[i] = 0.5 * (q1[n][i] + q2[n][i]);
                return sum;
            }
        }
        if (!restarted) break;
    }
    limits.unconverged = true;
    Six sum;
    for (int i = 0; i < 6; ++i)
        sum[i] = 0.5 * (q1[kMaxPieces][i] + q2[kMaxPieces][i]);
    return sum;
}

} // namespace kvarn::ground
