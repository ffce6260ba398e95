#include "drawing/plan_key.h"

#include <algorithm>

#include "drawing/map_overlays.h"
#include "drawing/map_text.h"
#include "drawing/plan_marks.h"

namespace kvarn {

namespace {

// em: the width of a sample, and where the text starts after it.
constexpr double kSample = 2.0;
constexpr double kTextFrom = 2.6;

template <typename Polygons> bool anyPoint(const Polygons& polygons) {
    return std::any_of(polygons.begin(), polygons.end(),
                       [](const auto& polygon) { return !polygon.empty(); });
}

template <typename Places>
void addPlaces(std::vector<KeyEntry>& key, const Places& places, const DrawingWords& words) {
    if (std::any_of(places.begin(), places.end(), [](const auto& p) { return !p.over; }))
        key.push_back({PlanMark::place, words.place});
    if (std::any_of(places.begin(), places.end(), [](const auto& p) { return p.over; }))
        key.push_back({PlanMark::placeOver, words.placeOver});
}

// Whether the drawing shows a wire, its own or an antenna's: the key lists
// the mark once for all of them.
template <typename Drawing> bool anyWire(const Drawing& d) {
    return !d.wire.empty() || std::any_of(d.antennas.begin(), d.antennas.end(),
                                          [](const auto& a) { return !a.corners.empty(); });
}

// Whether it shows a feed, which is drawn only on a wire.
template <typename Drawing> bool anyFeed(const Drawing& d) {
    return (d.feed && !d.wire.empty()) ||
           std::any_of(d.antennas.begin(), d.antennas.end(),
                       [](const auto& a) { return a.feed && !a.corners.empty(); });
}

void drawSample(cairo_t* cr, PlanMark mark, const MapLayout& l, double x, double y) {
    const double em = l.em;
    const double end = x + kSample * em;
    auto line = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, end, y);
    };
    auto box = [&] {
        cairo_new_path(cr);
        cairo_rectangle(cr, x + 0.2 * em, y - 0.6 * em, (kSample - 0.4) * em, 1.2 * em);
    };
    switch (mark) {
    case PlanMark::boundary:
        line();
        strokeBoundary(cr, l);
        break;
    case PlanMark::zone:
        box();
        fillZone(cr);
        break;
    case PlanMark::belowPublic:
        box();
        fillBelowPublic(cr, l);
        break;
    case PlanMark::largestZone:
    case PlanMark::otherZone:
        line();
        strokeZoneEdge(cr, l, mark == PlanMark::largestZone);
        break;
    case PlanMark::wire:
        line();
        cairo_save(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, 0.14 * em);
        cairo_stroke(cr);
        cairo_restore(cr);
        drawCornerDot(cr, l, end, y);
        break;
    case PlanMark::feed:
        drawFeedMark(cr, l, x + kSample * em / 2, y);
        break;
    case PlanMark::place:
    case PlanMark::placeOver:
        drawPlaceMark(cr, l, x + kSample * em / 2, y, mark == PlanMark::placeOver);
        break;
    case PlanMark::margin:
        drawDimension(cr, l, x + 0.2 * em, y, end - 0.2 * em, y);
        break;
    case PlanMark::publicHeight:
        line();
        strokePublicHeight(cr, l);
        break;
    case PlanMark::plotExtent:
        drawPlotExtentBar(cr, l, x, end, y - 0.25 * em);
        break;
    }
}

} // namespace

std::vector<KeyEntry> sitePlanKey(const SitePlan& plan) {
    const DrawingWords& words = plan.words;
    std::vector<KeyEntry> key;
    if (!plan.boundary.empty()) key.push_back({PlanMark::boundary, words.boundary});
    const auto& zones = plan.zones;
    if (std::any_of(zones.begin(), zones.end(),
                    [](const PlanZone& z) { return anyPoint(z.whole.polygons); }))
        key.push_back({PlanMark::zone, words.zone});
    if (std::any_of(zones.begin(), zones.end(),
                    [](const PlanZone& z) { return anyPoint(z.belowPublic.polygons); }))
        key.push_back({PlanMark::belowPublic,
                       fillPattern(words.zoneBelowPublic,
                                   {{"height", shortNumber(plan.publicHeight, words)}})});
    // With one zone, its solid edge needs no entry of its own.
    if (zones.size() > 1) {
        for (const PlanZone& z : zones)
            if (z.largest)
                key.push_back(
                    {PlanMark::largestZone, fillPattern(words.largestZone, {{"zone", z.label}})});
        if (std::any_of(zones.begin(), zones.end(), [](const PlanZone& z) { return !z.largest; }))
            key.push_back({PlanMark::otherZone, words.otherZone});
    }
    if (anyWire(plan)) key.push_back({PlanMark::wire, words.wireWithHeights});
    if (anyFeed(plan)) key.push_back({PlanMark::feed, words.feed});
    addPlaces(key, plan.places, words);
    if (plan.margin)
        key.push_back({PlanMark::margin,
                       plan.marginValue < 0 ? words.deepestCrossing : words.smallestMargin});
    return key;
}

std::vector<KeyEntry> sideViewKey(const SideView& view) {
    const DrawingWords& words = view.words;
    std::vector<KeyEntry> key;
    if (anyPoint(view.zone)) key.push_back({PlanMark::zone, words.zone});
    const std::string height = shortNumber(view.publicHeight, words);
    key.push_back({PlanMark::publicHeight,
                   fillPattern(view.plotExtent ? words.publicHeightOutsidePlot : words.publicHeight,
                               {{"height", height}})});
    if (view.plotExtent) key.push_back({PlanMark::plotExtent, words.plotExtent});
    if (anyWire(view)) key.push_back({PlanMark::wire, words.wire});
    if (anyFeed(view)) key.push_back({PlanMark::feed, words.feed});
    addPlaces(key, view.places, words);
    return key;
}

std::vector<int> keyLines(const std::vector<KeyEntry>& entries) {
    std::vector<int> lines;
    for (const KeyEntry& e : entries)
        lines.push_back(1 + static_cast<int>(std::count(e.text.begin(), e.text.end(), '\n')));
    return lines;
}

void drawPlanKey(cairo_t* cr, const std::vector<KeyEntry>& entries, const PlanLayout& layout) {
    const MapLayout& l = layout.frame;
    const double room = layout.keyWidth - (kTextFrom + 0.5) * l.em;
    const double line = keyEntryHeight(2, l.em) - keyEntryHeight(1, l.em);
    double x = layout.keyX, top = layout.keyY;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (k == layout.keySplit) {
            x += layout.keyWidth;
            top = layout.keyY;
        }
        std::vector<std::string> texts;
        for (std::size_t from = 0;;) {
            const std::size_t end = entries[k].text.find('\n', from);
            texts.push_back(entries[k].text.substr(from, end - from));
            if (end == std::string::npos) break;
            from = end + 1;
        }
        const int lines = static_cast<int>(texts.size());
        // The sample beside the middle of the lines.
        const double first = top + 0.5 * keyEntryHeight(1, l.em);
        drawSample(cr, entries[k].mark, l, x, first + 0.5 * (lines - 1) * line);
        for (int n = 0; n < lines; ++n) {
            // A line too long for its column is set smaller, not cut off.
            TextStyle style{0.85 * l.em};
            const double width = textWidth(cr, texts[n], style);
            if (width > room && room > 0) style.size *= room / width;
            drawText(cr, texts[n], x + kTextFrom * l.em,
                     middleBaseline(first + n * line, 0.85 * l.em), style);
        }
        top += keyEntryHeight(lines, l.em);
    }
}

} // namespace kvarn
