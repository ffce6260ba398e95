#include "drawing/draw_site_plan.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "drawing/label_place.h"
#include "drawing/map_frame.h"
#include "drawing/map_overlays.h"
#include "drawing/map_text.h"
#include "drawing/plan_key.h"
#include "drawing/plan_marks.h"

namespace kvarn {

namespace {

// The fills first, so that no zone's fill hides another's edge; the part
// below the public height over every light fill; the edge of the zone that
// reaches farthest last, over the dashed edges of the others.
void drawZones(cairo_t* cr, const SitePlan& plan, const MapLayout& l) {
    for (const PlanZone& zone : plan.zones) {
        outlinePath(cr, zone.whole, l);
        fillZone(cr);
    }
    for (const PlanZone& zone : plan.zones) {
        outlinePath(cr, zone.belowPublic, l);
        fillBelowPublic(cr, l);
    }
    const bool one = plan.zones.size() == 1;
    for (const bool largest : {false, true})
        for (const PlanZone& zone : plan.zones)
            if ((one || zone.largest) == largest) {
                outlinePath(cr, zone.whole, l);
                strokeZoneEdge(cr, l, largest);
            }
}

void drawBoundary(cairo_t* cr, const SitePlan& plan, const MapLayout& l) {
    if (plan.boundary.empty()) return;
    outlinePath(cr, PlanOutline{{plan.boundary}}, l);
    strokeBoundary(cr, l);
}

// What the labels keep clear of: the marks drawn so far, the wire, the
// boundary, the margin's line and the zones' edges.
LabelRoom labelRoom(const SitePlan& plan, const MapLayout& l, std::vector<Rect> taken) {
    LabelRoom room{l.plot, std::move(taken), {}};
    auto add = [&](double x0, double y0, double x1, double y1) {
        room.lines.push_back({l.toX(x0), l.toY(y0), l.toX(x1), l.toY(y1)});
    };
    addWireLines(room, plan.wire, l);
    for (const AntennaWire& antenna : plan.antennas)
        addWireLines(room, antenna.corners, l);
    auto addPolygon = [&](const std::vector<PlanPoint>& polygon) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const PlanPoint& a = polygon[i];
            const PlanPoint& b = polygon[(i + 1) % polygon.size()];
            add(a.x, a.y, b.x, b.y);
        }
    };
    addPolygon(plan.boundary);
    if (plan.margin) {
        const auto& [zone, edge] = *plan.margin;
        add(zone.x, zone.y, edge.x, edge.y);
    }
    for (const PlanZone& zone : plan.zones)
        for (const auto& polygon : zone.whole.polygons)
            addPolygon(polygon);
    return room;
}

// The labels of the margin, the places, the antennas and the zone that
// reaches farthest, in that order of importance, each clear of what is
// labelled before it.
void drawLabels(cairo_t* cr, const SitePlan& plan, const MapLayout& l, LabelRoom& room) {
    const TextStyle strong{0.95 * l.em, true, Align::Left, true};
    const TextStyle plain{0.85 * l.em, false, Align::Left, true};
    if (plan.margin) {
        const auto& [zone, edge] = *plan.margin;
        drawLabelBeside(cr, marginLabel(plan.marginValue, plan.words), strong,
                        l.toX((zone.x + edge.x) / 2), l.toY((zone.y + edge.y) / 2), 0.6 * l.em,
                        room);
    }
    for (const PlanPlace& p : plan.places)
        drawLabelBeside(cr, placeLabel(p.name, p.z, true, p.over, plan.words), plain, l.toX(p.x),
                        l.toY(p.y), 0.9 * l.em, room);
    for (const AntennaWire& antenna : plan.antennas)
        drawWireName(cr, antenna.name, antenna.corners, l, room);
    if (plan.zones.size() < 2) return;
    for (const PlanZone& zone : plan.zones) {
        if (!zone.largest) continue;
        // Above the zone's topmost point, outside the zone where there is
        // room.
        const PlanPoint* top = nullptr;
        for (const auto& polygon : zone.whole.polygons)
            for (const PlanPoint& p : polygon)
                if (top == nullptr || p.y > top->y) top = &p;
        if (top != nullptr)
            drawLabelBeside(cr, zone.label, strong, l.toX(top->x), l.toY(top->y), 0.4 * l.em, room,
                            LabelSide::above);
    }
}

} // namespace

PlanLayout layoutSitePlan(const SitePlan& plan, const Rect& area) {
    return layoutPlan(sitePlanExtent(plan), keyLines(sitePlanKey(plan)), true, area);
}

PlanLayout drawSitePlan(cairo_t* cr, const SitePlan& plan, const Rect& area) {
    if (const std::string problem = sitePlanProblem(plan); !problem.empty())
        throw std::invalid_argument("cannot draw the site plan \"" + plan.title + "\": " + problem);
    const PlanLayout layout = layoutSitePlan(plan, area);
    const MapLayout& l = layout.frame;

    // Nothing below the drawing's foot, which a report leaves to what
    // follows.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, area.x, area.y, area.width, std::min(area.height, l.bottom - area.y));
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);

    cairo_save(cr);
    cairo_rectangle(cr, l.plot.x, l.plot.y, l.plot.width, l.plot.height);
    cairo_clip(cr);
    drawZones(cr, plan, l);
    drawBoundary(cr, plan, l);
    if (plan.margin) {
        const auto& [zone, edge] = *plan.margin;
        drawDimension(cr, l, l.toX(zone.x), l.toY(zone.y), l.toX(edge.x), l.toY(edge.y));
    }
    std::vector<Rect> taken = drawWire(cr, plan.wire, plan.feed, l, plan.words);
    for (const AntennaWire& antenna : plan.antennas) {
        const std::vector<Rect> boxes = drawWire(cr, antenna.corners, antenna.feed, l, plan.words);
        taken.insert(taken.end(), boxes.begin(), boxes.end());
    }
    for (const PlanPlace& p : plan.places) {
        const double x = l.toX(p.x), y = l.toY(p.y), r = 0.7 * l.em;
        drawPlaceMark(cr, l, x, y, p.over);
        taken.push_back({x - r, y - r, 2 * r, 2 * r});
    }
    LabelRoom room = labelRoom(plan, l, std::move(taken));
    drawLabels(cr, plan, l, room);
    cairo_restore(cr);

    drawAxes(cr, l, plan.words, plan.words.axisX, plan.words.axisY);
    drawScaleBar(cr, l, plan.words);
    drawTitleLines(cr, plan.title, plan.subtitle, l);
    drawNorthArrow(cr, l, layout.northX, layout.northY, layout.northRadius, plan.north, plan.words);
    drawPlanKey(cr, sitePlanKey(plan), layout);
    cairo_restore(cr);
    return layout;
}

} // namespace kvarn
