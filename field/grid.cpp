#include "field/grid.h"

namespace kvarn {

bool rangeInOrder(double first, double last) {
    return first <= last;
}

bool stepAccepted(double step) {
    return step > 0;
}

bool columnLaid(const Grid& grid, double xp) {
    return xp <= grid.xend;
}

bool rowLaid(const Grid& grid, double yp) {
    return yp >= grid.yanf;
}

long gridColumns(const Grid& grid) {
    long n = 0;
    for (double x = grid.xanf; columnLaid(grid, x); x = x + grid.step)
        ++n;
    return n;
}

long gridRows(const Grid& grid) {
    long n = 0;
    for (double y = grid.yend; rowLaid(grid, y); y = y - grid.step)
        ++n;
    return n;
}

} // namespace kvarn
