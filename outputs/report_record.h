#pragma once
// The printed report as a record to file with the declaration of the
// station: a cover page with the operator, the call sign, the site, the
// date, the method and the limits, the list of the parts and the result;
// then per antenna its configuration and results and a page per band; the
// site with its plan, side views and places; the model and the notes.
// "Page n of m" on every page. In the station's language.

#include "assessment/site_assessment.h"
#include "drawing/report_document.h"
#include "outputs/report_content.h"
#include "station/station.h"

namespace kvarn {

ReportDocument recordDocument(const Installation& installation, const SiteAssessment& all,
                              const ReportContext& context);

// "2024-05-01" as the language writes a date: "01.05.2024" in German.
std::string dateIn(const std::string& isoDate, Language language);

} // namespace kvarn
