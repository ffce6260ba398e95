#pragma once
// The exit statuses of the batch program.

namespace kvarn {

inline constexpr int kStatusComplies = 0;     // every band complies
inline constexpr int kStatusExceeds = 1;      // some band exceeds a limit
inline constexpr int kStatusBadInput = 2;     // bad command line or station file
inline constexpr int kStatusOutputFailed = 3; // an output file could not be written
inline constexpr int kStatusComputation = 4;  // a band's computation stopped

} // namespace kvarn
