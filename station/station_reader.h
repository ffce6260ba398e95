#pragma once
// Reading a station file (TOML) and checking it as the forms check what is
// typed into them.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "station/station.h"

namespace kvarn {

// What is wrong with a station file: one line per fault, each naming the
// file, line and column, the key, and what would be accepted.
class StationError : public std::runtime_error {
  public:
    explicit StationError(std::vector<std::string> faults);
    const std::vector<std::string>& faults() const { return faults_; }

  private:
    std::vector<std::string> faults_;
};

// Parses the text of a station file; sourceName names it in the messages.
// Throws StationError with every fault found.
Installation parseInstallation(std::string_view text, const std::string& sourceName);
// The same, for a file of one antenna: its first antenna.
Station parseStation(std::string_view text, const std::string& sourceName);

// Reads and parses the file at path ("-": standard input); an unreadable
// file is a StationError too.
Installation readInstallation(const std::string& path);
Station readStation(const std::string& path);

// The largest grid a station may ask for: points in one plane.
inline constexpr double kMaxGridPoints = 4'000'000;
// The bounds of what a station may hold: beyond them the field model's
// squares and cubes of distances leave the range of numbers it computes in,
// and no amateur station is that large.
inline constexpr double kMaxCoordinate = 100'000; // m, |x|, |y|, |z| of corners and grid ranges
inline constexpr double kMaxHeight = 10'000;      // m, a grid height above the ground
inline constexpr double kMaxPower = 10'000'000;   // W at the transmitter
inline constexpr double kMaxLossDb = 100;         // dB
// The largest station file read: no station needs more, and an endless
// input (a device, a pipe) must not be read without end.
inline constexpr std::size_t kMaxStationBytes = 1 << 20;

} // namespace kvarn
