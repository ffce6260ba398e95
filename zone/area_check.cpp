#include "zone/area_check.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "zone/convex.h"
#include "zone/polygon.h"

namespace kvarn::zone {

namespace {

// The deepest point of a piece outside the boundary need not be one of its
// corners (a corner of the boundary may jut into the piece, or the piece
// may lie in a bay of it): it is searched to within this.
constexpr double kDepthTolerance = 0.01; // m

// Signed distance of p from the boundary: positive inside, negative outside
// (0 on it), with the nearest boundary point.
AreaMargin signedMargin(std::span<const Point2> boundary, Point2 p) {
    const EdgePoint e = nearestOnPolygon(boundary, p);
    const double sign = insidePolygon(boundary, p) ? 1 : -1;
    return {sign * e.distance, p, e.at};
}

void keepSmaller(std::optional<AreaMargin>& best, const AreaMargin& m) {
    if (!best || m.distance < best->distance) best = m;
}

// Whether the convex polygon (one or two points allowed) contains p.
bool convexContains(std::span<const Point2> hull, Point2 p) {
    if (hull.size() < 3) return false;
    for (std::size_t k = 0; k < hull.size(); ++k)
        if (cross(hull[(k + 1) % hull.size()] - hull[k], p - hull[k]) < 0) return false;
    return true;
}

std::vector<std::pair<Point2, Point2>> edgesOf(std::span<const Point2> hull) {
    std::vector<std::pair<Point2, Point2>> edges;
    if (hull.size() == 1) edges.push_back({hull[0], hull[0]});
    if (hull.size() == 2) edges.push_back({hull[0], hull[1]});
    if (hull.size() >= 3)
        for (std::size_t k = 0; k < hull.size(); ++k)
            edges.push_back({hull[k], hull[(k + 1) % hull.size()]});
    return edges;
}

// A point common to segments ab and cd, which meet.
Point2 meetingPoint(Point2 a, Point2 b, Point2 c, Point2 d) {
    const double denominator = cross(b - a, d - c);
    if (denominator != 0) {
        const double t = std::clamp(cross(c - a, d - c) / denominator, 0.0, 1.0);
        return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
    // On one line: an end of one lies on the other.
    for (Point2 p : {c, d})
        if (distance(nearestOnSegment(p, a, b), p) == 0) return p;
    return distance(nearestOnSegment(a, c, d), a) == 0 ? a : b;
}

struct PieceMargin {
    AreaMargin margin; // the smallest signed distance of the piece's corners and edges
    bool inside = false;
};

// The smallest signed distance of the convex piece from the boundary: exact
// for a piece inside; for one on or outside the boundary, over its corners
// and the boundary's corners within it.
PieceMargin pieceMargin(std::span<const Point2> boundary, std::span<const Point2> hull) {
    const auto pieceEdges = edgesOf(hull);
    const std::size_t n = boundary.size();
    bool crosses = false;
    for (const auto& [a, b] : pieceEdges)
        for (std::size_t k = 0; k < n && !crosses; ++k)
            crosses = segmentsMeet(a, b, boundary[k], boundary[(k + 1) % n]);
    const bool cornersInside =
        std::all_of(hull.begin(), hull.end(), [&](Point2 p) { return insidePolygon(boundary, p); });
    std::optional<AreaMargin> best;
    for (const Point2& p : hull)
        keepSmaller(best, signedMargin(boundary, p));
    if (!crosses && cornersInside) {
        // Inside: the nearest two points lie on the piece's edges and the
        // boundary's, one of them at a corner.
        for (std::size_t k = 0; k < n; ++k)
            for (const auto& [a, b] : pieceEdges) {
                const Point2 q = nearestOnSegment(boundary[k], a, b);
                keepSmaller(best, {distance(q, boundary[k]), q, boundary[k]});
            }
        return {*best, true};
    }
    // Touching or crossing: at most 0, where the piece meets the boundary.
    if (crosses) {
        for (std::size_t k = 0; k < n; ++k)
            if (convexContains(hull, boundary[k])) keepSmaller(best, {0, boundary[k], boundary[k]});
        for (const auto& [a, b] : pieceEdges)
            for (std::size_t k = 0; k < n && best->distance > 0; ++k) {
                const Point2 c = boundary[k], d = boundary[(k + 1) % n];
                if (segmentsMeet(a, b, c, d)) {
                    const Point2 m = meetingPoint(a, b, c, d);
                    best = AreaMargin{0, m, m};
                }
            }
    }
    return {*best, false};
}

// Goes deeper than `best` where the piece reaches deeper outside the
// boundary: squares over the piece, each cut in four unless the depth at its
// centre plus its half diagonal (the distance from the boundary changes no
// faster than the point moves) cannot beat the best by the tolerance.
void deepen(std::span<const Point2> boundary, std::span<const Point2> hull, AreaMargin& best) {
    if (hull.size() < 3) return;
    double left = INFINITY, right = -INFINITY, low = INFINITY, high = -INFINITY;
    for (const Point2& p : hull) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        low = std::min(low, p.y), high = std::max(high, p.y);
    }
    struct Square {
        Point2 centre;
        double half; // m: half the side
    };
    std::vector<Square> open{
        {{0.5 * (left + right), 0.5 * (low + high)}, 0.5 * std::max(right - left, high - low)}};
    while (!open.empty()) {
        const Square s = open.back();
        open.pop_back();
        const AreaMargin m = signedMargin(boundary, s.centre);
        const double depth = std::max(-m.distance, 0.0);
        if (-m.distance > -best.distance && convexContains(hull, s.centre)) best = m;
        const double reach = s.half * std::sqrt(2.0);
        if (depth + reach <= -best.distance + kDepthTolerance || reach < kDepthTolerance) continue;
        const double h = 0.5 * s.half;
        for (double dx : {-h, h})
            for (double dy : {-h, h})
                open.push_back({{s.centre.x + dx, s.centre.y + dy}, h});
    }
}

} // namespace

AreaCheck checkArea(const Zone& zone, std::span<const Point2> boundary, double publicHeight) {
    if (!simplePolygon(boundary))
        throw std::invalid_argument("the boundary is not a simple polygon");
    // A zone that could not be searched must not pass for one inside.
    if (!zone.problem.empty()) throw std::invalid_argument("the zone was not searched");
    // The part of every piece below the public height, seen from above.
    std::vector<std::vector<Point2>> hulls;
    for (const ZonePiece& piece : zone.pieces) {
        const std::vector<Point3> below = clippedBelow(piece.points(), publicHeight);
        if (below.empty()) continue;
        std::vector<Point2> flat;
        for (const Point3& p : below)
            flat.push_back({p.x, p.y});
        hulls.push_back(convexHull(std::move(flat)));
    }
    AreaCheck check;
    std::vector<PieceMargin> margins;
    for (const auto& hull : hulls) {
        margins.push_back(pieceMargin(boundary, hull));
        keepSmaller(check.margin, margins.back().margin);
    }
    // Where the zone leaves the boundary, the deepest point: the pieces
    // deepest at their corners first, so that the others are soon seen to
    // fall short.
    if (check.margin && check.margin->distance <= 0) {
        std::vector<std::size_t> order;
        for (std::size_t k = 0; k < hulls.size(); ++k)
            if (!margins[k].inside) order.push_back(k);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return margins[a].margin.distance < margins[b].margin.distance;
        });
        for (std::size_t k : order)
            deepen(boundary, hulls[k], *check.margin);
    }
    check.inside = !check.margin || check.margin->distance > 0;
    return check;
}

} // namespace kvarn::zone
