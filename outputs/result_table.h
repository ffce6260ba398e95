#pragma once
// The assessment on the terminal: one line per band, the overall safety
// distance, and what the reader must know about the numbers.

#include <string>

#include "assessment/band_result.h"
#include "station/station.h"

namespace kvarn {

// The text to print on standard output; colour marks the verdicts with
// terminal colours.
std::string resultTable(const Station& station, const Assessment& assessment, bool colour);

// A transmitter power for people: "722 W", "1.25 kW", "unlimited".
std::string powerText(double watts);

} // namespace kvarn
