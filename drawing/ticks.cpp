#include "drawing/ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvarn {

namespace {
constexpr double kMantissas[] = {1, 2, 5};
} // namespace

double niceStep(double span, int maxSteps) {
    const double rough = span / std::max(1, maxSteps);
    double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (;; decade *= 10)
        for (double m : kMantissas)
            // The relative slack keeps an exact fit, e.g. 100 m in 10 steps
            // of 10 m, from being lost to rounding.
            if (m * decade >= rough * (1 - 1e-9)) return m * decade;
}

double niceFloor(double length) {
    double decade = std::pow(10.0, std::floor(std::log10(length)));
    double best = decade;
    for (double m : kMantissas)
        if (m * decade <= length * (1 + 1e-9)) best = m * decade;
    return best;
}

std::vector<double> tickValues(double low, double high, double step) {
    std::vector<double> values;
    if (!(step > 0)) return values;
    const double slack = step * 1e-9;
    for (double k = std::ceil((low - slack) / step); k * step <= high + slack; k += 1)
        values.push_back(k * step);
    return values;
}

std::string tickLabel(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    if (std::abs(value) < step * 1e-6) value = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace kvarn
