#include "field/finite_input.h"

#include <cmath>

namespace kvarn {

bool isFiniteInput(double value) {
    return std::isfinite(value);
}

} // namespace kvarn
