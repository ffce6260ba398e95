#include "assessment/power_chain.h"

#include <cmath>
#include <limits>

namespace kvarn {

double feedPower(const Band& band) {
    return static_cast<double>(static_cast<long double>(band.power) * band.modeFactor *
                               powl(10.0L, -static_cast<long double>(band.lossDb) / 10.0L));
}

double highestCompliantPower(double power, double percent) {
    if (!(percent > 0)) return std::numeric_limits<double>::infinity();
    const long double ratio = 100.0L / percent;
    return static_cast<double>(power * ratio * ratio);
}

} // namespace kvarn
