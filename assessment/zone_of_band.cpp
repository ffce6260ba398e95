#include "assessment/zone_of_band.h"

#include <vector>

#include "assessment/band_zone_field.h"
#include "zone/area_check.h"
#include "zone/projection.h"
#include "zone/zone.h"

namespace kvarn {

namespace {

ZoneExtreme extremeOf(const zone::ZonePoint& p) {
    return {p.value, {p.at.x, p.at.y, p.at.z}};
}

ZoneOutlines outlinesOf(const zone::Zone& z, zone::View view, double publicHeight) {
    ZoneOutlines out;
    for (const std::vector<zone::Point2>& polygon : zone::project(z, view, publicHeight).outlines) {
        out.emplace_back();
        for (const zone::Point2& p : polygon)
            out.back().push_back({p.x, p.y});
    }
    return out;
}

} // namespace

BandZone zoneOfBand(const Station& station, const BandFieldModel& model,
                    const ReferenceLevels& limits, bool outlines) {
    std::vector<Point3> wire;
    for (const CornerPoint& c : station.corners)
        wire.push_back({c.x, c.y, c.z});
    const BandZoneField field(model, limits);
    return zoneOfField(station, {wire}, field, outlines);
}

BandZone zoneOfField(const Station& station, const std::vector<std::vector<Point3>>& antennas,
                     const zone::ZoneField& field, bool outlines) {
    std::vector<std::vector<zone::Point3>> wires;
    for (const std::vector<Point3>& antenna : antennas) {
        wires.emplace_back();
        for (const Point3& c : antenna)
            wires.back().push_back({c.x, c.y, c.z});
    }
    const zone::Zone z =
        wires.size() == 1 ? zone::findZone(wires.front(), field) : zone::findZone(wires, field);
    BandZone result;
    ZoneResult& r = result.zone;
    r.problem = z.problem;
    if (!z.problem.empty()) return result;
    r.empty = z.empty;
    r.safetyDistance = extremeOf(z.safetyDistance);
    r.horizontalDistance = extremeOf(z.horizontalDistance);
    r.lowest = extremeOf(z.lowestHeight);
    r.reach = z.reach;
    const double publicHeight = station.plot() ? station.plot()->publicHeight : zone::kPublicHeight;
    if (outlines && !z.empty) {
        r.top = outlinesOf(z, zone::View::top, publicHeight);
        r.topBelow = outlinesOf(z, zone::View::topBelow, publicHeight);
        r.alongX = outlinesOf(z, zone::View::alongX, publicHeight);
        r.alongY = outlinesOf(z, zone::View::alongY, publicHeight);
    }
    if (station.plot()) {
        std::vector<zone::Point2> boundary;
        for (const auto& [x, y] : station.plot()->boundary)
            boundary.push_back({x, y});
        const zone::AreaCheck check = zone::checkArea(z, boundary, publicHeight);
        AreaResult area;
        area.inside = check.inside;
        if (check.margin) {
            area.margin = check.margin->distance;
            area.zonePoint = {check.margin->zonePoint.x, check.margin->zonePoint.y};
            area.boundaryPoint = {check.margin->boundaryPoint.x, check.margin->boundaryPoint.y};
        }
        result.area = area;
    }
    return result;
}

} // namespace kvarn
