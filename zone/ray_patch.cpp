#include "zone/ray_patch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kvarn::zone {

namespace {

constexpr double kPi = std::numbers::pi;
// A bend below this angle needs no cap: the discs on both sides meet.
constexpr double kStraight = 1e-9; // rad

// A unit vector across the direction t, pointing up where it can, so that
// a horizontal wire has rays straight up, straight down and level.
Point3 upAcross(Point3 t) {
    const Point3 up{0, 0, 1};
    const Point3 across = up - dot(up, t) * t;
    if (norm(across) > 1e-6) return unit(across);
    return unit(Point3{1, 0, 0} - dot(Point3{1, 0, 0}, t) * t);
}

Patch cap(Point3 corner, Point3 t, Point3 w, double psi0, double psi1, int around) {
    Patch c;
    c.kind = PatchKind::cap;
    c.origin = corner;
    c.t = t;
    c.w = w;
    c.n = cross(w, t);
    c.psi0 = psi0;
    c.psi1 = psi1;
    c.cellsP = around / 2;
    const double step = 2 * kPi / around;
    c.cellsQ = std::max(1, static_cast<int>(std::ceil((psi1 - psi0) / step - 1e-9)));
    return c;
}

} // namespace

RayLine Patch::at(double p, double q) const {
    if (kind == PatchKind::disc) {
        const double phi = 2 * kPi * q;
        return {origin + (p * length) * t, std::cos(phi) * w + std::sin(phi) * n};
    }
    const double theta = kPi * p;
    const double psi = psi0 + (psi1 - psi0) * q;
    const Point3 side = std::cos(psi) * t + std::sin(psi) * n;
    return {origin, std::cos(theta) * w + std::sin(theta) * side};
}

std::vector<Point3> distinctCorners(std::span<const Point3> corners) {
    std::vector<Point3> out;
    for (const Point3& c : corners)
        if (out.empty() || norm(c - out.back()) >= kShortestSegment) out.push_back(c);
    return out;
}

std::vector<Patch> rayPatches(std::span<const Point3> corners, double reach, double arc) {
    const double apart = std::max(arc, kCoarseArc);
    int around = std::max(kMinAround, static_cast<int>(std::ceil(2 * kPi * reach / apart)));
    around = (around + 3) / 4 * 4; // level, up and down rays on a horizontal wire
    std::vector<Patch> patches;
    if (corners.size() == 1) {
        // A point: two half spheres, above and below.
        const Point3 x{1, 0, 0};
        patches.push_back(cap(corners[0], {0, 0, 1}, x, -kPi / 2, kPi / 2, around));
        patches.push_back(cap(corners[0], {0, 0, -1}, x, -kPi / 2, kPi / 2, around));
        return patches;
    }
    const std::size_t segments = corners.size() - 1;
    std::vector<Point3> t(segments);
    for (std::size_t j = 0; j < segments; ++j) {
        Patch d;
        d.origin = corners[j];
        d.length = norm(corners[j + 1] - corners[j]);
        d.t = t[j] = (1 / d.length) * (corners[j + 1] - corners[j]);
        d.w = upAcross(d.t);
        d.n = cross(d.t, d.w);
        d.cellsP = std::max(1, static_cast<int>(std::ceil(d.length / kCoarseStation - 1e-9)));
        d.cellsQ = around;
        d.periodicQ = true;
        patches.push_back(d);
    }
    // The free ends: half spheres beyond them.
    const Point3 first = -1.0 * t.front();
    patches.push_back(cap(corners.front(), first, upAcross(first), -kPi / 2, kPi / 2, around));
    patches.push_back(cap(corners.back(), t.back(), upAcross(t.back()), -kPi / 2, kPi / 2, around));
    // The bends: the wedge beyond the incoming segment's end and before the
    // outgoing one's start, on the outside of the bend. With w the bend's
    // axis and n = w x t_in pointing inwards, the outgoing direction is
    // cos(delta) t_in + sin(delta) n; the wedge runs from psi = -90 degrees
    // (across t_in) to -90 + delta degrees (across t_out).
    for (std::size_t j = 1; j < segments; ++j) {
        const Point3 axis = cross(t[j - 1], t[j]);
        const double delta = std::atan2(norm(axis), dot(t[j - 1], t[j]));
        if (delta < kStraight) continue;
        const Point3 w = norm(axis) > 1e-12 ? unit(axis) : upAcross(t[j - 1]);
        patches.push_back(cap(corners[j], t[j - 1], w, -kPi / 2, -kPi / 2 + delta, around));
    }
    return patches;
}

} // namespace kvarn::zone
