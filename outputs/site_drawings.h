#pragma once
// The safety zone drawn for the record: the site plan of the station (every
// band's zone from above) and of each band, and each band's side views
// along x and along y, filled in from the assessment.

#include <vector>

#include "assessment/band_result.h"
#include "assessment/site_assessment.h"
#include "drawing/report_document.h"
#include "drawing/site_plan.h"
#include "station/station.h"

namespace kvarn {

// Every band's zone from above, the one that reaches farthest marked, with
// the plot, the wire, the places and the smallest margin of any band.
SitePlan stationPlan(const Station& station, const Assessment& assessment);
// One band's zone from above.
SitePlan bandPlan(const Station& station, const BandResult& band);
// One band's zone from the side, looking along x or along y.
SideView bandSideView(const Station& station, const BandResult& band, SideAxis axis);

// The site of a station of several antennas: the site's zone from above
// and from the side, every antenna's wire with its name, the places.
SitePlan sitePlan(const Installation& installation, const SiteAssessment& all);
SideView siteSideView(const Installation& installation, const SiteAssessment& all, SideAxis axis);
// The site's drawings for the printed record: with several antennas its
// plan and both side views; with one, the plan of every band's zone when
// there is a plot.
std::vector<ReportBlock> siteDrawingBlocks(const Installation& installation,
                                           const SiteAssessment& all);

} // namespace kvarn
