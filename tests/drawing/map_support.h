#pragma once
// Small field maps for the drawing tests, written as rows of values.

#include <cmath>
#include <limits>
#include <vector>

#include "drawing/field_map.h"

namespace kvarn::test {

// A map whose top-left point is at (0, 0), one step apart, with the given
// values row by row from the top; nothing too close, no wire, no maximum.
inline FieldMap gridMap(const std::vector<std::vector<double>>& rows, double step = 1) {
    FieldMap map;
    map.title = "test";
    map.limitLine = "limit";
    map.step = step;
    for (std::size_t c = 0; c < rows.front().size(); ++c)
        map.xs.push_back(static_cast<double>(c) * step);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        map.ys.push_back(-static_cast<double>(r) * step);
        map.percent.insert(map.percent.end(), rows[r].begin(), rows[r].end());
    }
    map.maxPercent = std::numeric_limits<double>::quiet_NaN();
    return map;
}

// A square map of `size` points with `inside` on the middle block of
// `block` x `block` points and `outside` elsewhere.
inline FieldMap zoneMap(int size, int block, double inside, double outside) {
    std::vector<std::vector<double>> rows(size, std::vector<double>(size, outside));
    const int first = (size - block) / 2;
    for (int r = first; r < first + block; ++r)
        for (int c = first; c < first + block; ++c)
            rows[r][c] = inside;
    return gridMap(rows);
}

} // namespace kvarn::test
