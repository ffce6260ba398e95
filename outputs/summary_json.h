#pragma once
// summary.json: the inputs, the limits, the results per band, the model
// statement, the program version and every file written.

#include <string>
#include <vector>

#include "assessment/band_result.h"
#include "outputs/output_directory.h"
#include "station/station.h"

namespace kvarn {

std::string summaryJson(const Station& station, const Assessment& assessment,
                        const std::vector<WrittenFile>& files);

} // namespace kvarn
