#include "zone/raster.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kvarn::zone {

namespace {

void set(Raster& r, int i, int j) {
    if (i >= 0 && j >= 0 && i < r.nx && j < r.ny)
        r.cells[static_cast<std::size_t>(j) * static_cast<std::size_t>(r.nx) +
                static_cast<std::size_t>(i)] = 1;
}

int cellOf(double v, double origin, double cell) {
    return static_cast<int>(std::floor((v - origin) / cell));
}

} // namespace

void fillConvex(Raster& raster, std::span<const Point2> hull) {
    if (hull.empty()) return;
    for (const Point2& p : hull)
        set(raster, cellOf(p.x, raster.x0, raster.cell), cellOf(p.y, raster.y0, raster.cell));
    if (hull.size() < 3) return;
    double low = hull[0].y, high = hull[0].y;
    for (const Point2& p : hull)
        low = std::min(low, p.y), high = std::max(high, p.y);
    const int j0 = std::max(0, cellOf(low, raster.y0, raster.cell));
    const int j1 = std::min(raster.ny - 1, cellOf(high, raster.y0, raster.cell));
    const std::size_t n = hull.size();
    for (int j = j0; j <= j1; ++j) {
        // The polygon's extent across the row of cell centres.
        const double y = raster.y0 + (j + 0.5) * raster.cell;
        double left = INFINITY, right = -INFINITY;
        auto take = [&](double x) { left = std::min(left, x), right = std::max(right, x); };
        for (std::size_t k = 0; k < n; ++k) {
            const Point2 a = hull[k], b = hull[(k + 1) % n];
            if (a.y == b.y) {
                if (a.y == y) take(a.x), take(b.x);
            } else if (std::min(a.y, b.y) <= y && y <= std::max(a.y, b.y)) {
                take(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
            }
        }
        if (left > right) continue;
        // Cells whose centre x lies in [left, right].
        const int i0 =
            std::max(0, static_cast<int>(std::ceil((left - raster.x0) / raster.cell - 0.5)));
        const int i1 = std::min(
            raster.nx - 1, static_cast<int>(std::floor((right - raster.x0) / raster.cell - 0.5)));
        for (int i = i0; i <= i1; ++i)
            set(raster, i, j);
    }
}

std::vector<std::vector<Point2>> outlines(const Raster& raster) {
    // Marching squares over the cell centres, with a border of empty cells
    // all round so that every outline closes. Square (i, j) has the centres
    // of cells (i, j) .. (i + 1, j + 1) at its corners, i and j from -1;
    // an outline crosses the edge between two centres at its middle, on
    // the edge between the two cells. A crossing point is named by the
    // edge between centres it lies on.
    const long w = raster.nx + 2;
    auto horizontal = [w](int i, int j) { return ((static_cast<long>(j) + 1) * w + i + 1) * 2; };
    auto vertical = [w](int i, int j) { return ((static_cast<long>(j) + 1) * w + i + 1) * 2 + 1; };
    // A crossing point in half cells from (x0, y0).
    struct Half {
        long x, y;
    };
    auto halfOf = [w](long key) {
        const long e = key / 2, i = e % w - 1, j = e / w - 1;
        return key % 2 == 0 ? Half{2 * i + 2, 2 * j + 1} : Half{2 * i + 1, 2 * j + 2};
    };
    auto straight = [](Half a, Half b, Half c) {
        return (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x) == 0;
    };
    // Each square's segments by its corners a (i, j), b (i + 1, j),
    // c (i + 1, j + 1), d (i, j + 1), bits 1, 2, 4, 8; the crossing points
    // B(ottom), R(ight), T(op), L(eft); set corners lie left of a segment.
    enum Side { B, R, T, L };
    struct Segment {
        Side from, to;
    };
    static const std::vector<Segment> kSegments[16] = {
        {},               // 0
        {{B, L}},         // a
        {{R, B}},         // b
        {{R, L}},         // a b
        {{T, R}},         // c
        {{B, R}, {T, L}}, // a c: joined across the middle
        {{T, B}},         // b c
        {{T, L}},         // a b c
        {{L, T}},         // d
        {{B, T}},         // a d
        {{L, B}, {R, T}}, // b d: joined across the middle
        {{R, T}},         // a b d
        {{L, R}},         // c d
        {{B, R}},         // a c d
        {{L, B}},         // b c d
        {},               // all
    };
    std::unordered_map<long, long> next; // crossing point -> the next one along its outline
    std::vector<long> starts;            // in the order found
    for (int j = -1; j < raster.ny; ++j)
        for (int i = -1; i < raster.nx; ++i) {
            const int index = (raster.at(i, j) ? 1 : 0) | (raster.at(i + 1, j) ? 2 : 0) |
                              (raster.at(i + 1, j + 1) ? 4 : 0) | (raster.at(i, j + 1) ? 8 : 0);
            auto key = [&](Side s) {
                switch (s) {
                case B:
                    return horizontal(i, j);
                case T:
                    return horizontal(i, j + 1);
                case L:
                    return vertical(i, j);
                case R:
                    return vertical(i + 1, j);
                }
                return 0L;
            };
            for (const Segment& s : kSegments[index]) {
                next.emplace(key(s.from), key(s.to));
                starts.push_back(key(s.from));
            }
        }
    std::vector<std::vector<Point2>> loops;
    std::unordered_map<long, bool> used;
    for (long start : starts) {
        if (used[start]) continue;
        std::vector<Half> loop;
        for (long k = start; !used[k]; k = next.at(k)) {
            used[k] = true;
            const Half p = halfOf(k);
            // Corners on a straight run are left out.
            if (loop.size() >= 2 && straight(loop[loop.size() - 2], loop.back(), p))
                loop.back() = p;
            else
                loop.push_back(p);
        }
        while (loop.size() > 3 && straight(loop[loop.size() - 2], loop.back(), loop.front()))
            loop.pop_back();
        if (loop.size() > 3 && straight(loop.back(), loop[0], loop[1])) loop.erase(loop.begin());
        std::vector<Point2> out;
        for (const Half& h : loop)
            out.push_back({raster.x0 + static_cast<double>(h.x) * 0.5 * raster.cell,
                           raster.y0 + static_cast<double>(h.y) * 0.5 * raster.cell});
        loops.push_back(std::move(out));
    }
    return loops;
}

} // namespace kvarn::zone
