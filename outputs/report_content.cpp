#include "outputs/report_content.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "field/grid.h"
#include "outputs/map_titles.h"
#include "outputs/model_statement.h"
#include "outputs/result_table.h"
#include "outputs/site_drawings.h"
#include "station/model_names.h"

namespace kvarn {

namespace {

// The room a band page's map may take, in points: the rest of an A4 page
// holds the band's facts and its ten highest points.
constexpr double kMapHeight = 380;

template <typename... Values> std::string format(const char* pattern, Values... values) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

// "0.5 and 2", "1, 2 and 5".
std::string listOf(const std::vector<double>& values) {
    std::string text;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) text += k + 1 == values.size() ? " and " : ", ";
        text += format("%g", values[k]);
    }
    return text;
}

std::string bandName(double frequency) {
    const std::string band = amateurBand(frequency);
    return band.empty() ? "-" : band;
}

// A band that does not comply, or has no verdict: its row is printed bold.
bool needsAttention(const BandResult& b) {
    return !b.stop.empty() || !b.complies;
}

ReportFacts stationFacts(const Station& s) {
    const GridAxes axes = layGrid(s.grid);
    std::string corners;
    for (const CornerPoint& c : s.corners)
        corners += (corners.empty() ? "" : ", ") + format("(%g, %g, %g)", c.x, c.y, c.z);
    const std::string model(modelDescription(s.model));
    ReportFacts facts{{
        {"Title", s.title},
        {"Wire", format(isExact(s.model) ? "%.0f m, %zu corners, " : "%.1f m, %zu corners, ",
                        s.wireLength, s.corners.size()) +
                     model},
        {"Corners", "(x, y, z) in m: " + corners},
    }};
    if (!isExact(s.model)) {
        facts.items.push_back(
            {"Feed", format("%g m along the wire from its first corner", s.feed)});
        facts.items.push_back({"Wire diameter", format("%g mm", s.wireDiameterMm)});
    }
    facts.items.push_back(
        {"Ground", isExact(s.model) ? "free space (the model has no ground)" : groundText(s)});
    const std::vector<std::pair<std::string, std::string>> rest = {
        {"Grid",
         format("x %g to %g m, y %g to %g m, step %g m: %zu x %zu points", s.grid.xanf, s.grid.xend,
                s.grid.yanf, s.grid.yend, s.grid.step, axes.columns(), axes.rows())},
        {"Heights", listOf(s.heights) + " m above the ground"},
    };
    facts.items.insert(facts.items.end(), rest.begin(), rest.end());
    return facts;
}

ReportTable powerChainTable(const Assessment& assessment) {
    ReportTable t{
        {"band", "frequency", "transmitter", "mode factor", "loss", "at the feed"},
        {Align::Left, Align::Right, Align::Right, Align::Right, Align::Right, Align::Right},
        {}};
    for (const BandResult& b : assessment.bands)
        t.rows.push_back({{bandName(b.band.frequency), format("%.3f MHz", b.band.frequency),
                           powerText(b.band.power), format("%g", b.band.modeFactor),
                           format("%g dB", b.band.lossDb), powerText(b.feedPower)}});
    return t;
}

ReportTable limitTable(const Assessment& assessment) {
    ReportTable t{{"band", "frequency", "limit E", "limit H"},
                  {Align::Left, Align::Right, Align::Right, Align::Right},
                  {}};
    for (const BandResult& b : assessment.bands)
        t.rows.push_back({{bandName(b.band.frequency), format("%.3f MHz", b.band.frequency),
                           format("%.1f V/m", b.limits.e), format("%.3f A/m", b.limits.h)}});
    return t;
}

ReportTable resultsTable(const Assessment& assessment) {
    ReportTable t;
    t.headings.assign(kResultHeadings.begin(), kResultHeadings.end());
    t.align.assign(kResultColumns, Align::Right);
    for (const BandResult& b : assessment.bands) {
        const std::array<std::string, kResultColumns> cells = resultCells(b);
        t.rows.push_back({{cells.begin(), cells.end()}, needsAttention(b)});
    }
    return t;
}

std::string verdictLine(const BandResult& b) {
    const std::string band = amateurBand(b.band.frequency);
    const std::string where = (band.empty() ? "" : band + " band, ") +
                              format("%.3f MHz, ", b.band.frequency) + powerText(b.band.power) +
                              " at the transmitter: ";
    if (!b.stop.empty()) return where + "the computation stopped, so there is no verdict.";
    const std::string highest = powerText(b.highestPower);
    if (b.complies) return where + "complies, as it would up to " + highest + ".";
    if (b.onlyTooClose())
        return where + "does not comply: " + tooCloseText(b.tooClosePoints) +
               (std::isnan(b.highestPower)
                    ? ""
                    : " The points that could be assessed keep their limits up to " + highest +
                          ".");
    return where + "EXCEEDS a limit; it would comply up to " + highest +
           (b.tooClosePoints > 0 ? ", but " + tooCloseText(b.tooClosePoints) : ".");
}

std::string overallVerdict(const Assessment& a) {
    if (a.stopped) return "The computation stopped on some band: the assessment is incomplete.";
    if (a.complies) return "Every band complies.";
    return "Not every band complies: see the bands marked EXCEEDS or TOO CLOSE.";
}

ReportTable zoneTable(const Station& station, const Assessment& assessment) {
    const std::size_t columns = station.plot() ? kZoneColumns : kZoneColumns - 2;
    ReportTable t;
    t.headings.assign(kZoneHeadings.begin(), kZoneHeadings.begin() + static_cast<long>(columns));
    t.align.assign(columns, Align::Right);
    for (const BandResult& b : assessment.bands) {
        const std::array<std::string, kZoneColumns> cells = zoneCells(b);
        t.rows.push_back(
            {{cells.begin(), cells.begin() + static_cast<long>(columns)}, b.area && !b.complies});
    }
    return t;
}

ReportTable placesTable(const Assessment& assessment) {
    ReportTable t;
    t.headings.assign(kPlaceHeadings.begin(), kPlaceHeadings.end());
    t.align.assign(kPlaceColumns, Align::Right);
    t.align[0] = Align::Left;
    for (const BandResult& b : assessment.bands)
        for (const PlaceResult& place : b.places) {
            const std::array<std::string, kPlaceColumns> cells = placeCells(b, place);
            t.rows.push_back({{cells.begin(), cells.end()}, place.over});
        }
    return t;
}

ReportPart firstPart(const Station& station, const Assessment& assessment,
                     const ReportContext& context) {
    ReportPart p;
    p.blocks.push_back(ReportHeading{"Exposure assessment of \"" + station.title + "\"", true});
    p.blocks.push_back(ReportParagraph{"Assessed on " + context.date +
                                       " by kvarn " KVARN_VERSION " from the station file " +
                                       context.stationFile + "."});
    p.blocks.push_back(ReportHeading{"Station"});
    p.blocks.push_back(stationFacts(station));

    p.blocks.push_back(ReportHeading{"Power chain"});
    p.blocks.push_back(powerChainTable(assessment));

    p.blocks.push_back(ReportHeading{"Limits"});
    p.blocks.push_back(ReportFacts{{{"Limit set", std::string(limitSetTitle(station.limits))},
                                    {"Source", std::string(limitSetSource(station.limits))}}});
    p.blocks.push_back(limitTable(assessment));

    p.blocks.push_back(ReportHeading{"Results"});
    p.blocks.push_back(resultsTable(assessment));
    p.blocks.push_back(ReportParagraph{safetyDistanceLine(station, assessment), true});
    for (const std::string& remark : bandRemarks(assessment))
        p.blocks.push_back(ReportParagraph{remark});
    p.blocks.push_back(ReportParagraph{kResultNote});
    if (station.plot()) p.blocks.push_back(ReportParagraph{kSiteNote});

    p.blocks.push_back(ReportHeading{"The safety zone"});
    p.blocks.push_back(zoneTable(station, assessment));
    if (!station.places.empty()) {
        p.blocks.push_back(ReportHeading{"Places"});
        p.blocks.push_back(placesTable(assessment));
    }

    p.blocks.push_back(ReportHeading{"Verdict"});
    p.blocks.push_back(ReportParagraph{criterionLine(station)});
    for (const BandResult& b : assessment.bands)
        p.blocks.push_back(ReportBullet{verdictLine(b)});
    p.blocks.push_back(ReportParagraph{overallVerdict(assessment), true});
    if (station.plot()) p.blocks.push_back(ReportSitePlan{stationPlan(station, assessment), 420});
    return p;
}

std::string peakText(const FieldPeak& peak, const char* valueFormat, const std::string& limit) {
    return format(valueFormat, peak.value) + format(" (%.1f %% of ", peak.percent) + limit +
           format(") at x %g m, y %g m, height %g m", peak.x, peak.y, peak.height);
}

ReportTable highestTable(const BandResult& b) {
    ReportTable t{{"", "x (m)", "y (m)", "height (m)", "E (V/m)", "H (A/m)", "% of limit"},
                  std::vector<Align>(7, Align::Right),
                  {}};
    for (std::size_t k = 0; k < b.highest.size(); ++k) {
        const ExposurePoint& p = b.highest[k];
        t.rows.push_back(
            {{std::to_string(k + 1), format("%g", p.x), format("%g", p.y), format("%g", p.height),
              format("%.2f", p.e), format("%.4f", p.h), format("%.1f", p.percent)},
             p.percent > 100});
    }
    return t;
}

// The zone against the controllable area.
std::string areaText(const BandResult& b) {
    if (!b.zone.problem.empty()) return "not known: the zone could not be searched";
    const AreaResult& a = *b.area;
    std::string text = a.inside ? "the zone lies inside it" : "the zone LEAVES it";
    if (a.margin)
        text += *a.margin > 0 ? format("; margin to the boundary %.2f m", *a.margin)
                              : format("; it crosses the boundary by %.2f m", -*a.margin);
    else
        text += "; no part of the zone lies below the public height";
    return text;
}

// The feed as the model solved it.
std::string feedText(const BandResult& b) {
    const std::array<std::string, kFeedColumns> cells = feedCells(b);
    return cells[1] + ", SWR " + cells[2] + " on a 50 ohm line, " + cells[3] +
           " segments, largest current " + cells[4];
}

std::string highestPowerText(const BandResult& b) {
    const std::string assessed = " (" + powerText(b.band.power) + " assessed)";
    if (std::isnan(b.highestPower))
        return "none: no point of the grid could be assessed" + assessed;
    if (b.tooClosePoints > 0)
        return powerText(b.highestPower) +
               " at the transmitter would keep the limits at every point that could be assessed" +
               assessed;
    return powerText(b.highestPower) + " at the transmitter would comply" + assessed;
}

ReportPart bandPart(const Station& station, const BandResult& b) {
    ReportPart p;
    if (!b.stop.empty()) {
        p.blocks.push_back(ReportHeading{bandHeading(b.band.frequency)});
        p.blocks.push_back(
            ReportParagraph{"The computation stopped: " + b.stop + ". There is no map.", true});
        return p;
    }
    if (station.hasGrid)
        p.blocks.push_back(ReportMap{b.map, kMapHeight});
    else
        p.blocks.push_back(ReportHeading{bandHeading(b.band.frequency)});
    const std::array<std::string, kZoneColumns> zone = zoneCells(b);
    std::string distance = zone[1] + " from the antenna in any direction; from above " + zone[2] +
                           " from the wire; lowest " + zone[3] + " above the ground";
    if (!b.zone.problem.empty()) distance = "not known: " + b.zone.problem;
    p.blocks.push_back(ReportFacts{{
        {"Verdict", b.complies         ? "complies"
                    : b.onlyTooClose() ? "does not comply: " + tooCloseText(b.tooClosePoints)
                                       : "EXCEEDS a limit"},
        {"Highest E", peakText(b.e, "%.2f V/m", format("%.1f V/m", b.limits.e))},
        {"Highest H", peakText(b.h, "%.4f A/m", format("%.3f A/m", b.limits.h))},
        {"Safety distance", distance},
        {"Highest power", highestPowerText(b)},
        {"Heights", listOf(station.heights) + " m; the map shows the worst of them"},
    }});
    ReportFacts& facts = std::get<ReportFacts>(p.blocks.back());
    if (b.feed) facts.items.push_back({"Feed", feedText(b)});
    if (b.area) facts.items.push_back({"Controllable area", areaText(b)});
    if (!station.hasGrid) {
        // No grid: the peaks, the highest power and the heights mean nothing.
        std::erase_if(facts.items, [](const auto& item) {
            return item.first == "Highest E" || item.first == "Highest H" ||
                   item.first == "Highest power" || item.first == "Heights";
        });
    } else {
        p.blocks.push_back(ReportHeading{b.highest.size() == 10 ? "The ten highest points"
                                                                : "The highest points"});
        p.blocks.push_back(highestTable(b));
    }
    if (station.plot() && b.zone.problem.empty()) {
        p.blocks.push_back(ReportSitePlan{bandPlan(station, b), 400});
        p.blocks.push_back(ReportSideView{bandSideView(station, b, SideAxis::alongX), 300});
        p.blocks.push_back(ReportSideView{bandSideView(station, b, SideAxis::alongY), 300});
    }
    return p;
}

ReportPart closingPart(const Station& station) {
    ReportPart p;
    p.blocks.push_back(ReportHeading{"The model and its limits"});
    p.blocks.push_back(ReportParagraph{modelStatement(station)});
    p.blocks.push_back(ReportHeading{"Reading this report"});
    const char* notes[] = {
        "At the feed: the power the model radiates, the transmitter power times the mode factor, "
        "less the loss (power x mode factor x 10^(-loss/10)).",
        "Limit E and limit H are the reference levels at the band's frequency; max E and max H "
        "the largest field over the grid and all heights, as a share of its limit.",
        "Safety distance: the largest distance from the antenna (the nearest point of any "
        "segment), in any direction, of a point of the zone: every point at or above the ground "
        "where E or H exceeds its limit or where the model cannot assess the field. Horizontal: "
        "the largest distance of a zone point from the wire seen from above. Lowest: the lowest "
        "height the zone reaches. They are found to 0.05 m by a search around the whole wire, "
        "out to where the model's own bound proves the field below the limits.",
        "Controllable area (with a site): the own plot at any height and, outside it, the space "
        "from the public height up. The zone must lie inside it and touch its boundary nowhere; "
        "the margin is the smallest horizontal distance between the part of the zone below the "
        "public height and the boundary.",
        "Max power: the highest transmitter power at which every point the model can assess "
        "keeps its limits, rounded down; a run of the station at that power complies there. "
        "Points too close to the wire for the model count as over the limits at any power: a "
        "band with such points does not comply, and its max power is that of the other points.",
        "The maps show the plane from above: each cell is the larger of E and H as a share of "
        "its limit, the worst over the heights, on a colour scale that is the same on every "
        "band. The thick white line with black edges is where the field reaches 100 % of the "
        "limit; hatched cells are too close to the wire for the model; the triangle marks the "
        "highest value outside them.",
    };
    for (const char* note : notes)
        p.blocks.push_back(ReportBullet{note});
    return p;
}

} // namespace

ReportDocument reportDocument(const Station& station, const Assessment& assessment,
                              const ReportContext& context) {
    ReportDocument d;
    d.title = "Exposure assessment of " + station.title;
    d.footer =
        "kvarn " KVARN_VERSION ": station \"" + station.title + "\", assessed " + context.date;
    d.parts.push_back(firstPart(station, assessment, context));
    for (const BandResult& b : assessment.bands)
        d.parts.push_back(bandPart(station, b));
    d.parts.push_back(closingPart(station));
    return d;
}

} // namespace kvarn
