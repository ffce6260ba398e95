#include "drawing/map_frame.h"

#include <algorithm>
#include <numbers>
#include <string>
#include <vector>

#include "drawing/map_text.h"
#include "drawing/ticks.h"

namespace kvarn {

namespace {

// The number of ticks that leaves room for labels of about `labelEms` em.
int tickRoom(double length, double em, double labelEms) {
    return std::max(2, static_cast<int>(length / (labelEms * em)));
}

} // namespace

void drawTitle(cairo_t* cr, const FieldMap& map, const MapLayout& layout) {
    drawTitleLines(cr, map.title, map.limitLine, layout);
}

void drawTitleLines(cairo_t* cr, const std::string& title, const std::string& second,
                    const MapLayout& layout) {
    // A line longer than the map is wide is set smaller, not cut off.
    auto fitted = [&](const std::string& text, TextStyle style) {
        const double width = textWidth(cr, text, style);
        if (width > layout.titleWidth) style.size *= layout.titleWidth / width;
        return style;
    };
    drawText(cr, title, layout.titleX, layout.titleY, fitted(title, {1.25 * layout.em, true}));
    drawText(cr, second, layout.titleX, layout.titleY + 1.6 * layout.em,
             fitted(second, {layout.em}));
}

void drawAxes(cairo_t* cr, const MapLayout& layout, const DrawingWords& words,
              const std::string& across, const std::string& up) {
    const Rect& p = layout.plot;
    const double em = layout.em;
    const double tick = 0.4 * em;
    const TextStyle label{0.85 * em, false, Align::Centre};

    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 0.08 * em);
    cairo_rectangle(cr, p.x, p.y, p.width, p.height);
    cairo_stroke(cr);

    // Ticks first, then their labels: drawing text starts a new path.
    const double right = layout.left + p.width / layout.scale;
    const double xStep = niceStep(p.width / layout.scale, tickRoom(p.width, em, 4.5));
    const std::vector<double> xTicks = tickValues(layout.left, right, xStep);
    const double bottom = layout.top - p.height / layout.scale;
    const double yStep = niceStep(p.height / layout.scale, tickRoom(p.height, em, 2.5));
    const std::vector<double> yTicks = tickValues(bottom, layout.top, yStep);
    for (double x : xTicks) {
        cairo_move_to(cr, layout.toX(x), p.y + p.height);
        cairo_rel_line_to(cr, 0, tick);
    }
    for (double y : yTicks) {
        cairo_move_to(cr, p.x, layout.toY(y));
        cairo_rel_line_to(cr, -tick, 0);
    }
    cairo_stroke(cr);
    for (double x : xTicks)
        drawText(cr, decimalMark(tickLabel(x, xStep), words), layout.toX(x),
                 p.y + p.height + tick + 1.0 * em, label);
    for (double y : yTicks)
        drawText(cr, decimalMark(tickLabel(y, yStep), words), p.x - tick - 0.3 * em,
                 middleBaseline(layout.toY(y), label.size), {label.size, false, Align::Right});

    drawText(cr, across, p.x + p.width / 2, p.y + p.height + tick + 2.4 * em,
             {em, false, Align::Centre});
    cairo_save(cr);
    cairo_translate(cr, p.x - 4.6 * em, p.y + p.height / 2);
    cairo_rotate(cr, -std::numbers::pi / 2);
    drawText(cr, up, 0, 0, {em, false, Align::Centre});
    cairo_restore(cr);
    cairo_restore(cr);
}

void drawScaleBar(cairo_t* cr, const MapLayout& layout, const DrawingWords& words) {
    const double em = layout.em;
    const double metres = niceFloor(layout.plot.width / layout.scale / 4);
    const double length = metres * layout.scale;
    const double x = layout.plot.x;
    const double y = layout.plot.y + layout.plot.height + 4.0 * em;
    const double h = 0.45 * em;

    cairo_save(cr);
    cairo_set_line_width(cr, 0.08 * em);
    cairo_set_source_rgb(cr, 0, 0, 0);
    // Two halves, black and white, so the bar reads as a ruler.
    cairo_rectangle(cr, x, y, length / 2, h);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, length, h);
    cairo_stroke(cr);
    cairo_restore(cr);
    const std::string label = decimalMark(tickLabel(metres, metres), words);
    drawText(cr, fillPattern(words.scaleBar, {{"length", label}}), x + length + 0.6 * em,
             middleBaseline(y + h / 2, em), {em});
}

} // namespace kvarn
