#include "drawing/contour.h"

#include <array>
#include <cmath>

namespace kvarn {

namespace {

struct Point {
    double x, y;
};

// One grid square: its corners in the order top-left, top-right,
// bottom-right, bottom-left, so that edge k joins corner k and corner k+1.
struct Square {
    std::array<Point, 4> corner;
    std::array<double, 4> value;
};

Point crossing(const Square& s, int edge, double level) {
    const int a = edge;
    const int b = (edge + 1) % 4;
    const double t = (level - s.value[a]) / (s.value[b] - s.value[a]);
    return {s.corner[a].x + t * (s.corner[b].x - s.corner[a].x),
            s.corner[a].y + t * (s.corner[b].y - s.corner[a].y)};
}

void addSegment(std::vector<Segment>& out, const Square& s, int edgeA, int edgeB, double level) {
    const Point p = crossing(s, edgeA, level);
    const Point q = crossing(s, edgeB, level);
    out.push_back({p.x, p.y, q.x, q.y});
}

void marchSquare(std::vector<Segment>& out, const Square& s, double level) {
    std::array<bool, 4> above{};
    for (int k = 0; k < 4; ++k)
        above[k] = s.value[k] >= level;

    // The edges the line crosses, in corner order.
    std::array<int, 4> crossed{};
    int count = 0;
    for (int k = 0; k < 4; ++k)
        if (above[k] != above[(k + 1) % 4]) crossed[count++] = k;

    if (count == 2) {
        addSegment(out, s, crossed[0], crossed[1], level);
        return;
    }
    if (count != 4) return;

    // A saddle: the corners alternate, all four edges are crossed. Edge k-1
    // and edge k meet at corner k, so pairing them cuts corner k off. Cut
    // off the corners on the centre's other side, keeping the centre's side
    // connected.
    const double centre = (s.value[0] + s.value[1] + s.value[2] + s.value[3]) / 4;
    const bool centreAbove = centre >= level;
    const int first = above[0] != centreAbove ? 0 : 1;
    const int second = first + 2;
    addSegment(out, s, (first + 3) % 4, first, level);
    addSegment(out, s, second - 1, second, level);
}

} // namespace

std::vector<Segment> contourSegments(const FieldMap& map, double level) {
    std::vector<Segment> out;
    const std::size_t rows = map.rows();
    const std::size_t columns = map.columns();
    const auto usable = [&](std::size_t r, std::size_t c) {
        return !map.isTooClose(r, c) && std::isfinite(map.at(r, c));
    };
    for (std::size_t r = 0; r + 1 < rows; ++r) {
        for (std::size_t c = 0; c + 1 < columns; ++c) {
            if (!usable(r, c) || !usable(r, c + 1) || !usable(r + 1, c + 1) || !usable(r + 1, c))
                continue;
            const Square s{
                {{{map.xs[c], map.ys[r]},
                  {map.xs[c + 1], map.ys[r]},
                  {map.xs[c + 1], map.ys[r + 1]},
                  {map.xs[c], map.ys[r + 1]}}},
                {map.at(r, c), map.at(r, c + 1), map.at(r + 1, c + 1), map.at(r + 1, c)}};
            marchSquare(out, s, level);
        }
    }
    return out;
}

} // namespace kvarn
