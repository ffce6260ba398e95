#include "field/grid.h"

#include "field/finite_input.h"

namespace kvarn {

bool rangeInOrder(double first, double last) {
    return isFiniteInput(first) && isFiniteInput(last) && first <= last;
}

bool stepAccepted(double step) {
    return isFiniteInput(step) && step > 0;
}

bool columnLaid(const Grid& grid, double xp) {
    return xp <= grid.xend;
}

bool rowLaid(const Grid& grid, double yp) {
    return yp >= grid.yanf;
}

} // namespace kvarn
