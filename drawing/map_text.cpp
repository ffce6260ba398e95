#include "drawing/map_text.h"

namespace kvarn {

namespace {

void selectFont(cairo_t* cr, const TextStyle& style) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.size);
}

} // namespace

double textWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
    cairo_save(cr);
    selectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style) {
    cairo_save(cr);
    selectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    double left = x;
    if (style.align == Align::Centre) left = x - extents.x_advance / 2;
    if (style.align == Align::Right) left = x - extents.x_advance;
    cairo_move_to(cr, left, y);
    if (style.halo) {
        cairo_text_path(cr, text.c_str());
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 0.3 * style.size);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_move_to(cr, left, y);
    }
    // The letters themselves as text, so that a PDF or SVG keeps them
    // searchable, also over a halo.
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

} // namespace kvarn
