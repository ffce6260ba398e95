#pragma once
// The rectangle of field points: its checks, and which columns and rows the
// repeated addition lays. The grid is laid once, into its axes; the
// report's column header, the scan, the maps, the progress and the station
// file's size check all take the points from them.

#include <cstddef>
#include <vector>

namespace kvarn {

struct Grid {
    double xanf = 0; // m, x of the first (left) column
    double xend = 0; // m, x limit of the last column
    double yanf = 0; // m, y limit of the lowest row
    double yend = 0; // m, y of the first (top) row
    double step = 0; // m, spacing in x and y
};

// The first value of a range is not above its last (xanf <= xend, yanf <=
// yend), both finite: an infinite end never lets the scan's loop end.
bool rangeInOrder(double first, double last);
// A step the scan can advance by: finite and above 0.
bool stepAccepted(double step);

// Whether the column at xp, reached from xanf by repeated addition of the
// step, is laid: xp <= xend + 1e-9 * step, the right-hand side in extended
// precision.
bool columnLaid(const Grid& grid, double xp);
// Whether the row at yp, reached from yend by repeated subtraction of the
// step, is laid: yp >= yanf - 1e-9 * step, the right-hand side in extended
// precision.
bool rowLaid(const Grid& grid, double yp);

// Whether the repeated addition and subtraction of the step move every
// coordinate of the grid on: a step below the spacing of doubles at the
// grid's coordinates would lay the same column for ever. The spacing grows
// with the magnitude, so the grid's extremes decide.
bool gridAdvances(const Grid& grid);

// The x of every column, left to right, and the y of every row, top row
// first: the positions the repeated addition and subtraction of the step
// reach from xanf and yend, as far as columnLaid and rowLaid lay them.
struct GridAxes {
    std::vector<double> xs; // m
    std::vector<double> ys; // m

    std::size_t columns() const { return xs.size(); }
    std::size_t rows() const { return ys.size(); }
    std::size_t points() const { return xs.size() * ys.size(); }
};

// Lays the grid (for grids of a size that can be scanned: estimate a grid
// from its ranges first). A grid that does not advance, such as the empty
// grid of a station without one, has no axes.
GridAxes layGrid(const Grid& grid);

} // namespace kvarn
