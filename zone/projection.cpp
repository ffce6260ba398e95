#include "zone/projection.h"

#include <algorithm>
#include <cmath>

#include "zone/convex.h"

namespace kvarn::zone {

namespace {

Point2 seen(View view, Point3 p) {
    switch (view) {
    case View::top:
    case View::topBelow:
        return {p.x, p.y};
    case View::alongX:
        return {p.y, p.z};
    case View::alongY:
        return {p.x, p.z};
    }
    return {};
}

} // namespace

Projection project(const Zone& zone, View view, double publicHeight) {
    // Every piece's outline in the view.
    std::vector<std::vector<Point2>> hulls;
    for (const ZonePiece& piece : zone.pieces) {
        std::vector<Point3> corners(piece.points().begin(), piece.points().end());
        if (view == View::topBelow) corners = clippedBelow(corners, publicHeight);
        if (corners.empty()) continue;
        std::vector<Point2> flat;
        for (const Point3& c : corners)
            flat.push_back(seen(view, c));
        hulls.push_back(convexHull(std::move(flat)));
    }
    Projection out;
    if (hulls.empty()) return out;
    double left = INFINITY, right = -INFINITY, low = INFINITY, high = -INFINITY;
    for (const auto& hull : hulls)
        for (const Point2& p : hull) {
            left = std::min(left, p.x), right = std::max(right, p.x);
            low = std::min(low, p.y), high = std::max(high, p.y);
        }
    Raster& mask = out.mask;
    mask.cell = kMaskCell;
    for (;;) {
        // Whole cells from a multiple of the cell size, one spare all round.
        mask.x0 = (std::floor(left / mask.cell) - 1) * mask.cell;
        mask.y0 = (std::floor(low / mask.cell) - 1) * mask.cell;
        mask.nx = static_cast<int>(std::floor((right - mask.x0) / mask.cell)) + 2;
        mask.ny = static_cast<int>(std::floor((high - mask.y0) / mask.cell)) + 2;
        if (static_cast<std::size_t>(mask.nx) * static_cast<std::size_t>(mask.ny) <= kMaxMaskCells)
            break;
        mask.cell *= 2;
    }
    mask.cells.assign(static_cast<std::size_t>(mask.nx) * static_cast<std::size_t>(mask.ny), 0);
    for (const auto& hull : hulls)
        fillConvex(mask, hull);
    out.outlines = outlines(mask);
    return out;
}

} // namespace kvarn::zone
