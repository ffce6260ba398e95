#include "control/calc_params.h"

namespace kvarn {

CalcParams calc;

void resetCalcParams() {
    calc = CalcParams{};
}

} // namespace kvarn
