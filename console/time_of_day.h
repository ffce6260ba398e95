#pragma once
// The local time of day with hundredths of a second.

#include <cstdint>

namespace kvarn {

struct TimeOfDay {
    std::uint16_t hour = 0;      // 0 to 23
    std::uint16_t minute = 0;    // 0 to 59
    std::uint16_t second = 0;    // 0 to 59
    std::uint16_t hundredth = 0; // 0 to 99: the clock's milliseconds div 10
};

// The local clock now.
TimeOfDay timeOfDay();

// Tests put a clock of their own in place of the local one; nullptr puts the
// local clock back.
using ClockSource = TimeOfDay (*)();
void setClockSource(ClockSource source);

} // namespace kvarn
