#include "ground/far_tables.h"

#include <algorithm>
#include <cmath>

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

} // namespace

FarTables::FarTables(const SommerfeldIntegrals& integrals, const GroundConstants& constants,
                     unsigned threads)
    : constants_(constants) {
    std::vector<GroundFields> nodes(static_cast<std::size_t>(kFarGrid.nu * kFarGrid.nt));
    std::vector<char> limited(nodes.size(), 0);
    forEachNode(nodes.size(), threads, [&](std::size_t n) {
        const int it = static_cast<int>(n) / kFarGrid.nu, iu = static_cast<int>(n) % kFarGrid.nu;
        auto result = integrals.evaluate(1 / (kFarGrid.u0 + iu * kFarGrid.du), nodeAngle(it));
        if (it + 1 == kFarGrid.nt) holdStraightAbove(result.fields);
        nodes[n] = result.fields;
        limited[n] = result.limited;
    });
    limitedNodes_ = static_cast<int>(std::count(limited.begin(), limited.end(), 1));
    const GridAxis t{0, kStepT, kFarGrid.nt};
    grid_ = HermiteGrid({kFarGrid.u0, kFarGrid.du, kFarGrid.nu}, t, nodes);
    std::vector<GroundFields> residual(static_cast<std::size_t>(kFarGrid.nt));
    for (int it = 0; it < kFarGrid.nt; ++it)
        residual[static_cast<std::size_t>(it)] =
            kFarTableEnd * (node(0, it) - nortonFields(constants_, kFarTableEnd, nodeAngle(it)));
    residual_ = HermiteLine(t, residual);
}

const GroundFields& FarTables::node(int iu, int it) const {
    return grid_.node(iu, it);
}

GroundFieldSlopes FarTables::at(double r, double theta) const {
    theta = std::max(theta, 0.0); // a point below the ground reads the surface
    if (r > kFarTableEnd) return beyond(r, theta);
    const double u = 1 / r, t = std::max(std::sqrt(theta / kHalfPi), kTinyT);
    GroundFieldSlopes f = grid_.at(u, t);
    // d/dR = -u^2 d/du, d/dtheta = d/dt / (pi t).
    f.dr = (-u * u) * f.dr;
    f.dtheta = (1 / (kPi * t)) * f.dtheta;
    return f;
}

GroundFieldSlopes FarTables::beyond(double r, double theta) const {
    // Norton's error at the tables' end, carried on as 1/R.
    const double t = std::max(std::sqrt(theta / kHalfPi), kTinyT);
    GroundFields d, dd;
    residual_.at(t, d, dd);
    dd = (1 / (kPi * t)) * dd;
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
