#include "drawing/label_place.h"

#include <algorithm>

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

void drawLabelBeside(cairo_t* cr, const std::string& text, const TextStyle& style, double x,
                     double y, double gap, LabelRoom& room, LabelSide first) {
    const double width = textWidth(cr, text, style);
    const double height = style.size;
    const Rect above{x - width / 2, y - gap - height, width, height};
    const Rect candidates[] = {
        first == LabelSide::above ? above : Rect{x + gap, y - height / 2, width, height},
        {x + gap, y - height / 2, width, height},
        {x - gap - width, y - height / 2, width, height},
        above,
        {x - width / 2, y + gap, width, height},
        {x + gap / 2, y - gap - height, width, height},
        {x + gap / 2, y + gap, width, height},
        {x - gap / 2 - width, y - gap - height, width, height},
        {x - gap / 2 - width, y + gap, width, height},
    };
    // A line may pass a little beside the letters without touching them.
    const double edge = 0.2 * height;
    const Rect* chosen = &candidates[0];
    int best = 4;
    for (const Rect& c : candidates) {
        if (!boxInside(c, room.within)) continue;
        const bool onBox = std::any_of(room.taken.begin(), room.taken.end(),
                                       [&](const Rect& t) { return boxesOverlap(c, t); });
        const Rect wide{c.x - edge, c.y - edge, c.width + 2 * edge, c.height + 2 * edge};
        const bool onLine = std::any_of(room.lines.begin(), room.lines.end(), [&](const auto& s) {
            return segmentMeetsBox(wide, s[0], s[1], s[2], s[3]);
        });
        const int cost = 2 * onBox + onLine;
        if (cost < best) {
            best = cost;
            chosen = &c;
        }
    }
    TextStyle left = style;
    left.align = Align::Left;
    drawText(cr, text, chosen->x, middleBaseline(chosen->y + height / 2, height), left);
    room.taken.push_back(*chosen);
}

} // namespace kvarn
