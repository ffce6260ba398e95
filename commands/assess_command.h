#pragma once
// `kvarn assess`: reads a station file, assesses every band and writes the
// results.

#include <string>

namespace kvarn {

struct AssessRequest {
    std::string stationPath;  // the station file
    std::string outDir = "."; // where the files go
    bool csv = false;         // points.csv
    bool csvDe = false;       // points_de.csv, with ';' and decimal commas
    bool maps = false;        // a map per band, PNG, SVG and PDF
    bool pdf = false;         // report.pdf
    bool quiet = false;       // nothing on the terminal but errors
};

// Runs the assessment; returns the exit status (commands/exit_status.h).
int runAssess(const AssessRequest& request);

} // namespace kvarn
