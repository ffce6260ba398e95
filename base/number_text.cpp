#include "base/number_text.h"

#include <charconv>

namespace kvarn {

std::string shortestNumber(double v) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, ec == std::errc{} ? end : buffer);
}

} // namespace kvarn
