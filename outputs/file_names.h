#pragma once
// The names of the files an assessment writes into its output directory.

#include <string>

namespace kvarn {

// A number in the fewest digits that read back as the same double ("3.65",
// "0.5", "-2").
std::string shortestNumber(double v);

// <title>_<frequency>MHz_h<height>m_<mode>.txt, e.g. antenne_3.65MHz_h2m_E.txt.
std::string reportFileName(const std::string& title, double frequency, double height, char mode);
// <title>_<frequency>MHz_map.<extension>.
std::string mapFileName(const std::string& title, double frequency, const std::string& extension);

} // namespace kvarn
