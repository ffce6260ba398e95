#include "field/point_work.h"

#include <cmath>

#include "field/constants.h"

namespace kvarn {

namespace {

long double squareSum(long double a, long double b, long double c, long double d, long double e,
                      long double f) {
    return a * a + b * b + c * c + d * d + e * e + f * f;
}

} // namespace

void startPoint(PointWork& work, double xp, double yp) {
    work.xp = xp;
    work.yp = yp;
    work.i = 1;
    work.sums = FieldSums{};
    work.tooclose = false;
    work.cthStop = false;
    work.cthElement = 0;
}

void sumElements(const PointInputs& in, PointWork& work) {
    while (work.i <= in.elementCount) {
        if (!elementGeometry(in, work)) return;
        elementField(in, work);
        accumulateField(in, work);
        work.i = static_cast<std::uint16_t>(work.i + 1);
    }
}

double pointValue(char fieldMode, const PointWork& work) {
    if (work.tooclose) return 0;
    const FieldSums& s = work.sums;
    if (fieldMode == 'M' || fieldMode == 'Z') {
        const double h =
            static_cast<double>(sqrtl(squareSum(s.hxre, s.hxim, s.hyre, s.hyim, s.hzre, s.hzim)));
        // M in units of 10 mA/m; Z through the free-space wave impedance.
        return static_cast<double>((fieldMode == 'M' ? 100.0L : kWaveImpedance) * h);
    }
    return static_cast<double>(sqrtl(squareSum(s.exre, s.exim, s.eyre, s.eyim, s.ezre, s.ezim)));
}

} // namespace kvarn
