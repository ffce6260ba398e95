#pragma once
// A band's three-dimensional zone from its field model, and what the
// station asks of it: the zone checked against the controllable area of
// its site, and projected for the drawings.

#include <optional>

#include "assessment/band_result.h"
#include "assessment/field_model.h"
#include "station/station.h"

namespace kvarn {

struct BandZone {
    ZoneResult zone;
    std::optional<AreaResult> area; // with a site
};

// Searches the zone around the station's wire and checks it against the
// site's controllable area when the station has a site; with `outlines`,
// also projects it (from above, its part below the public height from
// above, along x and along y).
BandZone zoneOfBand(const Station& station, const BandFieldModel& model,
                    const ReferenceLevels& limits, bool outlines);

} // namespace kvarn
