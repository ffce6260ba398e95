#include "assessment/power_chain.h"

#include <cmath>
#include <limits>

namespace kvarn {

double feedPower(const Band& band) {
    // A share of 1 multiplies by nothing: the powers of bands without one
    // stay the same doubles.
    long double power = static_cast<long double>(band.power) * band.modeFactor;
    if (band.transmitShare != 1) power *= band.transmitShare;
    return static_cast<double>(power * powl(10.0L, -static_cast<long double>(band.lossDb) / 10.0L));
}

double highestCompliantPower(double power, double percent) {
    if (!(percent > 0)) return std::numeric_limits<double>::infinity();
    const long double ratio = 100.0L / percent;
    return static_cast<double>(power * ratio * ratio);
}

PowerFormat powerFormat(double watts) {
    if (watts >= 10000) return {true, 1};
    if (watts >= 100) return {false, 0};
    if (watts >= 1 || !(watts > 0)) return {false, 1};
    return {false, 2 - static_cast<int>(std::floor(std::log10(watts)))};
}

double roundedDown(double watts) {
    if (!std::isfinite(watts) || !(watts > 0)) return watts;
    const PowerFormat format = powerFormat(watts);
    // The unit of the last digit shown, as a power of ten that is exact
    // (100 W for 0.1 kW) or whose reciprocal divides exactly.
    const int exponent = format.kilowatts ? 2 : -format.decimals;
    const double scale = std::pow(10.0, std::abs(exponent));
    double shown =
        exponent >= 0 ? std::floor(watts / scale) * scale : std::floor(watts * scale) / scale;
    // The product may have rounded up to the next digit.
    if (shown > watts)
        shown = exponent >= 0 ? shown - scale : (std::floor(watts * scale) - 1) / scale;
    return shown;
}

} // namespace kvarn
