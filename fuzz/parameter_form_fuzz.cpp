// The calculation parameter form on the in-memory console. The first three
// bytes choose the program, the pass and the wire's length; the rest is the
// key script. The form returns only values that pass its checks.

#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "control/program_variant.h"
#include "field/antenna.h"
#include "forms/parameter_form.h"
#include "fuzz_support.h"

using namespace kvarn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    fuzzing::freshProgram();
    // Bit 0: kvarn-7k; bit 1: a repeat pass, which keeps the file name.
    selectVariant((data[0] & 1) ? kvarn7k : kvarn7t);
    setInitialValues();
    calc.again = (data[0] & 2) != 0;
    if (calc.again) calc.fileName = "antenne";
    totalLength = 1 + (data[1] * 256 + data[2]) % 800;

    testing::CheckingConsole con(80, 25);
    con.type(fuzzing::asText(data + 3, size - 3));
    const bool returned = fuzzing::playForm(con, [] {
        parameterForm(calc.freq, calc.lambda, calc.omega, calc.power, calc.xanf, calc.xend,
                      calc.yanf, calc.yend, calc.step, calc.height, calc.fieldMode,
                      calc.singleValues, calc.writeFile, calc.fileName, calc.again, totalLength,
                      variant().model);
    });
    if (returned) fuzzing::require(testing::parameterResultBroken(totalLength, variant().model));
    return 0;
}
