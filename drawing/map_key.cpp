#include "drawing/map_key.h"

#include <cmath>
#include <string>

#include "drawing/colour_scale.h"
#include "drawing/map_cells.h"
#include "drawing/map_overlays.h"
#include "drawing/map_text.h"
#include "drawing/viridis_table.h"

namespace kvarn {

namespace {

double barY(const Rect& bar, double percent) {
    return bar.y + bar.height * (1 - scalePosition(percent));
}

} // namespace

void drawColourBar(cairo_t* cr, const MapLayout& layout, const DrawingWords& words) {
    const Rect& bar = layout.colourBar;
    const double em = layout.em;

    // A gradient through every table entry, bottom to top.
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, bar.y + bar.height, 0, bar.y);
    const double last = static_cast<double>(kViridis.size() - 1);
    for (std::size_t i = 0; i < kViridis.size(); ++i) {
        const Rgb c = kViridis[i];
        cairo_pattern_add_color_stop_rgb(gradient, static_cast<double>(i) / last, c.r / 255.0,
                                         c.g / 255.0, c.b / 255.0);
    }
    cairo_save(cr);
    cairo_rectangle(cr, bar.x, bar.y, bar.width, bar.height);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 0.08 * em);
    cairo_stroke(cr);

    // Long ticks on the decades, short ones on 2 to 9 times a decade.
    const double right = bar.x + bar.width;
    for (double decade = kScaleBottomPercent; decade < kScaleTopPercent * 1.01; decade *= 10)
        for (int m = 1; m <= 9 && decade * m <= kScaleTopPercent * 1.01; ++m) {
            cairo_move_to(cr, right, barY(bar, decade * m));
            cairo_rel_line_to(cr, (m == 1 ? 0.5 : 0.25) * em, 0);
        }
    cairo_stroke(cr);

    // The limit: a line across the bar in the contour's style.
    const double limitY = barY(bar, kLimitPercent);
    cairo_move_to(cr, bar.x - 0.3 * em, limitY);
    cairo_line_to(cr, right + 0.5 * em, limitY);
    strokeContourStyle(cr, layout);
    cairo_restore(cr);

    const double labelX = right + 0.8 * em;
    for (double decade = kScaleBottomPercent; decade < kScaleTopPercent * 1.01; decade *= 10) {
        if (decade == kLimitPercent) continue;
        const std::string percent = std::to_string(static_cast<int>(std::lround(decade)));
        drawText(cr, fillPattern(words.percentTick, {{"percent", percent}}), labelX,
                 middleBaseline(barY(bar, decade), 0.85 * em), {0.85 * em});
    }
    drawText(cr, words.limitMark, labelX, middleBaseline(limitY, em), {em, true});
    drawText(cr, words.colourScale, bar.x, bar.y - 0.9 * em, {0.85 * em});
}

void drawLegend(cairo_t* cr, const MapLayout& layout, const DrawingWords& words) {
    const double em = layout.em;
    const double x = layout.legendX;
    const double textX = x + 2.6 * em;
    const double line = 1.6 * em;
    const TextStyle text{0.85 * em};
    double y = layout.legendY;

    cairo_save(cr);
    cairo_move_to(cr, x, y);
    cairo_rel_line_to(cr, 2 * em, 0);
    strokeContourStyle(cr, layout);
    drawText(cr, words.limitContour, textX, middleBaseline(y, text.size), text);

    y += line;
    cairo_move_to(cr, x, y);
    cairo_rel_line_to(cr, 2 * em, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 0.14 * em);
    cairo_stroke(cr);
    drawCornerDot(cr, layout, x + 2 * em, y);
    drawText(cr, words.wireWithHeights, textX, middleBaseline(y, text.size), text);

    y += line;
    const Rect box{x + 0.2 * em, y - 0.6 * em, 1.6 * em, 1.2 * em};
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    cairo_set_source_rgb(cr, kTooCloseFill.r / 255.0, kTooCloseFill.g / 255.0,
                         kTooCloseFill.b / 255.0);
    cairo_fill(cr);
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    hatchPath(cr, layout);
    drawText(cr, words.tooClose, textX, middleBaseline(y, text.size), text);

    y += line;
    drawMaximumSymbol(cr, layout, x + em, y);
    drawText(cr, words.highestValue, textX, middleBaseline(y, text.size), text);
    cairo_restore(cr);
}

} // namespace kvarn
