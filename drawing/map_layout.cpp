#include "drawing/map_layout.h"

#include <algorithm>

namespace kvarn {

namespace {
// Room around the plot, in em: title above, tick labels and axis title to the
// left, tick labels, axis title and scale bar below, colour bar and legend to
// the right. The legend needs its height below the colour bar.
constexpr double kMargin = 1.0;
constexpr double kAbove = 5.0;
constexpr double kLeft = 5.5;
constexpr double kBelow = 6.0;
constexpr double kRight = 15.0;
constexpr double kBarGap = 2.5;
constexpr double kBarWidth = 1.2;
constexpr double kLegendHeight = 7.0;
constexpr double kShortestBar = 12.0;
} // namespace

MapLayout layoutFieldMap(const FieldMap& map, const Rect& area) {
    MapLayout l;
    l.em = std::min(area.width, area.height) / 48;
    const double em = l.em;

    l.left = map.xs.front() - map.step / 2;
    l.top = map.ys.front() + map.step / 2;
    const double extentX = map.xs.back() - map.xs.front() + map.step;
    const double extentY = map.ys.front() - map.ys.back() + map.step;

    const double availX = area.x + (kMargin + kLeft) * em;
    const double availY = area.y + (kMargin + kAbove) * em;
    const double availWidth = std::max(em, area.width - (2 * kMargin + kLeft + kRight) * em);
    const double availHeight = std::max(em, area.height - (2 * kMargin + kAbove + kBelow) * em);
    l.scale = std::min(availWidth / extentX, availHeight / extentY);

    // A grid narrower than the room sits in the middle, its colour bar beside it.
    const double width = extentX * l.scale;
    l.plot = {availX + (availWidth - width) / 2, availY, width, extentY * l.scale};

    const double barRoom = availHeight - kLegendHeight * em;
    const double barHeight = std::max(
        4 * em, std::min(barRoom, std::max(l.plot.height - kLegendHeight * em, kShortestBar * em)));
    l.colourBar = {l.plot.x + width + kBarGap * em, l.plot.y, kBarWidth * em, barHeight};
    l.legendX = l.colourBar.x;
    l.legendY = l.colourBar.y + barHeight + 2 * em;

    // What follows the map in a report may start here: below the scale bar
    // or the legend, whichever reaches lower.
    l.bottom = std::min(area.y + area.height,
                        std::max(l.plot.y + l.plot.height + kBelow * em,
                                 l.colourBar.y + barHeight + (kLegendHeight + 0.5) * em) +
                            kMargin * em);

    l.titleX = area.x + kMargin * em;
    l.titleY = area.y + (kMargin + 1.2) * em;
    l.titleWidth = area.width - 2 * kMargin * em;
    return l;
}

} // namespace kvarn
