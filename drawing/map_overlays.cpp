#include "drawing/map_overlays.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "drawing/colour_scale.h"
#include "drawing/contour.h"
#include "drawing/label_place.h"
#include "drawing/map_text.h"

namespace kvarn {

namespace {

// em: half the side of the feed's square.
constexpr double kFeedHalf = 0.32;

// Whether `r`, with room for the wire's white edge, lies over the wire.
bool overWire(const Rect& r, std::span<const WirePoint> corners, const MapLayout& layout) {
    const double edge = 0.2 * layout.em;
    const Rect wide{r.x - edge, r.y - edge, r.width + 2 * edge, r.height + 2 * edge};
    for (std::size_t i = 1; i < corners.size(); ++i)
        if (segmentMeetsBox(wide, layout.toX(corners[i - 1].x), layout.toY(corners[i - 1].y),
                            layout.toX(corners[i].x), layout.toY(corners[i].y)))
            return true;
    return false;
}

// Whether `r` lies over the map's wire or one of its antennas.
bool overWires(const Rect& r, const FieldMap& map, const MapLayout& layout) {
    if (overWire(r, map.corners, layout)) return true;
    return std::any_of(map.antennas.begin(), map.antennas.end(),
                       [&](const AntennaWire& a) { return overWire(r, a.corners, layout); });
}

// Strokes the path twice with round ends, wide in one grey and narrow over
// it in another, so that it shows on any colour and in black and white.
void strokeTwice(cairo_t* cr, double outerGrey, double outerWidth, double innerGrey,
                 double innerWidth) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgb(cr, outerGrey, outerGrey, outerGrey);
    cairo_set_line_width(cr, outerWidth);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgb(cr, innerGrey, innerGrey, innerGrey);
    cairo_set_line_width(cr, innerWidth);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void strokeContourStyle(cairo_t* cr, const MapLayout& layout) {
    strokeTwice(cr, 0, 0.45 * layout.em, 1, 0.22 * layout.em); // white with black edges
}

void drawLimitContour(cairo_t* cr, const FieldMap& map, const MapLayout& layout) {
    const std::vector<Segment> segments = contourSegments(map, kLimitPercent);
    if (segments.empty()) return;
    // One path for all pieces: the round caps then join them without the
    // black edge of one piece showing over the white of the next.
    cairo_new_path(cr);
    for (const Segment& s : segments) {
        cairo_move_to(cr, layout.toX(s.x0), layout.toY(s.y0));
        cairo_line_to(cr, layout.toX(s.x1), layout.toY(s.y1));
    }
    strokeContourStyle(cr, layout);
}

void drawCornerDot(cairo_t* cr, const MapLayout& layout, double x, double y) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, 0.28 * layout.em, 0, 2 * std::numbers::pi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 0.12 * layout.em);
    cairo_stroke(cr);
}

void drawFeedMark(cairo_t* cr, const MapLayout& layout, double x, double y) {
    const double half = kFeedHalf * layout.em;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, x - half, y - half, 2 * half, 2 * half);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 0.1 * layout.em);
    cairo_stroke(cr);
    cairo_restore(cr);
}

std::vector<Rect> drawWires(cairo_t* cr, const FieldMap& map, const MapLayout& layout) {
    std::vector<Rect> taken = drawWire(cr, map.corners, map.feed, layout, map.words);
    for (const AntennaWire& antenna : map.antennas) {
        const std::vector<Rect> boxes =
            drawWire(cr, antenna.corners, antenna.feed, layout, map.words);
        taken.insert(taken.end(), boxes.begin(), boxes.end());
    }
    return taken;
}

std::vector<Rect> drawWire(cairo_t* cr, std::span<const WirePoint> corners,
                           const std::optional<WirePoint>& feed, const MapLayout& layout,
                           const DrawingWords& words, bool heights) {
    std::vector<Rect> taken;
    if (corners.empty()) return taken;
    cairo_save(cr);
    cairo_new_path(cr);
    for (const WirePoint& p : corners)
        cairo_line_to(cr, layout.toX(p.x), layout.toY(p.y));
    strokeTwice(cr, 1, 0.36 * layout.em, 0, 0.14 * layout.em); // black in a white halo

    const TextStyle style{0.85 * layout.em, false, Align::Left, true};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const double x = layout.toX(corners[i].x);
        const double y = layout.toY(corners[i].y);
        drawCornerDot(cr, layout, x, y);
        const double dot = 0.35 * layout.em;
        taken.push_back({x - dot, y - dot, 2 * dot, 2 * dot});
        if (!heights) continue;
        // Corners above one another (a vertical wire) stack their labels.
        int below = 0;
        for (std::size_t j = 0; j < i; ++j)
            if (std::hypot(layout.toX(corners[j].x) - x, layout.toY(corners[j].y) - y) <
                0.5 * layout.em)
                ++below;
        const std::string label = heightLabel(corners[i].z, words);
        const double baseline = y - 0.4 * layout.em + below * 1.1 * style.size;
        drawText(cr, label, x + 0.5 * layout.em, baseline, style);
        taken.push_back({x + 0.5 * layout.em, baseline - 0.8 * style.size,
                         textWidth(cr, label, style), style.size});
    }
    if (feed) {
        // A black square in a white rim, marked "feed" below it.
        const double x = layout.toX(feed->x), y = layout.toY(feed->y);
        const double half = kFeedHalf * layout.em;
        drawFeedMark(cr, layout, x, y);
        const TextStyle below{0.85 * layout.em, false, Align::Centre, true};
        const double baseline = y + half + 1.1 * below.size;
        drawText(cr, words.feed, x, baseline, below);
        const double width = textWidth(cr, words.feed, below);
        taken.push_back({x - half, y - half, 2 * half, 2 * half});
        taken.push_back({x - width / 2, baseline - 0.8 * below.size, width, below.size});
    }
    cairo_restore(cr);
    return taken;
}

void addWireLines(LabelRoom& room, std::span<const WirePoint> corners, const MapLayout& layout) {
    for (std::size_t i = 1; i < corners.size(); ++i)
        room.lines.push_back({layout.toX(corners[i - 1].x), layout.toY(corners[i - 1].y),
                              layout.toX(corners[i].x), layout.toY(corners[i].y)});
}

void drawWireName(cairo_t* cr, const std::string& name, std::span<const WirePoint> corners,
                  const MapLayout& layout, LabelRoom& room) {
    if (name.empty() || corners.empty()) return;
    // The stretches, longest first: a long stretch has room for the name
    // along it, clear of the corners' labels at its ends. Each offers its
    // middle, then the points a quarter from either end, where a feed in
    // the middle leaves room.
    struct Stretch {
        double length, x0, y0, x1, y1;
    };
    std::vector<Stretch> stretches;
    for (std::size_t i = 1; i < corners.size(); ++i) {
        const double x0 = layout.toX(corners[i - 1].x), y0 = layout.toY(corners[i - 1].y);
        const double x1 = layout.toX(corners[i].x), y1 = layout.toY(corners[i].y);
        stretches.push_back({std::hypot(x1 - x0, y1 - y0), x0, y0, x1, y1});
    }
    std::stable_sort(stretches.begin(), stretches.end(),
                     [](const Stretch& a, const Stretch& b) { return a.length > b.length; });
    std::vector<std::array<double, 2>> points;
    for (const Stretch& s : stretches)
        for (const double t : {0.5, 0.25, 0.75})
            points.push_back({s.x0 + t * (s.x1 - s.x0), s.y0 + t * (s.y1 - s.y0)});
    if (points.empty()) points.push_back({layout.toX(corners[0].x), layout.toY(corners[0].y)});
    const TextStyle style{0.85 * layout.em, true, Align::Left, true};
    drawLabelBesideOneOf(cr, name, style, points, 0.6 * layout.em, room, LabelSide::above);
}

void drawMaximumSymbol(cairo_t* cr, const MapLayout& layout, double x, double y) {
    const double r = 0.5 * layout.em;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - r);
    cairo_line_to(cr, x + 0.87 * r, y + 0.5 * r);
    cairo_line_to(cr, x - 0.87 * r, y + 0.5 * r);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 0.12 * layout.em);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

std::vector<Rect> drawMaximum(cairo_t* cr, const FieldMap& map, const MapLayout& layout,
                              const std::vector<Rect>& taken) {
    if (!std::isfinite(map.maxPercent)) return {};
    const double x = layout.toX(map.maxX);
    const double y = layout.toY(map.maxY);
    drawMaximumSymbol(cr, layout, x, y);

    const std::string label = maximumLabel(map.maxPercent, map.words);
    const TextStyle style{layout.em, true, Align::Left, true};
    const double width = textWidth(cr, label, style);
    const double height = style.size;
    const double gap = 0.8 * layout.em;
    // Right, left, then the four corners around the symbol.
    const Rect candidates[] = {
        {x + gap, y - height / 2, width, height},
        {x - gap - width, y - height / 2, width, height},
        {x + gap / 2, y - gap - height, width, height},
        {x + gap / 2, y + gap, width, height},
        {x - gap / 2 - width, y - gap - height, width, height},
        {x - gap / 2 - width, y + gap, width, height},
    };
    // The first place inside the plot that keeps clear of the corner labels
    // and of the wire; failing that, of the labels at least.
    const Rect* chosen = &candidates[0];
    int best = 4;
    for (const Rect& c : candidates) {
        if (!boxInside(c, layout.plot)) continue;
        const bool onLabel = std::any_of(taken.begin(), taken.end(),
                                         [&](const Rect& t) { return boxesOverlap(c, t); });
        const int cost = 2 * onLabel + overWires(c, map, layout);
        if (cost < best) {
            best = cost;
            chosen = &c;
        }
    }
    drawText(cr, label, chosen->x, middleBaseline(chosen->y + height / 2, height), style);
    const double r = 0.6 * layout.em;
    return {{x - r, y - r, 2 * r, 2 * r}, *chosen};
}

std::string maximumLabel(double percent, const DrawingWords& words) {
    const std::string value = fixedNumber(percent, percent < 9.95 ? 1 : 0, words);
    return fillPattern(words.maximum, {{"percent", value}});
}

std::string heightLabel(double z, const DrawingWords& words) {
    return fillPattern(words.cornerHeight, {{"height", shortNumber(z, words)}});
}

} // namespace kvarn
