#include "drawing/plan_marks.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "drawing/map_cells.h"
#include "drawing/map_text.h"

namespace kvarn {

namespace {

void grey(cairo_t* cr, double level) {
    cairo_set_source_rgb(cr, level, level, level);
}

void circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * std::numbers::pi);
}

} // namespace

void outlinePath(cairo_t* cr, const PlanOutline& outline, const MapLayout& layout) {
    for (const std::vector<PlanPoint>& polygon : outline.polygons) {
        if (polygon.empty()) continue;
        cairo_new_sub_path(cr);
        for (const PlanPoint& p : polygon)
            cairo_line_to(cr, layout.toX(p.x), layout.toY(p.y));
        cairo_close_path(cr);
    }
}

void fillZone(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    grey(cr, kZoneGrey);
    cairo_fill(cr);
    cairo_restore(cr);
}

void fillBelowPublic(cairo_t* cr, const MapLayout& layout) {
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    grey(cr, kBelowPublicGrey);
    cairo_fill_preserve(cr);
    hatchPath(cr, layout); // clips with the same rule, so holes stay clear
    cairo_restore(cr);
}

void strokeZoneEdge(cairo_t* cr, const MapLayout& layout, bool largest) {
    cairo_save(cr);
    grey(cr, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (largest) {
        cairo_set_line_width(cr, 0.16 * layout.em);
    } else {
        const double dashes[] = {0.7 * layout.em, 0.4 * layout.em};
        cairo_set_dash(cr, dashes, 2, 0);
        cairo_set_line_width(cr, 0.1 * layout.em);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void strokeBoundary(cairo_t* cr, const MapLayout& layout) {
    cairo_save(cr);
    grey(cr, 0);
    cairo_set_line_width(cr, 0.3 * layout.em);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void strokePublicHeight(cairo_t* cr, const MapLayout& layout) {
    cairo_save(cr);
    grey(cr, 0);
    const double dashes[] = {1.2 * layout.em, 0.5 * layout.em};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 0.14 * layout.em);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawPlotExtentBar(cairo_t* cr, const MapLayout& layout, double x0, double x1, double y) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, y, x1 - x0, 0.5 * layout.em);
    grey(cr, 0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawPlaceMark(cairo_t* cr, const MapLayout& layout, double x, double y, bool over) {
    const double r = 0.45 * layout.em;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_line_width(cr, 0.12 * layout.em);
    if (over) {
        // A black disc in a ring, each in a white rim.
        circle(cr, x, y, 1.45 * r);
        grey(cr, 1);
        cairo_fill_preserve(cr);
        grey(cr, 0);
        cairo_stroke(cr);
        circle(cr, x, y, r);
        cairo_fill(cr);
    } else {
        circle(cr, x, y, r);
        grey(cr, 1);
        cairo_fill_preserve(cr);
        grey(cr, 0);
        cairo_stroke(cr);
        circle(cr, x, y, 0.3 * r);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawDimension(cairo_t* cr, const MapLayout& layout, double x0, double y0, double x1,
                   double y1) {
    const double em = layout.em;
    const double length = std::hypot(x1 - x0, y1 - y0);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (length < 0.3 * em) {
        circle(cr, x0, y0, 0.5 * em);
    } else {
        // The bars across the ends, half an em either side of the line.
        const double ux = (x1 - x0) / length, uy = (y1 - y0) / length;
        const double bar = 0.5 * em;
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        for (const auto& [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
            cairo_move_to(cr, x - uy * bar, y + ux * bar);
            cairo_line_to(cr, x + uy * bar, y - ux * bar);
        }
    }
    grey(cr, 1);
    cairo_set_line_width(cr, 0.4 * em);
    cairo_stroke_preserve(cr);
    grey(cr, 0);
    cairo_set_line_width(cr, 0.14 * em);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawNorthArrow(cairo_t* cr, const MapLayout& layout, double x, double y, double radius,
                    double north, const DrawingWords& words) {
    // Clockwise on the page, whose y grows downwards: up is (0, -1).
    const double angle = north * std::numbers::pi / 180;
    const double dx = std::sin(angle), dy = -std::cos(angle); // towards north
    const double px = -dy, py = dx;                           // a quarter turn clockwise
    const double half = 0.35 * radius;
    cairo_save(cr);
    cairo_set_line_width(cr, 0.08 * layout.em);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double tips[] = {1, -1}; // the head, then the tail
    for (const double t : tips) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + t * dx * radius, y + t * dy * radius);
        cairo_line_to(cr, x + px * half, y + py * half);
        cairo_line_to(cr, x - px * half, y - py * half);
        cairo_close_path(cr);
        grey(cr, t > 0 ? 0 : 1);
        cairo_fill_preserve(cr);
        grey(cr, 0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    const double size = 1.1 * layout.em;
    const double gap = radius + 0.8 * layout.em;
    drawText(cr, words.north, x + dx * gap, middleBaseline(y + dy * gap, size),
             {size, true, Align::Centre});
}

std::string marginLabel(double metres, const DrawingWords& words) {
    const double size = std::abs(metres);
    if (size < 0.005) return metres < 0 ? words.crossesBoundary : words.touchesBoundary;
    const std::string value = fixedNumber(size, size < 0.995 ? 2 : 1, words);
    return fillPattern(metres < 0 ? words.crossesBy : words.margin, {{"margin", value}});
}

std::string placeLabel(const std::string& name, double z, bool height, bool over,
                       const DrawingWords& words) {
    std::string label = name;
    if (height)
        label =
            fillPattern(words.placeAtHeight, {{"place", name}, {"height", shortNumber(z, words)}});
    if (over) label = fillPattern(words.placeOverLimit, {{"place", label}});
    return label;
}

} // namespace kvarn
