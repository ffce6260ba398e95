#pragma once
// The assessment of a station: every band at every height, with the report
// files, the peaks, the safety distance and the highest compliant power.

#include <functional>

#include "assessment/band_result.h"
#include "station/station.h"

namespace kvarn {

struct AssessOptions {
    bool csv = false;   // collect points.csv
    bool csvDe = false; // collect its German form
    // Called after every row of every scan with the rows done and the rows
    // in all; may be empty.
    std::function<void(long done, long total)> progress;
};

Assessment assessStation(const Station& station, const AssessOptions& options);

} // namespace kvarn
