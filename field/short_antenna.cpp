#include "field/short_antenna.h"

#include <cmath>

#include "console/line_input.h"
#include "console/text_out.h"
#include "control/calc_params.h"
#include "field/antenna.h"
#include "field/constants.h"
#include "field/discretize.h"

namespace kvarn {

bool discretizeShortAntenna() {
    // Suitable only between a quarter wave and a little under a half wave.
    if (!(totalLength < calc.lambda / 2.2L && totalLength > calc.lambda / 4.0L)) {
        writeText(output, "Fuer diese Laengenverhaeltnisse ist diese Programmversion");
        writeLineEnd(output);
        writeText(output, "nicht geeignet!");
        writeLineEnd(output);
        return false;
    }
    double w = static_cast<double>(2.0L * totalLength); // model wavelength: one half wave

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
    if (toUpper(calc.answer) != 'J') return false;

    double a = static_cast<double>(sqrtl(static_cast<long double>(w) * calc.power / 2.0L /
                                         totalLength / kRadiationResistance));
    layElements(w, a);
    return true;
}

} // namespace kvarn
