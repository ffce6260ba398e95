#include "outputs/file_names.h"

#include <algorithm>

namespace kvarn {

std::string fileStem(const Station& antenna) {
    if (antenna.antennaName.empty()) return antenna.title;
    std::string name;
    for (unsigned char c : antenna.antennaName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_';
        // A character of several bytes becomes one '_'.
        if (plain)
            name += static_cast<char>(c);
        else if ((c & 0xc0) != 0x80)
            name += '_';
    }
    return antenna.title + "_" + name;
}

std::string bandTag(const Station& station, std::size_t bandIndex) {
    const double f = station.bands[bandIndex].frequency;
    const std::string tag = shortestNumber(f) + "MHz";
    const auto sameFrequency = std::count_if(station.bands.begin(), station.bands.end(),
                                             [f](const Band& b) { return b.frequency == f; });
    return sameFrequency > 1 ? tag + "_band" + std::to_string(bandIndex + 1) : tag;
}

std::string reportFileName(const std::string& title, const std::string& bandTag, double height,
                           char mode) {
    return title + "_" + bandTag + "_h" + shortestNumber(height) + "m_" + std::string(1, mode) +
           ".txt";
}

std::string mapFileName(const std::string& title, const std::string& bandTag,
                        const std::string& extension) {
    return title + "_" + bandTag + "_map." + extension;
}

} // namespace kvarn
