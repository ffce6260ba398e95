#include "zone/cleared_space.h"

#include <algorithm>
#include <cmath>

namespace kvarn::zone {

namespace {

// Cell indices are stored in 21 bits each, offset to be positive: over a
// million cells either way of the origin, far beyond kMaxReach.
constexpr long kCellOffset = 1L << 20;
constexpr std::uint64_t kCellMask = (1ULL << 21) - 1;
// m: a pass must get this far beyond r to count, so that a point on a
// ball's surface does not count as inside it.
constexpr double kLeastPass = 1e-9;

} // namespace

long ClearedSpace::cellOf(double v) const {
    return static_cast<long>(std::floor(v / cell_));
}

std::uint64_t ClearedSpace::cellKey(long i, long j, long k) const {
    auto bits = [](long v) { return static_cast<std::uint64_t>(v + kCellOffset) & kCellMask; };
    return (bits(i) << 42) | (bits(j) << 21) | bits(k);
}

void ClearedSpace::add(Point3 centre, double radius) {
    const std::uint64_t key = cellKey(cellOf(centre.x), cellOf(centre.y), cellOf(centre.z));
    index_[key].push_back(static_cast<std::uint32_t>(balls_.size()));
    balls_.push_back({centre, std::min(radius, cell_)});
}

double ClearedSpace::passFrom(const RayLine& line, double r, double limit) const {
    while (r < limit) {
        const Point3 p = line.at(r);
        const long ci = cellOf(p.x), cj = cellOf(p.y), ck = cellOf(p.z);
        // A ball holding p has its centre within one radius, no more than
        // a cell, of it: in p's cell or a neighbouring one.
        double exit = r;
        for (long i = ci - 1; i <= ci + 1; ++i)
            for (long j = cj - 1; j <= cj + 1; ++j)
                for (long k = ck - 1; k <= ck + 1; ++k) {
                    const auto found = index_.find(cellKey(i, j, k));
                    if (found == index_.end()) continue;
                    for (std::uint32_t b : found->second) {
                        const Ball& ball = balls_[b];
                        const Point3 d = p - ball.centre;
                        const double rest = ball.radius * ball.radius - dot(d, d);
                        if (rest <= 0) continue;
                        // Where the ray leaves the ball: the larger root of
                        // |d + t u|^2 = radius^2.
                        const double along = dot(d, line.direction);
                        exit = std::max(exit, r - along + std::sqrt(along * along + rest));
                    }
                }
        if (exit < r + kLeastPass) break;
        r = std::min(exit, limit);
    }
    return r;
}

} // namespace kvarn::zone
