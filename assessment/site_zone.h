#pragma once
// The zone of a site of several antennas, searched around all their wires
// at once in the field of all their bands: the union of their zones (one
// transmitter at a time) or the zone of the summed exposure (at the same
// time); its distances from the nearest point of any antenna; with a plot,
// checked against the controllable area.

#include <memory>
#include <vector>

#include "assessment/field_model.h"
#include "assessment/zone_of_band.h"
#include "station/station.h"

namespace kvarn {

// The models of the bands of one antenna, by band index; nullptr for a
// band whose computation stopped.
using AntennaModels = std::vector<std::unique_ptr<BandFieldModel>>;

// models[k] belongs to installation.antennas[k]. A site whose models all
// stopped has no zone to search: its problem says so.
BandZone siteZone(const Installation& installation, const std::vector<AntennaModels>& models,
                  bool simultaneous, bool outlines);

} // namespace kvarn
