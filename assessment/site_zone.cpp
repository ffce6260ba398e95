#include "assessment/site_zone.h"

#include "assessment/site_zone_field.h"
#include "limits/reference_levels.h"

namespace kvarn {

BandZone siteZone(const Installation& installation, const std::vector<AntennaModels>& models,
                  bool simultaneous, bool outlines) {
    std::vector<SiteSource> sources;
    std::vector<std::vector<Point3>> wires;
    for (std::size_t a = 0; a < installation.antennas.size(); ++a) {
        const Station& antenna = installation.antennas[a];
        wires.emplace_back();
        for (const CornerPoint& c : antenna.corners)
            wires.back().push_back({c.x, c.y, c.z});
        for (std::size_t b = 0; b < antenna.bands.size() && b < models[a].size(); ++b)
            if (models[a][b])
                sources.push_back({a, models[a][b].get(),
                                   *referenceLevels(antenna.limits, antenna.bands[b].frequency)});
    }
    if (sources.empty()) {
        BandZone none;
        none.zone.problem = "no band's computation completed";
        return none;
    }
    const SiteZoneField field(std::move(sources), installation.antennas.size(), simultaneous);
    return zoneOfField(installation.first(), wires, field, outlines);
}

} // namespace kvarn
