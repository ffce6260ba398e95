#include "drawing/site_plan.h"

#include <cmath>

namespace kvarn {

namespace {

bool finite(const PlanPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}
bool finite(const WirePoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}
bool finite(const SidePoint& p) {
    return std::isfinite(p.across) && std::isfinite(p.up);
}

template <typename Points> bool allFinite(const Points& points) {
    for (const auto& p : points)
        if (!finite(p)) return false;
    return true;
}

bool allFinite(const PlanOutline& outline) {
    for (const auto& polygon : outline.polygons)
        if (!allFinite(polygon)) return false;
    return true;
}

} // namespace

std::string sitePlanProblem(const SitePlan& plan) {
    if (!allFinite(plan.boundary)) return "a corner of the boundary is not a finite number";
    if (!(std::isfinite(plan.publicHeight) && plan.publicHeight >= 0))
        return "the public height is not a number of 0 m or more";
    if (!std::isfinite(plan.north)) return "the direction of north is not a finite number";
    if (!allFinite(plan.wire) || (plan.feed && !finite(*plan.feed)))
        return "a point of the wire is not a finite number";
    for (const AntennaWire& antenna : plan.antennas)
        if (!allFinite(antenna.corners) || (antenna.feed && !finite(*antenna.feed)))
            return "a point of the antenna \"" + antenna.name + "\" is not a finite number";
    for (const PlanZone& zone : plan.zones)
        if (!allFinite(zone.whole) || !allFinite(zone.belowPublic))
            return "a point of the zone \"" + zone.label + "\" is not a finite number";
    for (const PlanPlace& place : plan.places)
        if (!finite(WirePoint{place.x, place.y, place.z}))
            return "the place \"" + place.name + "\" is not at finite coordinates";
    if (plan.margin && (!finite(plan.margin->first) || !finite(plan.margin->second) ||
                        !std::isfinite(plan.marginValue)))
        return "the margin is not a finite number";
    return "";
}

std::string sideViewProblem(const SideView& view) {
    for (const auto& polygon : view.zone)
        if (!allFinite(polygon)) return "a point of the zone is not a finite number";
    if (!allFinite(view.wire) || (view.feed && !finite(*view.feed)))
        return "a point of the wire is not a finite number";
    for (const SideAntenna& antenna : view.antennas)
        if (!allFinite(antenna.corners) || (antenna.feed && !finite(*antenna.feed)))
            return "a point of the antenna \"" + antenna.name + "\" is not a finite number";
    for (const SidePlace& place : view.places)
        if (!finite(place.at))
            return "the place \"" + place.name + "\" is not at finite coordinates";
    if (view.plotExtent &&
        !(std::isfinite(view.plotExtent->first) && std::isfinite(view.plotExtent->second) &&
          view.plotExtent->first <= view.plotExtent->second))
        return "the plot's extent is not two finite numbers, the smaller first";
    if (!(std::isfinite(view.publicHeight) && view.publicHeight >= 0))
        return "the public height is not a number of 0 m or more";
    return "";
}

} // namespace kvarn
