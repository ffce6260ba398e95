#include "outputs/site_drawings.h"

#include <algorithm>

#include "base/number_text.h"
#include "outputs/drawing_wording.h"
#include "outputs/map_titles.h"
#include "outputs/report_wording.h"
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
    const Wording& w = wordingFor(station.language);
    const ReportWording& r = reportWordingFor(station.language);
    const std::string limits = limitSetTitleIn(station.limits, w);
    std::string text = Wording::fill(
        r.zoneSubtitle, {limits.substr(0, limits.find(" (")), modelAndGroundIn(station, w)});
    if (station.plot())
        text += Wording::fill(r.publicHeightPart,
                              {w.withDecimal(shortestNumber(station.plot()->publicHeight)) + " m"});
    return text;
}

// The parts of a plan that do not depend on the bands.
SitePlan planOf(const Station& station) {
    SitePlan plan;
    plan.subtitle = subtitleOf(station);
    plan.words = drawingWordsFor(station.language);
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

// The parts of a side view that do not depend on the bands.
SideView sideViewOf(const Station& station, SideAxis axis) {
    const bool alongX = axis == SideAxis::alongX;
    SideView view;
    view.axis = axis;
    view.subtitle = subtitleOf(station);
    view.words = drawingWordsFor(station.language);
    if (station.plot()) {
        double low = 0, high = 0;
        bool first = true;
        for (const auto& [x, y] : station.plot()->boundary) {
            const double a = alongX ? y : x;
            low = first ? a : std::min(low, a);
            high = first ? a : std::max(high, a);
            first = false;
        }
        view.plotExtent = std::make_pair(low, high);
        view.publicHeight = station.plot()->publicHeight;
    }
    return view;
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
    plan.title = std::string(reportWordingFor(station.language).planAllBands);
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
        plan.zones.push_back({bandHeading(b->band.frequency, station.language),
                              planOutline(b->zone.top), planOutline(b->zone.topBelow),
                              b == farthest});
    addPlaces(plan, station, bands);
    if (closest) addMargin(plan, *closest);
    return plan;
}

SitePlan bandPlan(const Station& station, const BandResult& b) {
    SitePlan plan = planOf(station);
    plan.title = Wording::fill(reportWordingFor(station.language).planBand,
                               {bandHeading(b.band.frequency, station.language),
                                powerText(b.feedPower, wordingFor(station.language))});
    if (drawn(b))
        plan.zones.push_back({bandHeading(b.band.frequency, station.language),
                              planOutline(b.zone.top), planOutline(b.zone.topBelow), true});
    addPlaces(plan, station, {&b});
    addMargin(plan, b);
    return plan;
}

namespace {

std::string antennaLabel(const Station& antenna) {
    return antenna.antennaName.empty() ? antenna.title : antenna.antennaName;
}

std::optional<WirePoint> feedOf(const Station& antenna) {
    if (isExact(antenna.model)) return std::nullopt;
    const CornerPoint feed = feedPoint(antenna);
    return WirePoint{feed.x, feed.y, feed.z};
}

} // namespace

SitePlan sitePlan(const Installation& installation, const SiteAssessment& all) {
    const Station& first = installation.first();
    SitePlan plan = planOf(first);
    plan.wire.clear();
    plan.feed.reset();
    for (const Station& antenna : installation.antennas) {
        AntennaWire wire{antennaLabel(antenna), {}, feedOf(antenna)};
        for (const CornerPoint& c : antenna.corners)
            wire.corners.push_back({c.x, c.y, c.z});
        plan.antennas.push_back(wire);
    }
    const ReportWording& r = reportWordingFor(first.language);
    plan.title = std::string(r.sitePlanTitle);
    const SiteResult& site = all.site;
    if (site.zone.problem.empty() && !site.zone.empty)
        plan.zones.push_back({std::string(r.siteZoneLabel), planOutline(site.zone.top),
                              planOutline(site.zone.topBelow), true});
    for (const PlaceQuotients& p : site.places)
        plan.places.push_back({p.name, p.at.x, p.at.y, p.at.z, p.over()});
    if (site.area && site.area->margin) {
        plan.margin = std::make_pair(
            PlanPoint{site.area->zonePoint.first, site.area->zonePoint.second},
            PlanPoint{site.area->boundaryPoint.first, site.area->boundaryPoint.second});
        plan.marginValue = *site.area->margin;
    }
    return plan;
}

SideView siteSideView(const Installation& installation, const SiteAssessment& all, SideAxis axis) {
    const Station& first = installation.first();
    const bool alongX = axis == SideAxis::alongX;
    const ReportWording& r = reportWordingFor(first.language);
    SideView view = sideViewOf(first, axis);
    view.title =
        Wording::fill(alongX ? r.sideAlongX : r.sideAlongY, {std::string(r.siteZoneLabel)});
    view.wire.clear();
    view.feed.reset();
    const auto across = [alongX](double x, double y) { return alongX ? y : x; };
    for (const Station& antenna : installation.antennas) {
        SideAntenna wire{antennaLabel(antenna), {}, {}};
        for (const CornerPoint& c : antenna.corners)
            wire.corners.push_back({across(c.x, c.y), c.z});
        if (const std::optional<WirePoint> feed = feedOf(antenna))
            wire.feed = SidePoint{across(feed->x, feed->y), feed->z};
        view.antennas.push_back(wire);
    }
    const SiteResult& site = all.site;
    if (site.zone.problem.empty())
        for (const auto& polygon : alongX ? site.zone.alongX : site.zone.alongY) {
            view.zone.emplace_back();
            for (const auto& [a, up] : polygon)
                view.zone.back().push_back({a, up});
        }
    for (const PlaceQuotients& p : site.places)
        view.places.push_back({p.name, {across(p.at.x, p.at.y), p.at.z}, p.over()});
    return view;
}

std::vector<ReportBlock> siteDrawingBlocks(const Installation& installation,
                                           const SiteAssessment& all) {
    if (installation.antennas.size() == 1) {
        if (!installation.first().plot()) return {};
        return {ReportSitePlan{stationPlan(installation.first(), all.antennas.front()), 420}};
    }
    return {ReportSitePlan{sitePlan(installation, all), 420},
            ReportSideView{siteSideView(installation, all, SideAxis::alongX), 300},
            ReportSideView{siteSideView(installation, all, SideAxis::alongY), 300}};
}

SideView bandSideView(const Station& station, const BandResult& b, SideAxis axis) {
    const bool alongX = axis == SideAxis::alongX;
    SideView view = sideViewOf(station, axis);
    const ReportWording& r = reportWordingFor(station.language);
    view.title = Wording::fill(alongX ? r.sideAlongX : r.sideAlongY,
                               {bandHeading(b.band.frequency, station.language)});
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
    return view;
}

} // namespace kvarn
