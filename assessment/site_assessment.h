#pragma once
// The assessment of a whole station: every antenna on its own, and the
// site. One transmitter at a time (the default), the site's zone is the
// union of the antennas' zones. Antennas that send at the same time add
// their exposures, as the 26. BImSchV (Anhang 2) sums them: at every point
// the quotient sum over the antennas of the largest (E / E_limit)^2 over
// each antenna's bands must stay at most 1, and the same for H; the site's
// zone is where either sum exceeds 1 or a model cannot assess the field.

#include <functional>
#include <vector>

#include "assessment/assess.h"
#include "station/station.h"

namespace kvarn {

// A named place on the site: the quotient sums there.
struct PlaceQuotients {
    std::string name;
    Point3 at;
    double e = 0, h = 0; // sum over the antennas of the largest (field / limit)^2 over the bands
                         // (simultaneous), or the largest over antennas and bands (one at a time)
    bool holds = true;   // every antenna's model could give the field there
    bool over() const { return !holds || e > 1 || h > 1; }
};

struct SiteResult {
    bool simultaneous = false;
    std::vector<PlaceQuotients> places;
    // On the grid, the largest quotient sums (simultaneous) and whether a
    // point of the grid was too close for some antenna's model; and the map
    // of the sums, as per cent of 1 (the root of the larger sum).
    double gridE = 0, gridH = 0;
    long tooClosePoints = 0;
    FieldMap map;
    // The site's zone: the union of the antennas' zones, or the zone of the
    // summed exposure; with a plot, against the controllable area.
    ZoneResult zone;
    std::optional<AreaResult> area;
    bool complies = true;
};

struct SiteAssessment {
    std::vector<Assessment> antennas; // in the order of the station file
    SiteResult site;
    bool complies = true; // the site complies (and every antenna's own verdict)
    bool stopped = false; // some band's computation stopped
};

// Assesses every antenna of the installation, its points and reports going
// to outputsFor(antenna) (may return nullptr), then the site.
SiteAssessment
assessInstallation(const Installation& installation, const AssessOptions& options,
                   const std::function<AssessmentOutputs*(const Station& antenna)>& outputsFor);

} // namespace kvarn
