#pragma once
// The names of the files an assessment writes into its output directory.

#include <cstddef>
#include <string>

#include "base/number_text.h"
#include "station/station.h"

namespace kvarn {

// The stem of an antenna's files: the station's title, and for a named
// antenna of a station of several, its name with every character but
// letters, digits, '-', '.' and '_' made '_' ("antenne_Dipol_80m").
std::string fileStem(const Station& antenna);

// What tells a band's files apart: "3.65MHz", or "7.1MHz_band2" (its number
// in the station file) when another band has the same frequency.
std::string bandTag(const Station& station, std::size_t bandIndex);

// <title>_<band tag>_h<height>m_<mode>.txt, e.g. antenne_3.65MHz_h2m_E.txt.
std::string reportFileName(const std::string& title, const std::string& bandTag, double height,
                           char mode);
// <title>_<band tag>_map.<extension>.
std::string mapFileName(const std::string& title, const std::string& bandTag,
                        const std::string& extension);

} // namespace kvarn
