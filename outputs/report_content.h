#pragma once
// What the printed report says, in the order it is printed. A station of
// one antenna in English: the station, the power chain, the limits, the
// terminal's table and the verdicts; a page per band with its map and its
// highest points; and what the model can and cannot tell. In German, or
// with several antennas, the record to file (see report_record.h).

#include <string>

#include "assessment/band_result.h"
#include "assessment/site_assessment.h"
#include "drawing/report_document.h"
#include "station/station.h"

namespace kvarn {

struct ReportContext {
    std::string stationFile; // as the command line named it
    std::string date;        // of the assessment, e.g. "2024-05-01"
};

ReportDocument reportDocument(const Station& station, const Assessment& assessment,
                              const ReportContext& context);
ReportDocument reportDocument(const Installation& installation, const SiteAssessment& all,
                              const ReportContext& context);

} // namespace kvarn
