#include "outputs/site_drawings.h"

#include <algorithm>

#include "base/number_text.h"
#include "outputs/map_titles.h"
#include "outputs/result_table.h"
#include "station/model_names.h"
#include "station/moment_spec.h"

namespace kvarn {

namespace {

PlanOutline planOutline(const ZoneOutlines& outlines) {
    PlanOutline out;
    for (const auto& polygon : outlines) {
        out.polygons.emplace_back();
        for (const auto& [x, y] : polygon)
            out.polygons.back().push_back({x, y});
    }
    return out;
}

std::string subtitleOf(const Station& station) {
    // The limit set's title without its explanation in brackets.
    const std::string limits(limitSetTitle(station.limits));
    std::string text = "Zone: E or H over the " + limits.substr(0, limits.find(" (")) +
                       " limits, or not assessable; " + modelAndGround(station);
    if (station.plot())
        text += "; public height " + shortestNumber(station.plot()->publicHeight) + " m";
    return text;
}

// The parts of a plan that do not depend on the bands.
SitePlan planOf(const Station& station) {
    SitePlan plan;
    plan.subtitle = subtitleOf(station);
    if (station.plot()) {
        for (const auto& [x, y] : station.plot()->boundary)
            plan.boundary.push_back({x, y});
        plan.publicHeight = station.plot()->publicHeight;
        plan.north = station.plot()->north;
    }
    for (const CornerPoint& c : station.corners)
        plan.wire.push_back({c.x, c.y, c.z});
    if (!isExact(station.model)) {
        const CornerPoint feed = feedPoint(station);
        plan.feed = WirePoint{feed.x, feed.y, feed.z};
    }
    return plan;
}

// A place is over on the plan when it is over on any band shown.
void addPlaces(SitePlan& plan, const Station& station,
               const std::vector<const BandResult*>& bands) {
    for (std::size_t k = 0; k < station.places.size(); ++k) {
        bool over = false;
        for (const BandResult* b : bands)
            over = over || (k < b->places.size() && b->places[k].over);
        const Place& p = station.places[k];
        plan.places.push_back({p.name, p.x, p.y, p.z, over});
    }
}

void addMargin(SitePlan& plan, const BandResult& b) {
    if (!b.area || !b.area->margin) return;
    plan.margin =
        std::make_pair(PlanPoint{b.area->zonePoint.first, b.area->zonePoint.second},
                       PlanPoint{b.area->boundaryPoint.first, b.area->boundaryPoint.second});
    plan.marginValue = *b.area->margin;
}

bool drawn(const BandResult& b) {
    return b.stop.empty() && b.zone.problem.empty();
}

} // namespace

SitePlan stationPlan(const Station& station, const Assessment& assessment) {
    SitePlan plan = planOf(station);
    plan.title = "Site plan: the zones of all bands";
    std::vector<const BandResult*> bands;
    const BandResult* farthest = nullptr;
    const BandResult* closest = nullptr; // to the boundary
    for (const BandResult& b : assessment.bands) {
        if (!drawn(b)) continue;
        bands.push_back(&b);
        if (!farthest || b.zone.safetyDistance.value > farthest->zone.safetyDistance.value)
            farthest = &b;
        if (b.area && b.area->margin && (!closest || *b.area->margin < *closest->area->margin))
            closest = &b;
    }
    for (const BandResult* b : bands)
        plan.zones.push_back({bandHeading(b->band.frequency), planOutline(b->zone.top),
                              planOutline(b->zone.topBelow), b == farthest});
    addPlaces(plan, station, bands);
    if (closest) addMargin(plan, *closest);
    return plan;
}

SitePlan bandPlan(const Station& station, const BandResult& b) {
    SitePlan plan = planOf(station);
    plan.title = "Site plan: " + bandHeading(b.band.frequency) + ", " + powerText(b.feedPower) +
                 " at the feed";
    if (drawn(b))
        plan.zones.push_back({bandHeading(b.band.frequency), planOutline(b.zone.top),
                              planOutline(b.zone.topBelow), true});
    addPlaces(plan, station, {&b});
    addMargin(plan, b);
    return plan;
}

SideView bandSideView(const Station& station, const BandResult& b, SideAxis axis) {
    const bool alongX = axis == SideAxis::alongX;
    SideView view;
    view.axis = axis;
    view.title =
        std::string(alongX ? "Side view looking along x: " : "Side view looking along y: ") +
        bandHeading(b.band.frequency);
    view.subtitle = subtitleOf(station);
    if (drawn(b))
        for (const auto& polygon : alongX ? b.zone.alongX : b.zone.alongY) {
            view.zone.emplace_back();
            for (const auto& [across, up] : polygon)
                view.zone.back().push_back({across, up});
        }
    const auto across = [alongX](double x, double y) { return alongX ? y : x; };
    for (const CornerPoint& c : station.corners)
        view.wire.push_back({across(c.x, c.y), c.z});
    if (!isExact(station.model)) {
        const CornerPoint feed = feedPoint(station);
        view.feed = SidePoint{across(feed.x, feed.y), feed.z};
    }
    for (std::size_t k = 0; k < station.places.size(); ++k) {
        const Place& p = station.places[k];
        view.places.push_back(
            {p.name, {across(p.x, p.y), p.z}, k < b.places.size() && b.places[k].over});
    }
    if (station.plot()) {
        double low = 0, high = 0;
        bool first = true;
        for (const auto& [x, y] : station.plot()->boundary) {
            const double a = across(x, y);
            low = first ? a : std::min(low, a);
            high = first ? a : std::max(high, a);
            first = false;
        }
        view.plotExtent = std::make_pair(low, high);
        view.publicHeight = station.plot()->publicHeight;
    }
    return view;
}

} // namespace kvarn
