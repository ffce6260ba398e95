#include "station/moment_spec.h"

#include <cmath>

namespace kvarn {

mom::WireSpec momSpec(const Station& station, double frequency) {
    mom::WireSpec spec;
    for (const CornerPoint& c : station.corners)
        spec.corners.push_back({c.x, c.y, c.z});
    spec.feedM = station.feed;
    spec.diameterMm = station.wireDiameterMm;
    switch (station.ground) {
    case GroundKind::free:
        spec.ground = mom::Ground::FreeSpace;
        break;
    case GroundKind::perfect:
        spec.ground = mom::Ground::Perfect;
        break;
    case GroundKind::real:
        spec.ground = mom::Ground::Real;
        spec.soil = {station.soil.permittivity, station.soil.conductivity};
        break;
    }
    spec.frequencyMHz = frequency;
    return spec;
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
