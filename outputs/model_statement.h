#pragma once
// What the station's field model is and where it stops holding, in plain
// words: for the summary and the printed report.

#include <string>

#include "station/station.h"

namespace kvarn {

std::string modelStatement(const Station& station);
// In the given language rather than the station's.
std::string modelStatement(const Station& station, Language language);

} // namespace kvarn
