#pragma once
// A band's three-dimensional zone from its field model, and what the
// station asks of it: the zone checked against the controllable area of
// its site, and projected for the drawings.

#include <optional>

#include "assessment/band_result.h"
#include "assessment/field_model.h"
#include "station/station.h"
#include "zone/zone_field.h"

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

// The same for any field around one or more wires (corners in m), the
// distances from the nearest point of any of them; the station gives the
// site and its public height.
BandZone zoneOfField(const Station& station, const std::vector<std::vector<Point3>>& antennas,
                     const zone::ZoneField& field, bool outlines);

} // namespace kvarn
