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

} // namespace kvarn
