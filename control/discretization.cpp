#include "control/discretization.h"

#include "console/line_input.h"
#include "console/text_out.h"
#include "control/calc_params.h"
#include "field/antenna.h"
#include "field/discretize.h"
#include "field/short_antenna.h"

namespace kvarn {

namespace {

std::uint16_t rebuild(AntennaModel model) {
    return discretizeWire(model, antennaCorners(), totalLength, calc.lambda, calc.power, elements);
}

// The real wavelength and the wire's length, and the question; true on J.
bool confirmShortModel() {
    writeText(output, "Die Antenne wird berechnet fuer Lambda = ");
    writeReal(output, calc.lambda, 3, 0);
    writeChar(output, 'm');
    writeLineEnd(output);
    writeText(output, "                   bei einer Laenge von: ");
    writeReal(output, totalLength, 3, 0);
    writeChar(output, 'm');
    writeLineEnd(output);
    writeText(output, "Ist das i.O. ? ");
    endWrite(output);
    calc.answer = readFirstChar();
    return toUpper(calc.answer) == 'J';
}

} // namespace

void discretizeAntenna() {
    elementCount = rebuild(AntennaModel::standingWave);
}

bool discretizeShortAntenna() {
    if (!shortModelSuits(totalLength, calc.lambda)) {
        writeText(output, "Fuer diese Laengenverhaeltnisse ist diese Programmversion");
        writeLineEnd(output);
        writeText(output, "nicht geeignet!");
        writeLineEnd(output);
        return false;
    }
    if (!confirmShortModel()) return false;
    elementCount = rebuild(AntennaModel::shortWire);
    return true;
}

} // namespace kvarn
