#include "outputs/file_names.h"

#include <charconv>

namespace kvarn {

std::string shortestNumber(double v) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, ec == std::errc{} ? end : buffer);
}

std::string reportFileName(const std::string& title, double frequency, double height, char mode) {
    return title + "_" + shortestNumber(frequency) + "MHz_h" + shortestNumber(height) + "m_" +
           std::string(1, mode) + ".txt";
}

std::string mapFileName(const std::string& title, double frequency, const std::string& extension) {
    return title + "_" + shortestNumber(frequency) + "MHz_map." + extension;
}

} // namespace kvarn
