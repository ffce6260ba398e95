#include "station/moment_spec.h"

#include <cmath>

namespace kvarn {

mom::WireSpec momSpec(const Station& station, double frequency) {
    mom::WireSpec wireSpec;
    for (const CornerPoint& c : station.corners)
        wireSpec.corners.push_back({c.x, c.y, c.z});
    wireSpec.feedM = station.feed;
    wireSpec.diameterMm = station.wireDiameterMm;
    switch (station.ground) {
    case GroundKind::free:
        wireSpec.ground = mom::Ground::FreeSpace;
        break;
    case GroundKind::perfect:
        wireSpec.ground = mom::Ground::Perfect;
        break;
    case GroundKind::real:
        wireSpec.ground = mom::Ground::Real;
        wireSpec.soil = {station.soil.permittivity, station.soil.conductivity};
        break;
    }
    wireSpec.frequencyMHz = frequency;
    return wireSpec;
}

CornerPoint feedPoint(const Station& station) {
    double left = station.feed;
    for (std::size_t j = 1; j < station.corners.size(); ++j) {
        const CornerPoint& a = station.corners[j - 1];
        const CornerPoint& b = station.corners[j];
        const double length = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
        if (left <= length && length > 0) {
            const double t = left / length;
            return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
        }
        left -= length;
    }
    return station.corners.empty() ? CornerPoint{} : station.corners.back();
}

} // namespace kvarn
