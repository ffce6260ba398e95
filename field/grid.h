#pragma once
// The rectangle of field points: its checks, and which columns and rows the
// repeated addition lays. The report's column header, the scan and the
// progress line all lay the grid by these rules.

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

// How many columns and rows the grid lays (step above 0, a grid that
// advances; counted point by point, so only for grids of a size that can be
// scanned).
long gridColumns(const Grid& grid);
long gridRows(const Grid& grid);

} // namespace kvarn
