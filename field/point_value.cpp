#include "field/point_value.h"

#include <cmath>

#include "console/text_out.h"
#include "control/calc_params.h"
#include "field/constants.h"

namespace kvarn {

namespace {

long double squareSum(long double a, long double b, long double c, long double d, long double e,
                      long double f) {
    return a * a + b * b + c * c + d * d + e * e + f * f;
}

} // namespace

double pointValue() {
    if (calc.tooclose) return 0;
    const FieldSums& s = calc.sums;
    const char mode = calc.fieldMode;
    if (mode == 'M' || mode == 'Z') {
        const double h =
            static_cast<double>(sqrtl(squareSum(s.hxre, s.hxim, s.hyre, s.hyim, s.hzre, s.hzim)));
        // M in units of 10 mA/m; Z through the free-space wave impedance.
        return static_cast<double>((mode == 'M' ? 100.0L : kWaveImpedance) * h);
    }
    return static_cast<double>(sqrtl(squareSum(s.exre, s.exim, s.eyre, s.eyim, s.ezre, s.ezim)));
}

void recordPoint(double value, bool tooclose, double xp, double yp) {
    if (value > calc.fmax) {
        calc.fmax = value;
        calc.xmax = xp;
        calc.ymax = yp;
    }
    if (!calc.singleValues) return;

    if (tooclose) {
        writeText(output, " x  ");
    } else {
        writeReal(output, value, 3, 1);
        writeChar(output, ' ');
    }
    endWrite(output);
    if (!calc.writeFile) return;
    if (tooclose) {
        writeText(calc.outfile, " xxx  ");
    } else {
        writeReal(calc.outfile, value, 5, 2);
        writeChar(calc.outfile, ' ');
    }
    endWrite(calc.outfile);
}

void evaluatePoint() {
    recordPoint(pointValue(), calc.tooclose, calc.xp, calc.yp);
}

} // namespace kvarn
