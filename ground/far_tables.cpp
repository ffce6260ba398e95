#include "ground/far_tables.h"

#include <algorithm>
#include <cmath>

#include "ground/cubic_weights.h"
#include "ground/ground_constants.h"
#include "ground/norton.h"
#include "ground/parallel_nodes.h"

namespace kvarn::ground {
namespace {

constexpr double kRelativeStepR = 1e-4; // of R: step of the differences of Norton's form
constexpr double kStepTheta = 1e-4;     // rad, the same along theta
constexpr double kStepT = 1.0 / (kFarGrid.nt - 1);
constexpr double kTinyT = 1e-6; // t below it is taken as it: the slope along theta grows as 1/t

// The angle of node it.
double nodeAngle(int it) {
    const double t = it * kStepT;
    return kHalfPi * t * t;
}

// Four nodes from `first` at positions -1 to 2 around the point, which lies
// at x, between 0 and 1 except in the outermost cells.
struct Centred {
    int first;
    double x;
};

Centred centred(double value, double start, double step, int nodes) {
    const int i = std::clamp(static_cast<int>(std::floor((value - start) / step)), 1, nodes - 3);
    return {i - 1, (value - (start + i * step)) / step};
}

} // namespace

FarTables::FarTables(const SommerfeldIntegrals& integrals, const GroundConstants& constants,
                     unsigned threads)
    : constants_(constants), nodes_(static_cast<std::size_t>(kFarGrid.nu * kFarGrid.nt)),
      residual_(static_cast<std::size_t>(kFarGrid.nt)) {
    std::vector<char> limited(nodes_.size(), 0);
    forEachNode(nodes_.size(), threads, [&](std::size_t n) {
        const int it = static_cast<int>(n) / kFarGrid.nu, iu = static_cast<int>(n) % kFarGrid.nu;
        auto result = integrals.evaluate(1 / (kFarGrid.u0 + iu * kFarGrid.du), nodeAngle(it));
        if (it + 1 == kFarGrid.nt) holdStraightAbove(result.fields);
        nodes_[n] = result.fields;
        limited[n] = result.limited;
    });
    limitedNodes_ = static_cast<int>(std::count(limited.begin(), limited.end(), 1));
    for (int it = 0; it < kFarGrid.nt; ++it)
        residual_[static_cast<std::size_t>(it)] =
            kFarTableEnd * (node(0, it) - nortonFields(constants_, kFarTableEnd, nodeAngle(it)));
}

const GroundFields& FarTables::node(int iu, int it) const {
    return nodes_[static_cast<std::size_t>(it * kFarGrid.nu + iu)];
}

GroundFieldSlopes FarTables::at(double r, double theta) const {
    theta = std::max(theta, 0.0); // a point below the ground reads the surface
    if (r > kFarTableEnd) return beyond(r, theta);
    const double u = 1 / r;
    const Centred su = centred(u, kFarGrid.u0, kFarGrid.du, kFarGrid.nu);
    const double t = std::max(std::sqrt(theta / kHalfPi), kTinyT);
    const Centred st = centred(t, 0, kStepT, kFarGrid.nt);
    const auto wu = cubicWeights(su.x), wt = cubicWeights(st.x);
    const auto su1 = cubicSlopes(su.x), st1 = cubicSlopes(st.x);
    // d/dR = -u^2 d/du, d/dtheta = d/dt / (pi t).
    const double byR = -u * u / kFarGrid.du, byTheta = 1 / (kStepT * kPi * t);
    GroundFieldSlopes f{};
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const GroundFields& n = node(su.first + i, st.first + j);
            addScaled(f.value, wt[j] * wu[i], n);
            addScaled(f.dr, wt[j] * su1[i] * byR, n);
            addScaled(f.dtheta, st1[j] * wu[i] * byTheta, n);
        }
    return f;
}

GroundFieldSlopes FarTables::beyond(double r, double theta) const {
    // Norton's error at the tables' end, carried on as 1/R.
    const double t = std::max(std::sqrt(theta / kHalfPi), kTinyT);
    const Centred st = centred(t, 0, kStepT, kFarGrid.nt);
    const auto wt = cubicWeights(st.x), st1 = cubicSlopes(st.x);
    GroundFields d{}, dd{};
    for (int j = 0; j < 4; ++j) {
        const GroundFields& n = residual_[static_cast<std::size_t>(st.first + j)];
        addScaled(d, wt[j], n);
        addScaled(dd, st1[j] / (kStepT * kPi * t), n);
    }
    // Norton's form and its slopes by central differences, one-sided at
    // 90 degrees, where it is not smooth (it holds |cos theta|).
    auto norton = [&](double rr, double tt) { return nortonFields(constants_, rr, tt); };
    const GroundFields n = norton(r, theta);
    const double hr = kRelativeStepR * r, ht = kStepTheta;
    const GroundFields nr = (0.5 / hr) * (norton(r + hr, theta) - norton(r - hr, theta));
    const GroundFields nt =
        theta + ht <= kHalfPi
            ? (0.5 / ht) * (norton(r, theta + ht) - norton(r, theta - ht))
            : (0.5 / ht) * (3.0 * n - 4.0 * norton(r, theta - ht) + norton(r, theta - 2 * ht));
    GroundFieldSlopes f;
    f.value = n + (1 / r) * d;
    f.dr = nr - (1 / (r * r)) * d;
    f.dtheta = nt + (1 / r) * dd;
    return f;
}

} // namespace kvarn::ground
