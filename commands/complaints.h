#pragma once
// What the commands say on standard error: a message, and the faults of a
// station file that could not be read.

#include <optional>
#include <string>

#include "station/station.h"

namespace kvarn {

// "kvarn: message" on standard error, whatever came from a file or the
// command line shown, not obeyed.
void complain(const std::string& message);

// The station file at `path` ("-": standard input), or nothing after its
// faults were listed (the first 20, then only how many more).
std::optional<Installation> readStationOrComplain(const std::string& path);

} // namespace kvarn
