#include "drawing/draw_side_view.h"

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

PlanOutline zoneOutline(const SideView& view) {
    PlanOutline outline;
    for (const auto& polygon : view.zone) {
        outline.polygons.emplace_back();
        for (const SidePoint& p : polygon)
            outline.polygons.back().push_back({p.across, p.up});
    }
    return outline;
}

// A wire of the view as the drawing of wires takes it: across for x, up for
// y (and for the height, which a side view does not print).
std::vector<WirePoint> viewWire(const std::vector<SidePoint>& corners) {
    std::vector<WirePoint> wire;
    for (const SidePoint& p : corners)
        wire.push_back({p.across, p.up, p.up});
    return wire;
}

// The stretches across (in drawing units) where the public height applies:
// either side of the own plot, or all of the view without one.
std::vector<std::pair<double, double>> publicStretches(const SideView& view, const MapLayout& l) {
    const double left = l.plot.x, right = l.plot.x + l.plot.width;
    if (!view.plotExtent) return {{left, right}};
    const double from = std::clamp(l.toX(view.plotExtent->first), left, right);
    const double to = std::clamp(l.toX(view.plotExtent->second), left, right);
    std::vector<std::pair<double, double>> stretches;
    if (from > left) stretches.push_back({left, from});
    if (to < right) stretches.push_back({to, right});
    return stretches;
}

// The ground: a light band below a thick line at 0 m, the own plot's extent
// as a bar under the line and dotted lines up from its ends.
void drawGround(cairo_t* cr, const SideView& view, const MapLayout& l) {
    const double ground = l.toY(0);
    const double left = l.plot.x, right = l.plot.x + l.plot.width;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, left, ground, l.plot.width, l.plot.y + l.plot.height - ground);
    cairo_set_source_rgb(cr, kGroundGrey, kGroundGrey, kGroundGrey);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    if (view.plotExtent) {
        const double dots[] = {0.15 * l.em, 0.35 * l.em};
        cairo_set_dash(cr, dots, 2, 0);
        cairo_set_line_width(cr, 0.08 * l.em);
        for (const double x : {view.plotExtent->first, view.plotExtent->second}) {
            cairo_move_to(cr, l.toX(x), ground);
            cairo_line_to(cr, l.toX(x), l.plot.y);
        }
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    cairo_set_line_width(cr, 0.2 * l.em);
    cairo_move_to(cr, left, ground);
    cairo_line_to(cr, right, ground);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (view.plotExtent)
        drawPlotExtentBar(cr, l, l.toX(view.plotExtent->first), l.toX(view.plotExtent->second),
                          ground + 0.1 * l.em);
}

// The public height's line where it applies, named above its first stretch
// that has room for the name.
void drawPublicHeight(cairo_t* cr, const SideView& view, const MapLayout& l, LabelRoom& room) {
    const double y = l.toY(view.publicHeight);
    const std::vector<std::pair<double, double>> stretches = publicStretches(view, l);
    cairo_new_path(cr);
    for (const auto& [from, to] : stretches) {
        cairo_move_to(cr, from, y);
        cairo_line_to(cr, to, y);
        room.lines.push_back({from, y, to, y});
    }
    strokePublicHeight(cr, l);
    const std::string name = fillPattern(view.words.publicHeight,
                                         {{"height", shortNumber(view.publicHeight, view.words)}});
    const TextStyle style{0.85 * l.em, false, Align::Left, true};
    const double width = textWidth(cr, name, style);
    for (const auto& [from, to] : stretches)
        if (to - from > width + l.em) {
            drawText(cr, name, from + 0.5 * l.em, y - 0.45 * l.em, style);
            room.taken.push_back(
                {from + 0.5 * l.em, y - 0.45 * l.em - 0.8 * style.size, width, style.size});
            return;
        }
}

} // namespace

PlanLayout layoutSideView(const SideView& view, const Rect& area) {
    return layoutPlan(sideViewExtent(view), keyLines(sideViewKey(view)), false, area);
}

PlanLayout drawSideView(cairo_t* cr, const SideView& view, const Rect& area) {
    if (const std::string problem = sideViewProblem(view); !problem.empty())
        throw std::invalid_argument("cannot draw the side view \"" + view.title + "\": " + problem);
    const PlanLayout layout = layoutSideView(view, area);
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
    const PlanOutline zone = zoneOutline(view);
    outlinePath(cr, zone, l);
    fillZone(cr);
    outlinePath(cr, zone, l);
    strokeZoneEdge(cr, l, true);
    drawGround(cr, view, l);
    LabelRoom room{l.plot, {}, {{l.plot.x, l.toY(0), l.plot.x + l.plot.width, l.toY(0)}}};
    drawPublicHeight(cr, view, l, room);
    // The wires in the view's coordinates.
    const std::vector<WirePoint> wire = viewWire(view.wire);
    std::vector<std::vector<WirePoint>> antennas;
    for (const SideAntenna& antenna : view.antennas)
        antennas.push_back(viewWire(antenna.corners));
    auto drawOne = [&](const std::vector<WirePoint>& corners,
                       const std::optional<SidePoint>& feed) {
        const std::optional<WirePoint> at =
            feed ? std::optional(WirePoint{feed->across, feed->up, feed->up}) : std::nullopt;
        const std::vector<Rect> boxes = drawWire(cr, corners, at, l, view.words, false);
        room.taken.insert(room.taken.end(), boxes.begin(), boxes.end());
        addWireLines(room, corners, l);
    };
    drawOne(wire, view.feed);
    for (std::size_t k = 0; k < antennas.size(); ++k)
        drawOne(antennas[k], view.antennas[k].feed);
    for (const SidePlace& p : view.places) {
        const double x = l.toX(p.at.across), y = l.toY(p.at.up), r = 0.7 * l.em;
        drawPlaceMark(cr, l, x, y, p.over);
        room.taken.push_back({x - r, y - r, 2 * r, 2 * r});
    }
    const TextStyle plain{0.85 * l.em, false, Align::Left, true};
    for (const SidePlace& p : view.places)
        drawLabelBeside(cr, placeLabel(p.name, p.at.up, false, p.over, view.words), plain,
                        l.toX(p.at.across), l.toY(p.at.up), 0.9 * l.em, room);
    for (std::size_t k = 0; k < antennas.size(); ++k)
        drawWireName(cr, view.antennas[k].name, antennas[k], l, room);
    cairo_restore(cr);

    const DrawingWords& words = view.words;
    drawAxes(cr, l, words, view.axis == SideAxis::alongX ? words.axisY : words.axisX, words.axisZ);
    drawScaleBar(cr, l, words);
    drawTitleLines(cr, view.title, view.subtitle, l);
    drawPlanKey(cr, sideViewKey(view), layout);
    cairo_restore(cr);
    return layout;
}

} // namespace kvarn
