#include "outputs/result_table.h"

#include "assessment/power_chain.h"
#include "station/model_names.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace kvarn {

namespace {

std::string format(const char* pattern, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, v);
    return buffer;
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

constexpr std::string_view kGreen = "\x1b[32m"; // complies
constexpr std::string_view kRed = "\x1b[1;31m"; // exceeds
constexpr std::string_view kPlain = "\x1b[0m";

} // namespace

std::string powerText(double watts) {
    if (std::isinf(watts)) return "unlimited";
    if (std::isnan(watts)) return "-";
    const PowerFormat f = powerFormat(watts);
    char text[64];
    if (f.kilowatts)
        std::snprintf(text, sizeof text, "%.*f kW", f.decimals, watts / 1000);
    else
        std::snprintf(text, sizeof text, "%.*f W", f.decimals, watts);
    return text;
}

std::string verdictWord(const BandResult& b) {
    if (!b.stop.empty()) return "stopped";
    if (b.complies) return "complies";
    if (b.area) return b.zone.problem.empty() ? "LEAVES AREA" : "NO ZONE";
    return b.onlyTooClose() ? "TOO CLOSE" : "EXCEEDS";
}

const std::array<const char*, kResultColumns> kResultHeadings = {
    "frequency", "at feed", "limit E",   "limit H", "max E",
    "max H",     "safety",  "max power", "verdict"};

std::array<std::string, kResultColumns> resultCells(const BandResult& b) {
    // No point could be assessed: there is no highest field to show.
    const bool assessed = !(b.tooClosePoints > 0 && std::isnan(b.highestPower));
    return {
        format("%.3f MHz", b.band.frequency),
        powerText(b.feedPower),
        format("%.1f V/m", b.limits.e),
        format("%.3f A/m", b.limits.h),
        assessed ? format("%.1f %%", b.e.percent) : "-",
        assessed ? format("%.1f %%", b.h.percent) : "-",
        b.zone.problem.empty() ? format("%.1f m", b.zone.safetyDistance.value) : "-",
        powerText(b.highestPower),
        verdictWord(b),
    };
}

std::string safetyDistanceLine(const Station& station, const Assessment& assessment) {
    std::string line = "Overall safety distance: " + format("%.2f m", assessment.safetyDistance) +
                       " from the antenna in any direction; seen from above " +
                       format("%.2f m", assessment.horizontalDistance) + " from the wire";
    if (assessment.lowest)
        line += "; the zone reaches down to " + format("%.2f m", *assessment.lowest) +
                " above the ground";
    line += ".";
    if (isExact(station.model))
        line += " The exact model cannot assess points within 2.1 m of its elements: its zone is "
                "never thinner than that.";
    return line;
}

std::string criterionLine(const Station& station) {
    if (station.plot())
        return "Criterion: every band's zone lies inside the controllable area (the plot at any "
               "height, outside it from " +
               format("%g m", station.plot()->publicHeight) +
               " above the ground up) and touches its boundary nowhere.";
    return "Criterion: no point of the grid exceeds a limit or lies too close to the antenna to "
           "assess (give a [site] to judge the zone against the controllable area).";
}

const std::array<const char*, kZoneColumns> kZoneHeadings = {
    "frequency", "safety", "horizontal", "lowest", "inside the area", "margin"};

std::array<std::string, kZoneColumns> zoneCells(const BandResult& b) {
    const ZoneResult& z = b.zone;
    const bool known = z.problem.empty() && b.stop.empty();
    std::string inside = "-", margin = "-";
    if (b.area && known) {
        inside = b.area->inside ? "yes" : "NO";
        margin = b.area->margin ? format("%.2f m", *b.area->margin) : "no zone below";
    }
    return {format("%.3f MHz", b.band.frequency),
            known ? format("%.2f m", z.safetyDistance.value) : "-",
            known ? format("%.2f m", z.horizontalDistance.value) : "-",
            known && !z.empty ? format("%.2f m", z.lowest.value) : "-",
            inside,
            margin};
}

std::vector<std::string> bandRemarks(const Assessment& assessment) {
    std::vector<std::string> remarks;
    for (const BandResult& b : assessment.bands) {
        const std::string band = format("%.3f MHz", b.band.frequency);
        if (!b.stop.empty()) {
            remarks.push_back(band + ": the computation stopped: " + b.stop + ".");
            continue;
        }
        if (b.tooClosePoints > 0)
            remarks.push_back(band + ": " + tooCloseText(b.tooClosePoints) +
                              (std::isnan(b.highestPower)
                                   ? " No point of the grid could be assessed."
                                   : " \"max power\" is the power at which the points that "
                                     "could be assessed reach their limits."));
        if (!b.zone.problem.empty())
            remarks.push_back(band + ": the zone could not be searched: " + b.zone.problem + ".");
    }
    return remarks;
}

std::string tooCloseText(long points) {
    if (points == 1)
        return "1 point lies too close to the wire for the model, which cannot assess it; it "
               "counts as over the limits at any power.";
    return std::to_string(points) +
           " points lie too close to the wire for the model, which cannot assess them; they "
           "count as over the limits at any power.";
}

const std::array<const char*, kFeedColumns> kFeedHeadings = {
    "frequency", "feed impedance", "SWR 50 ohm", "segments", "max current"};

std::array<std::string, kFeedColumns> feedCells(const BandResult& b) {
    if (!b.feed) return {};
    const FeedFacts& f = *b.feed;
    return {format("%.3f MHz", b.band.frequency),
            format("%.1f ", f.resistance) + (f.reactance < 0 ? "- j" : "+ j") +
                format("%.1f ohm", std::fabs(f.reactance)),
            f.swr < 100 ? format("%.2f", f.swr) : std::string("above 100"),
            std::to_string(f.segments), format("%.2f A", f.maxCurrent)};
}

const std::array<const char*, kPlaceColumns> kPlaceHeadings = {"place", "frequency", "E", "H",
                                                               "E %",   "H %",       ""};

std::array<std::string, kPlaceColumns> placeCells(const BandResult& b, const PlaceResult& p) {
    if (!p.field.holds)
        return {p.name, format("%.3f MHz", b.band.frequency), "-", "-", "-", "-", "OVER"};
    return {p.name,
            format("%.3f MHz", b.band.frequency),
            format("%.2f V/m", p.field.e),
            format("%.4f A/m", p.field.h),
            format("%.1f %%", p.ePercent),
            format("%.1f %%", p.hPercent),
            p.over ? "OVER" : "ok"};
}

std::size_t printedWidth(const std::string& text) {
    // Characters, not bytes: a name may hold umlauts.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

std::string stationLine(const Station& station) {
    std::string wire = format(isExact(station.model) ? "%.0f m of wire, " : "%.1f m of wire, ",
                              station.wireLength) +
                       std::string(modelTitle(station.model));
    if (!isExact(station.model))
        wire += format(" fed %g m from the first corner, ", station.feed) +
                format("%g mm wire, ", station.wireDiameterMm) +
                (station.ground == GroundKind::free ? "in " : "over ") + groundText(station);
    else
        wire += " in free space";
    return "Station \"" + station.title + "\": " + wire +
           "; limits: " + std::string(limitSetTitle(station.limits));
}

std::string resultTable(const Station& station, const Assessment& assessment, bool colour) {
    std::string out = stationLine(station) + "\n\n";
    const std::size_t widths[kResultColumns] = {11, 10, 10, 11, 8, 8, 9, 11, 9};
    for (std::size_t k = 0; k < kResultColumns; ++k)
        out += padded(kResultHeadings[k], widths[k]) + (k + 1 < kResultColumns ? " " : "\n");
    for (const BandResult& b : assessment.bands) {
        const std::array<std::string, kResultColumns> cells = resultCells(b);
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
        const std::size_t feedWidths[kFeedColumns] = {11, 24, 11, 9, 12};
        out += "\n";
        for (std::size_t k = 0; k < kFeedColumns; ++k)
            out += padded(kFeedHeadings[k], feedWidths[k]) + (k + 1 < kFeedColumns ? " " : "\n");
        for (const BandResult& b : assessment.bands) {
            if (!b.feed) continue;
            const std::array<std::string, kFeedColumns> cells = feedCells(b);
            for (std::size_t k = 0; k < kFeedColumns; ++k)
                out += padded(cells[k], feedWidths[k]) + (k + 1 < kFeedColumns ? " " : "\n");
        }
    }
    {
        const std::size_t zoneWidths[kZoneColumns] = {11, 9, 11, 9, 16, 14};
        const std::size_t columns = station.plot() ? kZoneColumns : kZoneColumns - 2;
        out += "\n";
        for (std::size_t k = 0; k < columns; ++k)
            out += padded(kZoneHeadings[k], zoneWidths[k]) + (k + 1 < columns ? " " : "\n");
        for (const BandResult& b : assessment.bands) {
            const std::array<std::string, kZoneColumns> cells = zoneCells(b);
            for (std::size_t k = 0; k < columns; ++k)
                out += padded(cells[k], zoneWidths[k]) + (k + 1 < columns ? " " : "\n");
        }
    }
    if (!station.places.empty()) {
        out += "\nPlaces:\n";
        // The names left-aligned, the figures right-aligned.
        const std::size_t placeWidths[kPlaceColumns] = {40, 11, 11, 11, 8, 8, 5};
        const auto name = [&](const std::string& text) {
            const std::size_t width = printedWidth(text);
            return "  " + text +
                   std::string(width < placeWidths[0] ? placeWidths[0] - width : 1, ' ');
        };
        out += name(kPlaceHeadings[0]);
        for (std::size_t k = 1; k < kPlaceColumns; ++k)
            out += " " + padded(kPlaceHeadings[k], placeWidths[k]);
        out += "\n";
        for (const BandResult& b : assessment.bands)
            for (const PlaceResult& place : b.places) {
                const std::array<std::string, kPlaceColumns> cells = placeCells(b, place);
                out += name(cells[0]);
                for (std::size_t k = 1; k < kPlaceColumns; ++k)
                    out += " " + padded(cells[k], placeWidths[k]);
                out += "\n";
            }
    }
    out += "\n" + safetyDistanceLine(station, assessment) + "\n";
    out += criterionLine(station) + "\n";
    for (const std::string& remark : bandRemarks(assessment))
        out += remark + "\n";
    out += std::string(kResultNote) + "\n";
    if (station.plot()) out += std::string(kSiteNote) + "\n";
    return out;
}

} // namespace kvarn
