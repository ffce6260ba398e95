// The antenna coordinate form on the in-memory console, the input as its
// key script: it returns only an antenna the element table can hold.

#include "control/calc_params.h"
#include "field/antenna.h"
#include "field/discretize.h"
#include "field/frequency.h"
#include "forms/coordinate_form.h"
#include "fuzz_support.h"

using namespace kvarn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::freshProgram();
    testing::CheckingConsole con(80, 25);
    con.type(fuzzing::asText(data, size));
    const bool returned = fuzzing::playForm(
        con, [] { coordinateForm(xa, ya, za, xe, ye, ze, segCount, totalLength); });
    if (!returned) return 0;
    fuzzing::require(testing::coordinateResultBroken(segCount, totalLength));
    // Both models lay the table for the antenna the form returned.
    for (AntennaModel model : {AntennaModel::standingWave, AntennaModel::shortWire}) {
        elementCount =
            discretizeWire(model, antennaCorners(), totalLength, wavelength(3.65), 100.0, elements);
        fuzzing::require(testing::elementTableBroken(totalLength, true));
    }
    return 0;
}
