#pragma once
// The words a band's map and report page are headed with.

#include <string>

#include "assessment/band_result.h"
#include "assessment/site_assessment.h"
#include "limits/reference_levels.h"
#include "station/station.h"

namespace kvarn {

// The amateur band a frequency lies in, "80 m" for 3.65 MHz; empty outside
// every band.
std::string amateurBand(double frequency);

// "80 m band", "80-m-Band" for "80 m".
std::string bandNameIn(const std::string& band, Language language);

// "80 m band: 3.650 MHz", or only the frequency outside every band.
std::string bandHeading(double frequency, Language language = Language::en);

// "80 m band: 3.650 MHz, 750 W at the feed".
std::string mapTitle(double frequency, double feedPower, Language language = Language::en);

// "Limits: 26. BImSchV (...): E 45.5 V/m, H 0.200 A/m".
std::string mapLimitLine(LimitSet set, const ReferenceLevels& levels,
                         Language language = Language::en);

// Heads every band's map with its title (with the model and the ground)
// and its limit line.
void titleMaps(Assessment& assessment, const Station& station);

// The map of a site whose antennas send at the same time: the summed
// exposure as per cent of its limit, with every antenna's wire.
FieldMap siteMap(const Installation& installation, const SiteAssessment& all);

} // namespace kvarn
