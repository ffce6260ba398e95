#pragma once
// Text on a map: one sans-serif face, placed by an anchor point.

#include <cairo.h>
#include <string>

namespace kvarn {

enum class Align { Left, Centre, Right };

struct TextStyle {
    double size;
    bool bold = false;
    Align align = Align::Left;
    // Draws a white outline under the letters, so the text stays readable
    // over any colour of the map.
    bool halo = false;
};

// Draws `text` with its baseline at `y`; `x` is its left end, middle or right
// end, as the style's alignment says.
void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style);

// The advance width of `text` in the style's font.
double textWidth(cairo_t* cr, const std::string& text, const TextStyle& style);

// The baseline that centres a line of text of `size` on `y`.
inline double middleBaseline(double y, double size) {
    return y + 0.36 * size;
}

} // namespace kvarn
