#include "drawing/label_place.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kvarn {

bool boxesOverlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool boxInside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool segmentMeetsBox(const Rect& r, double x0, double y0, double x1, double y1) {
    // The segment clipped to the rectangle's slabs (Liang-Barsky) keeps a
    // piece.
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - r.x, r.x + r.width - x0, y0 - r.y, r.y + r.height - y0};
    double enter = 0, leave = 1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    return enter <= leave;
}

namespace {

// The places beside (x, y) a label of `width` x `height` may take, in the
// order they are tried.
std::array<Rect, 9> sides(double width, double height, double x, double y, double gap,
                          LabelSide first) {
    const Rect above{x - width / 2, y - gap - height, width, height};
    return {{
        first == LabelSide::above ? above : Rect{x + gap, y - height / 2, width, height},
        {x + gap, y - height / 2, width, height},
        {x - gap - width, y - height / 2, width, height},
        above,
        {x - width / 2, y + gap, width, height},
        {x + gap / 2, y - gap - height, width, height},
        {x + gap / 2, y + gap, width, height},
        {x - gap / 2 - width, y - gap - height, width, height},
        {x - gap / 2 - width, y + gap, width, height},
    }};
}

// What a label in `box` covers: 2 for any box of the room, 1 for any of its
// lines; kOutside when it leaves the room.
constexpr int kOutside = 4;
int cover(const Rect& box, const LabelRoom& room) {
    if (!boxInside(box, room.within)) return kOutside;
    const bool onBox = std::any_of(room.taken.begin(), room.taken.end(),
                                   [&](const Rect& t) { return boxesOverlap(box, t); });
    // A line may pass a little beside the letters without touching them.
    const double edge = 0.2 * box.height;
    const Rect wide{box.x - edge, box.y - edge, box.width + 2 * edge, box.height + 2 * edge};
    const bool onLine = std::any_of(room.lines.begin(), room.lines.end(), [&](const auto& s) {
        return segmentMeetsBox(wide, s[0], s[1], s[2], s[3]);
    });
    return 2 * onBox + onLine;
}

} // namespace

void drawLabelBeside(cairo_t* cr, const std::string& text, const TextStyle& style, double x,
                     double y, double gap, LabelRoom& room, LabelSide first) {
    const std::array<double, 2> point{x, y};
    drawLabelBesideOneOf(cr, text, style, {&point, 1}, gap, room, first);
}

void drawLabelBesideOneOf(cairo_t* cr, const std::string& text, const TextStyle& style,
                          std::span<const std::array<double, 2>> points, double gap,
                          LabelRoom& room, LabelSide first) {
    if (points.empty()) return;
    const double width = textWidth(cr, text, style);
    std::vector<std::array<Rect, 9>> places;
    for (const auto& [x, y] : points)
        places.push_back(sides(width, style.size, x, y, gap, first));
    // Each side at every point before the next side: the label keeps to
    // the side it prefers and moves along the points for it.
    const Rect* chosen = &places[0][0];
    int best = kOutside;
    for (std::size_t side = 0; side < places[0].size(); ++side)
        for (const auto& place : places)
            if (const int cost = cover(place[side], room); cost < best) {
                best = cost;
                chosen = &place[side];
            }
    TextStyle left = style;
    left.align = Align::Left;
    drawText(cr, text, chosen->x, middleBaseline(chosen->y + chosen->height / 2, chosen->height),
             left);
    room.taken.push_back(*chosen);
}

} // namespace kvarn
