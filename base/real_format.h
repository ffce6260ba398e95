#pragma once
// Numbers as the program writes them: fixed point, a width and a number of
// decimals, never an exponent.

#include <string>

namespace kvarn {

// The value with d decimals, right-aligned in w characters (wider when it
// does not fit). The magnitude is first enlarged by one unit of double
// precision and then rounded half away from zero, so a double stored just
// below the decimal it was typed as still rounds up. Negative values keep
// their minus sign even when they round to zero. NaN is "Nan", the
// infinities "+Inf" and "-Inf".
std::string formatReal(double value, int width, int decimals);

// Decimal digits with a leading '-' when negative, right-aligned in width.
std::string formatInt(long value, int width);

} // namespace kvarn
