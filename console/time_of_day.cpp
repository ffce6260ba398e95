#include "console/time_of_day.h"

#include <chrono>
#include <ctime>

namespace kvarn {

namespace {

TimeOfDay localClock() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return TimeOfDay{static_cast<std::uint16_t>(local.tm_hour),
                     static_cast<std::uint16_t>(local.tm_min),
                     static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec),
                     static_cast<std::uint16_t>(millis / 10)};
}

ClockSource source = nullptr;

} // namespace

TimeOfDay timeOfDay() {
    return source != nullptr ? source() : localClock();
}

void setClockSource(ClockSource s) {
    source = s;
}

} // namespace kvarn
