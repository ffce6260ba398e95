#pragma once
// The assessment of a whole station on the terminal: for one antenna its
// table as it always was; for several a block per antenna, then the site:
// its safety distance from the nearest antenna, the controllable area, the
// places' quotients and the verdict. In the station's language.

#include <string>

#include "assessment/site_assessment.h"
#include "station/station.h"

namespace kvarn {

std::string resultText(const Installation& installation, const SiteAssessment& all, bool colour);

// The site's zone: "4.20 m from the nearest point of any antenna, ...".
std::string siteDistanceText(const SiteResult& site, Language language);
// The site's zone against the controllable area.
std::string siteAreaText(const SiteResult& site, Language language);
// A zone against the controllable area: inside or not, and the margin; or
// that it is unknown when the zone was not searched.
std::string areaText(bool searched, const std::optional<AreaResult>& area, Language language);

// The site in one sentence for the end of the table: its verdict and why.
std::string siteVerdictLine(const Installation& installation, const SiteAssessment& all);

} // namespace kvarn
