#pragma once
// Round numbers for the axes and the scale bar of a map.

#include <string>
#include <vector>

namespace kvarn {

// The smallest step of the form 1, 2 or 5 times a power of ten that divides
// `span` into at most `maxSteps` steps.
double niceStep(double span, int maxSteps);

// The largest length of the form 1, 2 or 5 times a power of ten that does
// not exceed `length`.
double niceFloor(double length);

// The multiples of `step` from `low` to `high`, both included.
std::vector<double> tickValues(double low, double high, double step);

// A tick value with as many decimals as the step needs, never "-0".
std::string tickLabel(double value, double step);

} // namespace kvarn
