#pragma once
// summary.json: the inputs, the limits, the results per band, the model
// statement, the program version and every file written.

#include <string>
#include <vector>

#include "assessment/band_result.h"
#include "assessment/site_assessment.h"
#include "outputs/output_directory.h"
#include "station/station.h"

namespace kvarn {

std::string summaryJson(const Station& station, const Assessment& assessment,
                        const std::vector<WrittenFile>& files);
// A station of several antennas: each antenna's summary, and the site's;
// of one antenna, the same as above.
std::string summaryJson(const Installation& installation, const SiteAssessment& all,
                        const std::vector<WrittenFile>& files);

} // namespace kvarn
