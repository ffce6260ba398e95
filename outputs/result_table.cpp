#include "outputs/result_table.h"

#include "assessment/power_chain.h"
#include "station/model_names.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kvarn {

namespace {

// Right-aligned in `width` characters as a terminal shows them.
std::string padded(const std::string& text, std::size_t width) {
    const std::size_t shown = printedWidth(text);
    return shown >= width ? text : std::string(width - shown, ' ') + text;
}

constexpr std::string_view kGreen = "\x1b[32m"; // complies
constexpr std::string_view kRed = "\x1b[1;31m"; // exceeds
constexpr std::string_view kPlain = "\x1b[0m";

// The columns' widths: the English table's, or wider where a heading needs.
template <std::size_t N>
std::array<std::size_t, N> widthsFor(const std::array<std::string, N>& headings,
                                     const std::array<std::size_t, N>& least) {
    std::array<std::size_t, N> widths = least;
    for (std::size_t k = 0; k < N; ++k)
        widths[k] = std::max(widths[k], printedWidth(headings[k]));
    return widths;
}

// Rows of right-aligned cells under their headings, one blank between.
template <std::size_t N>
void appendTable(std::string& out, const std::array<std::string, N>& headings,
                 const std::array<std::size_t, N>& least,
                 const std::vector<std::array<std::string, N>>& rows, std::size_t columns = N) {
    const std::array<std::size_t, N> widths = widthsFor(headings, least);
    for (std::size_t k = 0; k < columns; ++k)
        out += padded(headings[k], widths[k]) + (k + 1 < columns ? " " : "\n");
    for (const std::array<std::string, N>& row : rows)
        for (std::size_t k = 0; k < columns; ++k)
            out += padded(row[k], widths[k]) + (k + 1 < columns ? " " : "\n");
}

std::string frequencyText(const Wording& w, double frequency) {
    return w.number("%.3f MHz", frequency);
}

} // namespace

std::string powerText(double watts, const Wording& w) {
    if (std::isinf(watts)) return std::string(w.unlimited);
    if (std::isnan(watts)) return "-";
    const PowerFormat f = powerFormat(watts);
    return f.kilowatts ? w.number("%.*f kW", f.decimals, watts / 1000)
                       : w.number("%.*f W", f.decimals, watts);
}

std::string verdictWord(const BandResult& b, const Wording& w) {
    if (!b.stop.empty()) return std::string(w.stopped);
    if (b.complies) return std::string(w.complies);
    if (b.area) return std::string(b.zone.problem.empty() ? w.leavesArea : w.noZone);
    return std::string(b.onlyTooClose() ? w.tooClose : w.exceeds);
}

std::array<std::string, kResultColumns> resultHeadings(const Wording& w) {
    return {std::string(w.frequency), std::string(w.atFeed),   std::string(w.limitE),
            std::string(w.limitH),    std::string(w.maxE),     std::string(w.maxH),
            std::string(w.safety),    std::string(w.maxPower), std::string(w.verdict)};
}

std::array<std::string, kResultColumns> resultCells(const BandResult& b, const Wording& w,
                                                    bool hasGrid) {
    // No point could be assessed: there is no highest field to show.
    const bool assessed = hasGrid && !(b.tooClosePoints > 0 && std::isnan(b.highestPower));
    return {
        frequencyText(w, b.band.frequency),
        powerText(b.feedPower, w),
        w.number("%.1f V/m", b.limits.e),
        w.number("%.3f A/m", b.limits.h),
        assessed ? w.number("%.1f %%", b.e.percent) : "-",
        assessed ? w.number("%.1f %%", b.h.percent) : "-",
        b.zone.problem.empty() ? w.number("%.1f m", b.zone.safetyDistance.value) : "-",
        hasGrid ? powerText(b.highestPower, w) : "-",
        verdictWord(b, w),
    };
}

std::string safetyDistanceLine(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    std::string line = w.fill(w.distanceLine, {w.number("%.2f m", assessment.safetyDistance),
                                               w.number("%.2f m", assessment.horizontalDistance)});
    if (assessment.lowest)
        line += w.fill(w.distanceLowest, {w.number("%.2f m", *assessment.lowest)});
    line += ".";
    if (isExact(station.model)) line += w.exactZoneFloor;
    return line;
}

std::string criterionLine(const Station& station) {
    const Wording& w = wordingFor(station.language);
    if (station.plot())
        return w.fill(w.criterionArea, {w.number("%g m", station.plot()->publicHeight)});
    return std::string(w.criterionGrid);
}

std::array<std::string, kZoneColumns> zoneHeadings(const Wording& w) {
    return {std::string(w.frequency),  std::string(w.safety),        std::string(w.horizontal),
            std::string(w.lowestWord), std::string(w.insideTheArea), std::string(w.margin)};
}

std::array<std::string, kZoneColumns> zoneCells(const BandResult& b, const Wording& w) {
    const ZoneResult& z = b.zone;
    const bool known = z.problem.empty() && b.stop.empty();
    std::string inside = "-", margin = "-";
    if (b.area && known) {
        inside = b.area->inside ? w.yes : w.no;
        margin = b.area->margin ? w.number("%.2f m", *b.area->margin) : std::string(w.noZoneBelow);
    }
    return {frequencyText(w, b.band.frequency),
            known ? w.number("%.2f m", z.safetyDistance.value) : "-",
            known ? w.number("%.2f m", z.horizontalDistance.value) : "-",
            known && !z.empty ? w.number("%.2f m", z.lowest.value) : "-",
            inside,
            margin};
}

std::vector<std::string> bandRemarks(const Assessment& assessment, const Wording& w) {
    std::vector<std::string> remarks;
    for (const BandResult& b : assessment.bands) {
        const std::string band = frequencyText(w, b.band.frequency);
        if (!b.stop.empty()) {
            remarks.push_back(w.fill(w.remarkStopped, {band, b.stop}));
            continue;
        }
        if (b.tooClosePoints > 0)
            remarks.push_back(band + ": " + tooCloseText(b.tooClosePoints, w) +
                              std::string(std::isnan(b.highestPower) ? w.remarkNoneAssessed
                                                                     : w.remarkPowerOfOthers));
        if (!b.zone.problem.empty())
            remarks.push_back(w.fill(w.remarkNoZone, {band, b.zone.problem}));
    }
    return remarks;
}

std::string tooCloseText(long points, const Wording& w) {
    if (points == 1) return std::string(w.tooCloseOne);
    return w.fill(w.tooCloseMany, {std::to_string(points)});
}

std::array<std::string, kFeedColumns> feedHeadings(const Wording& w) {
    return {std::string(w.frequency), std::string(w.feedImpedance), std::string(w.swr50),
            std::string(w.segments), std::string(w.maxCurrent)};
}

std::array<std::string, kFeedColumns> feedCells(const BandResult& b, const Wording& w) {
    if (!b.feed) return {};
    const FeedFacts& f = *b.feed;
    return {frequencyText(w, b.band.frequency),
            w.number("%.1f ", f.resistance) + (f.reactance < 0 ? "- j" : "+ j") +
                w.number("%.1f ohm", std::fabs(f.reactance)),
            f.swr < 100 ? w.number("%.2f", f.swr) : std::string(w.above100),
            std::to_string(f.segments), w.number("%.2f A", f.maxCurrent)};
}

std::array<std::string, kPlaceColumns> placeHeadings(const Wording& w) {
    return {std::string(w.place), std::string(w.frequency), "E", "H", "E %", "H %", ""};
}

std::array<std::string, kPlaceColumns> placeCells(const BandResult& b, const PlaceResult& p,
                                                  const Wording& w) {
    if (!p.field.holds)
        return {
            p.name, frequencyText(w, b.band.frequency), "-", "-", "-", "-", std::string(w.over)};
    return {p.name,
            frequencyText(w, b.band.frequency),
            w.number("%.2f V/m", p.field.e),
            w.number("%.4f A/m", p.field.h),
            w.number("%.1f %%", p.ePercent),
            w.number("%.1f %%", p.hPercent),
            std::string(p.over ? w.over : w.ok)};
}

std::size_t printedWidth(const std::string& text) {
    // Characters, not bytes: a name may hold umlauts.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

std::string wireLine(const Station& station) {
    const Wording& w = wordingFor(station.language);
    std::string wire = w.number(isExact(station.model) ? "%.0f m" : "%.1f m", station.wireLength) +
                       std::string(w.ofWire) + modelTitleIn(station.model, w);
    if (!isExact(station.model))
        wire +=
            w.fill(w.fedAt, {w.number("%g m", station.feed),
                             w.number("%g mm", station.wireDiameterMm), groundPhrase(station, w)});
    else
        wire += w.inFreeSpace;
    return wire;
}

std::string stationLine(const Station& station) {
    const Wording& w = wordingFor(station.language);
    return w.fill(w.stationLine,
                  {station.title, wireLine(station), limitSetTitleIn(station.limits, w)});
}

std::string resultTable(const Station& station, const Assessment& assessment, bool colour) {
    std::string out = stationLine(station) + "\n\n" + antennaTables(station, assessment, colour);
    out += "\n" + safetyDistanceLine(station, assessment) + "\n" + criterionLine(station) + "\n";
    for (const std::string& remark : bandRemarks(assessment, wordingFor(station.language)))
        out += remark + "\n";
    return out + resultNotes(station);
}

std::string antennaTables(const Station& station, const Assessment& assessment, bool colour) {
    const Wording& w = wordingFor(station.language);
    std::string out;
    const std::array<std::string, kResultColumns> headings = resultHeadings(w);
    const std::array<std::size_t, kResultColumns> widths =
        widthsFor(headings, {11, 10, 10, 11, 8, 8, 9, 11, 9});
    for (std::size_t k = 0; k < kResultColumns; ++k)
        out += padded(headings[k], widths[k]) + (k + 1 < kResultColumns ? " " : "\n");
    for (const BandResult& b : assessment.bands) {
        const std::array<std::string, kResultColumns> cells = resultCells(b, w, station.hasGrid);
        for (std::size_t k = 0; k + 1 < kResultColumns; ++k)
            out += padded(cells[k], widths[k]) + " ";
        const std::string v = padded(cells.back(), widths[kResultColumns - 1]);
        if (colour)
            out +=
                std::string(b.complies && b.stop.empty() ? kGreen : kRed) + v + std::string(kPlain);
        else
            out += v;
        out += "\n";
    }
    if (!isExact(station.model)) {
        std::vector<std::array<std::string, kFeedColumns>> rows;
        for (const BandResult& b : assessment.bands)
            if (b.feed) rows.push_back(feedCells(b, w));
        out += "\n";
        appendTable(out, feedHeadings(w), {11, 24, 11, 9, 12}, rows);
    }
    {
        std::vector<std::array<std::string, kZoneColumns>> rows;
        for (const BandResult& b : assessment.bands)
            rows.push_back(zoneCells(b, w));
        out += "\n";
        appendTable(out, zoneHeadings(w), {11, 9, 11, 9, 16, 14}, rows,
                    station.plot() ? kZoneColumns : kZoneColumns - 2);
    }
    if (!station.places.empty()) {
        out += "\n" + std::string(w.placesHeading) + ":\n";
        // The names left-aligned, the figures right-aligned.
        const std::array<std::string, kPlaceColumns> placeTitles = placeHeadings(w);
        const std::array<std::size_t, kPlaceColumns> placeWidths =
            widthsFor(placeTitles, {40, 11, 11, 11, 8, 8, 5});
        const auto name = [&](const std::string& text) {
            const std::size_t width = printedWidth(text);
            return "  " + text +
                   std::string(width < placeWidths[0] ? placeWidths[0] - width : 1, ' ');
        };
        out += name(placeTitles[0]);
        for (std::size_t k = 1; k < kPlaceColumns; ++k)
            out += " " + padded(placeTitles[k], placeWidths[k]);
        out += "\n";
        for (const BandResult& b : assessment.bands)
            for (const PlaceResult& place : b.places) {
                const std::array<std::string, kPlaceColumns> cells = placeCells(b, place, w);
                out += name(cells[0]);
                for (std::size_t k = 1; k < kPlaceColumns; ++k)
                    out += " " + padded(cells[k], placeWidths[k]);
                out += "\n";
            }
    }
    return out;
}

std::string resultNotes(const Station& station) {
    const Wording& w = wordingFor(station.language);
    std::string out = std::string(w.resultNote) + "\n";
    if (station.plot()) out += std::string(w.siteNote) + "\n";
    return out;
}

} // namespace kvarn
