#include "control/program_state.h"

#include "console/console.h"
#include "console/runtime_error.h"
#include "console/text_out.h"
#include "console/time_of_day.h"
#include "control/calc_params.h"
#include "control/program_variant.h"
#include "field/antenna.h"

namespace kvarn {

void resetProgramState() {
    abandonFile(calc.outfile);
    setFlushWrittenHook(nullptr);
    resetCalcParams();
    resetAntenna();
    selectVariant(kvarn7t);
    setClockSource(nullptr);
    resetConsole();
    setExitHook(nullptr);
}

} // namespace kvarn
