#pragma once
// The first check of every number that enters the field computation, typed
// into a form or read from a station file: an infinity or a NaN would run
// through every formula and come out as a value no report can print.

namespace kvarn {

// A finite number: neither an infinity nor a NaN.
bool isFiniteInput(double value);

} // namespace kvarn
