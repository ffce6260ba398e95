#include "control/calc_params.h"

#include "field/antenna.h"

namespace kvarn {

CalcParams calc;

void resetCalcParams() {
    calc = CalcParams{};
    resetAntenna();
}

} // namespace kvarn
