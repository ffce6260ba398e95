#include "drawing/plan_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarn {

namespace {

// Room around the plot, in em: title above, tick labels and axis name to the
// left, tick labels, axis name and scale bar below.
constexpr double kMargin = 1.0;
constexpr double kAbove = 5.0;
constexpr double kLeft = 5.5;
constexpr double kBelow = 6.0;
// The key beside the plot: the gap to it and its width.
constexpr double kBesideGap = 2.5;
constexpr double kBesideWidth = 15.0;
// The key below the plot: room on the right for the last tick label, and
// the north arrow's room at the key's right end.
constexpr double kBelowRight = 1.0;
constexpr double kNorthRoom = 6.0;
// The north arrow: its half length, and its centre below the plot's top
// edge, which leaves room for the "N" above its tip.
constexpr double kNorthRadius = 2.0;
constexpr double kNorthDrop = 3.0;
// Entries below the plot share two columns from this many on.
constexpr std::size_t kTwoColumnsFrom = 4;
// A key entry of one line, and each further line of its text.
constexpr double kKeyEntry = 1.6;
constexpr double kKeyLine = 1.05;

// m: the least span a drawing shows, so that a lone point has a scale, and
// the room around what it shows: a share of the larger span, at least kPad.
constexpr double kLeastSpan = 5.0;
constexpr double kPad = 1.0;
constexpr double kPadShare = 0.06;

struct Bounds {
    double left = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();
    void add(double x, double y) {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    bool empty() const { return left > right; }
};

// Widens each direction to the least span around its middle, then pads all
// four sides alike, so that the scale is the same both ways.
PlanExtent padded(const Bounds& b) {
    auto widen = [](double& low, double& high) {
        if (high - low >= kLeastSpan) return;
        const double middle = (low + high) / 2;
        low = middle - kLeastSpan / 2;
        high = middle + kLeastSpan / 2;
    };
    PlanExtent e{b.left, b.right, b.bottom, b.top};
    widen(e.left, e.right);
    widen(e.bottom, e.top);
    const double pad = std::max(kPad, kPadShare * std::max(e.right - e.left, e.top - e.bottom));
    return {e.left - pad, e.right + pad, e.bottom - pad, e.top + pad};
}

struct Choice {
    PlanLayout layout;
    double scale = 0;
};

// The plot of `extent` at the largest scale that fits `width` x `height`,
// its top left corner at (x, y).
void placePlot(MapLayout& l, const PlanExtent& extent, double x, double y, double width,
               double height) {
    const double spanX = extent.right - extent.left;
    const double spanY = extent.top - extent.bottom;
    l.scale = std::min(width / spanX, height / spanY);
    l.plot = {x, y, spanX * l.scale, spanY * l.scale};
    l.left = extent.left;
    l.top = extent.top;
}

double keysHeight(const std::vector<int>& lines, std::size_t from, std::size_t to, double em) {
    double height = 0;
    for (std::size_t k = from; k < to; ++k)
        height += keyEntryHeight(lines[k], em);
    return height;
}

Choice beside(const PlanExtent& extent, const std::vector<int>& lines, bool north, const Rect& area,
              double em) {
    PlanLayout p;
    MapLayout& l = p.frame;
    l.em = em;
    const double width =
        std::max(em, area.width - (2 * kMargin + kLeft + kBesideGap + kBesideWidth) * em);
    const double height = std::max(em, area.height - (2 * kMargin + kAbove + kBelow) * em);
    placePlot(l, extent, area.x + (kMargin + kLeft) * em, area.y + (kMargin + kAbove) * em, width,
              height);
    // A plot narrower than its room leaves the rest to the key.
    p.keyX = l.plot.x + l.plot.width + kBesideGap * em;
    p.keyWidth = area.x + area.width - kMargin * em - p.keyX;
    p.keySplit = lines.size();
    p.keyY = l.plot.y;
    if (north) {
        p.northRadius = kNorthRadius * em;
        p.northX = p.keyX + (kNorthDrop - 0.5) * em;
        p.northY = l.plot.y + kNorthDrop * em;
        p.keyY = p.northY + (kNorthRadius + 1.5) * em;
    }
    const double keyBottom = p.keyY + keysHeight(lines, 0, lines.size(), em);
    l.bottom = std::max(l.plot.y + l.plot.height + kBelow * em, keyBottom) + kMargin * em;
    return {p, l.scale};
}

Choice below(const PlanExtent& extent, const std::vector<int>& lines, bool north, const Rect& area,
             double em) {
    PlanLayout p;
    MapLayout& l = p.frame;
    l.em = em;
    // Two columns from a few entries on, split where the taller is lowest.
    const std::size_t n = lines.size();
    p.keySplit = n;
    double keyHeight = keysHeight(lines, 0, n, em);
    if (n >= kTwoColumnsFrom)
        for (std::size_t k = 1; k < n; ++k) {
            const double taller =
                std::max(keysHeight(lines, 0, k, em), keysHeight(lines, k, n, em));
            if (taller < keyHeight) {
                keyHeight = taller;
                p.keySplit = k;
            }
        }
    if (north) keyHeight = std::max(keyHeight, kNorthRoom * em);
    const double x = area.x + (kMargin + kLeft) * em;
    const double width = std::max(em, area.width - (2 * kMargin + kLeft + kBelowRight) * em);
    const double height =
        std::max(em, area.height - (2 * kMargin + kAbove + kBelow) * em - keyHeight);
    placePlot(l, extent, x, area.y + (kMargin + kAbove) * em, width, height);
    p.keyX = x;
    p.keyY = l.plot.y + l.plot.height + kBelow * em;
    p.keyWidth = (width - (north ? kNorthRoom * em : 0.0)) / (p.keySplit < n ? 2 : 1);
    if (north) {
        p.northRadius = kNorthRadius * em;
        p.northX = x + width - kNorthRoom * em / 2;
        p.northY = p.keyY + kNorthRoom * em / 2;
    }
    l.bottom = p.keyY + keyHeight + kMargin * em;
    return {p, l.scale};
}

} // namespace

PlanExtent sitePlanExtent(const SitePlan& plan) {
    Bounds b;
    for (const PlanPoint& p : plan.boundary)
        b.add(p.x, p.y);
    for (const WirePoint& p : plan.wire)
        b.add(p.x, p.y);
    if (plan.feed) b.add(plan.feed->x, plan.feed->y);
    for (const AntennaWire& antenna : plan.antennas) {
        for (const WirePoint& p : antenna.corners)
            b.add(p.x, p.y);
        if (antenna.feed) b.add(antenna.feed->x, antenna.feed->y);
    }
    for (const PlanZone& zone : plan.zones)
        for (const PlanOutline* outline : {&zone.whole, &zone.belowPublic})
            for (const auto& polygon : outline->polygons)
                for (const PlanPoint& p : polygon)
                    b.add(p.x, p.y);
    for (const PlanPlace& p : plan.places)
        b.add(p.x, p.y);
    if (plan.margin) {
        b.add(plan.margin->first.x, plan.margin->first.y);
        b.add(plan.margin->second.x, plan.margin->second.y);
    }
    if (b.empty()) b.add(0, 0);
    return padded(b);
}

PlanExtent sideViewExtent(const SideView& view) {
    // The ground and the public height are always in the picture.
    Bounds b;
    b.add(0, 0);
    b.bottom = 0;
    b.top = view.publicHeight;
    Bounds across;
    for (const auto& polygon : view.zone)
        for (const SidePoint& p : polygon)
            across.add(p.across, p.up);
    for (const SidePoint& p : view.wire)
        across.add(p.across, p.up);
    if (view.feed) across.add(view.feed->across, view.feed->up);
    for (const SideAntenna& antenna : view.antennas) {
        for (const SidePoint& p : antenna.corners)
            across.add(p.across, p.up);
        if (antenna.feed) across.add(antenna.feed->across, antenna.feed->up);
    }
    for (const SidePlace& p : view.places)
        across.add(p.at.across, p.at.up);
    if (view.plotExtent) {
        across.add(view.plotExtent->first, 0);
        across.add(view.plotExtent->second, 0);
    }
    if (!across.empty()) {
        b.left = across.left;
        b.right = across.right;
        b.top = std::max(b.top, across.top);
        b.bottom = std::min(b.bottom, across.bottom);
    }
    return padded(b);
}

double keyEntryHeight(int lines, double em) {
    return (kKeyEntry + kKeyLine * std::max(0, lines - 1)) * em;
}

PlanLayout layoutPlan(const PlanExtent& extent, const std::vector<int>& keyLines, bool northArrow,
                      const Rect& area) {
    const double em = std::min(area.width, area.height) / 48;
    const Choice right = beside(extent, keyLines, northArrow, area, em);
    const Choice under = below(extent, keyLines, northArrow, area, em);
    PlanLayout p = right.scale >= under.scale ? right.layout : under.layout;
    MapLayout& l = p.frame;
    l.bottom = std::min(area.y + area.height, l.bottom);
    l.titleX = area.x + kMargin * em;
    l.titleY = area.y + (kMargin + 1.2) * em;
    l.titleWidth = area.width - 2 * kMargin * em;
    return p;
}

} // namespace kvarn
