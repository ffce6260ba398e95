#pragma once
// The program's main body: start-up, and calculation passes until the user
// declines another one.

#include <cstdint>

#include "console/time_of_day.h"
#include "control/program_variant.h"
#include "field/point_work.h"

namespace kvarn {

// Runs the whole program on the attached console: notices, initial values,
// passes. Returns the exit status (0).
int runProgram(const ProgramVariant& v);

// The initial values of the calculation state (once per run).
void setInitialValues();

// The input sequence of a pass: the coordinate form while calc.again is
// false, the parameter form, then the discretisation of the variant. Returns
// false when the discretisation declined to build an element table; the pass
// then reports nothing.
bool enterInput();

// Header or clock start, the scan of the grid, the summary line and the
// closing of the output file: everything of a pass after the input.
void scanAndReport();

// What every point of the pass reads: the program's element table and the
// wavelength, omega, height and mode of calc.
PointInputs passInputs();

// "weitere Berechnung (j/n)? ", the reply into calc.answer; sets calc.again.
void askAgain();

// One day's count in tenths of a second.
inline constexpr std::int32_t kTenthsPerDay = 864000;
// hour * 36000 + minute * 600 + second * 10 + hundredth div 10.
std::int32_t tenthsOfDay(const TimeOfDay& t);

// Reads the clock into calc.hour .. calc.hundredth and returns its tenths.
std::int32_t readClockTenths();

// After the row at yp of a maximum-only scan: the progress line with the
// percentage done and the estimated remaining time, ended by a carriage
// return so the next one overwrites it.
void progressStep(double yp);

} // namespace kvarn
