#include "field/grid.h"

#include "field/finite_input.h"

namespace kvarn {

bool rangeInOrder(double first, double last) {
    return isFiniteInput(first) && isFiniteInput(last) && first <= last;
}

bool stepAccepted(double step) {
    return isFiniteInput(step) && step > 0;
}

// A step such as 0.1 has no exact binary form, so the repeated sums drift:
// twenty additions of 0.1 to 0 give 2.0000000000000004, and the column at 2
// the user asked for would be lost. A sum less than a billionth of a step
// beyond the limit counts as reaching it. The sums themselves are used as
// they are, so every position stays what the addition gives.
constexpr long double kLimitMargin = 1e-9L; // in steps

bool columnLaid(const Grid& grid, double xp) {
    return xp <= grid.xend + kLimitMargin * grid.step;
}

bool rowLaid(const Grid& grid, double yp) {
    return yp >= grid.yanf - kLimitMargin * grid.step;
}

bool gridAdvances(const Grid& grid) {
    return grid.xanf + grid.step > grid.xanf && grid.xend + grid.step > grid.xend &&
           grid.yend - grid.step < grid.yend && grid.yanf - grid.step < grid.yanf;
}

GridAxes layGrid(const Grid& grid) {
    GridAxes axes;
    // A grid whose step does not move its coordinates has no axes to lay:
    // the loops below would never end.
    if (!gridAdvances(grid)) return axes;
    for (double x = grid.xanf; columnLaid(grid, x); x = x + grid.step)
        axes.xs.push_back(x);
    for (double y = grid.yend; rowLaid(grid, y); y = y - grid.step)
        axes.ys.push_back(y);
    return axes;
}

} // namespace kvarn
