#include "outputs/report_blocks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "field/grid.h"
#include "outputs/map_titles.h"
#include "outputs/model_statement.h"
#include "outputs/report_wording.h"
#include "outputs/result_table.h"
#include "outputs/site_drawings.h"
#include "outputs/site_table.h"
#include "outputs/wording.h"
#include "station/model_names.h"

namespace kvarn {

namespace {

// The room a band page's map may take, in points: the rest of an A4 page
// holds the band's facts and its ten highest points.
constexpr double kMapHeight = 380;

std::string text(std::string_view words) {
    return std::string(words);
}

std::string bandName(double frequency) {
    const std::string band = amateurBand(frequency);
    return band.empty() ? "-" : band;
}

// A band that does not comply, or has no verdict: its row is printed bold.
bool needsAttention(const BandResult& b) {
    return !b.stop.empty() || !b.complies;
}

std::string description(ModelKind model, const ReportWording& r) {
    switch (model) {
    case ModelKind::standingWave:
        return text(r.standingWaveDescription);
    case ModelKind::shortWire:
        return text(r.shortDescription);
    case ModelKind::methodOfMoments:
        break;
    }
    return text(r.momentsDescription);
}

// Whether a band sends less than all the time.
bool sharedTime(const Assessment& assessment) {
    return std::any_of(assessment.bands.begin(), assessment.bands.end(),
                       [](const BandResult& b) { return b.band.transmitShare != 1; });
}

std::string peakText(const Wording& w, const ReportWording& r, const FieldPeak& peak,
                     const std::string& value, const std::string& limit) {
    return Wording::fill(r.peakOf,
                         {value, w.number("%.1f %%", peak.percent), limit, w.number("%g m", peak.x),
                          w.number("%g m", peak.y), w.number("%g m", peak.height)});
}

ReportTable highestTable(const BandResult& b, const Wording& w, const ReportWording& r) {
    ReportTable t{
        {"", "x (m)", "y (m)", text(r.heightColumn), "E (V/m)", "H (A/m)", text(r.ofLimitColumn)},
        std::vector<Align>(7, Align::Right),
        {}};
    for (std::size_t k = 0; k < b.highest.size(); ++k) {
        const ExposurePoint& p = b.highest[k];
        t.rows.push_back({{std::to_string(k + 1), w.number("%g", p.x), w.number("%g", p.y),
                           w.number("%g", p.height), w.number("%.2f", p.e), w.number("%.4f", p.h),
                           w.number("%.1f", p.percent)},
                          p.percent > 100});
    }
    return t;
}

// The feed as the model solved it.
std::string feedText(const BandResult& b, const Wording& w, const ReportWording& r) {
    const std::array<std::string, kFeedColumns> cells = feedCells(b, w);
    return Wording::fill(r.feedFacts, {cells[1], cells[2], cells[3], cells[4]});
}

std::string highestPowerText(const BandResult& b, const Wording& w, const ReportWording& r) {
    const std::string assessed = Wording::fill(r.powerAssessed, {powerText(b.band.power, w)});
    if (std::isnan(b.highestPower)) return text(r.powerNone) + assessed;
    return Wording::fill(b.tooClosePoints > 0 ? r.powerOfAssessable : r.powerComplies,
                         {powerText(b.highestPower, w)}) +
           assessed;
}

std::string bandVerdictFact(const BandResult& b, const Wording& w, const ReportWording& r) {
    if (b.complies) return text(r.compliesWord);
    if (b.area) return text(r.leavesAreaWord);
    if (b.onlyTooClose())
        return Wording::fill(r.doesNotComply, {tooCloseText(b.tooClosePoints, w)});
    return text(r.exceedsLimit);
}

} // namespace

std::string listOf(const std::vector<double>& values, Language language) {
    const Wording& w = wordingFor(language);
    const ReportWording& r = reportWordingFor(language);
    std::string out;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) out += k + 1 == values.size() ? r.listAnd : r.listSeparator;
        out += w.number("%g", values[k]);
    }
    return out;
}

ReportFacts stationFacts(const Station& s) {
    const Wording& w = wordingFor(s.language);
    const ReportWording& r = reportWordingFor(s.language);
    std::string corners;
    for (const CornerPoint& c : s.corners)
        corners += (corners.empty() ? "" : ", ") + w.number(r.point3.data(), c.x, c.y, c.z);
    ReportFacts facts{{
        {text(r.title), s.title},
        {text(r.wire), w.number(isExact(s.model) ? "%.0f m" : "%.1f m", s.wireLength) +
                           Wording::fill(r.wireFacts, {std::to_string(s.corners.size()),
                                                       description(s.model, r)})},
        {text(r.corners), text(r.cornersIn) + corners},
    }};
    if (!isExact(s.model)) {
        facts.items.push_back(
            {text(r.feed), Wording::fill(r.feedAlong, {w.number("%g m", s.feed)})});
        facts.items.push_back({text(r.wireDiameter), w.number("%g mm", s.wireDiameterMm)});
    }
    facts.items.push_back(
        {text(r.ground), isExact(s.model) ? text(r.exactGround) : groundTextIn(s, w)});
    if (s.hasGrid) {
        const GridAxes axes = layGrid(s.grid);
        facts.items.push_back(
            {text(r.grid),
             Wording::fill(r.gridFacts,
                           {w.number("%g", s.grid.xanf), w.number("%g", s.grid.xend),
                            w.number("%g", s.grid.yanf), w.number("%g", s.grid.yend),
                            w.number("%g", s.grid.step), std::to_string(axes.columns()),
                            std::to_string(axes.rows())})});
        facts.items.push_back(
            {text(r.heights), Wording::fill(r.heightsAbove, {listOf(s.heights, s.language)})});
    }
    return facts;
}

std::vector<ReportBlock> antennaFigures(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    const ReportWording& r = reportWordingFor(station.language);
    std::vector<ReportBlock> blocks;
    blocks.push_back(ReportHeading{text(r.powerChainHeading)});
    blocks.push_back(powerChainTable(station, assessment));

    blocks.push_back(ReportHeading{text(r.limitsHeading)});
    blocks.push_back(ReportFacts{{{text(r.limitSet), limitSetTitleIn(station.limits, w)},
                                  {text(r.source), limitSetSourceIn(station.limits, w)}}});
    blocks.push_back(limitTable(station, assessment));

    blocks.push_back(ReportHeading{text(r.resultsHeading)});
    blocks.push_back(resultsTable(station, assessment));
    blocks.push_back(ReportParagraph{safetyDistanceLine(station, assessment), true});
    for (const std::string& remark : bandRemarks(assessment, w))
        blocks.push_back(ReportParagraph{remark});
    blocks.push_back(ReportParagraph{text(w.resultNote)});
    // What the grid's highest values mean with a site, when there is a grid.
    if (station.plot() && station.hasGrid) blocks.push_back(ReportParagraph{text(w.siteNote)});

    blocks.push_back(ReportHeading{text(r.zoneHeading)});
    blocks.push_back(zoneTable(station, assessment));
    if (!station.places.empty()) {
        blocks.push_back(ReportHeading{text(r.placesHeading)});
        blocks.push_back(placesTable(station, assessment));
    }
    return blocks;
}

ReportTable powerChainTable(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    const ReportWording& r = reportWordingFor(station.language);
    const bool share = station.language == Language::de || sharedTime(assessment);
    ReportTable t{{text(r.band), text(w.frequency), text(r.transmitter), text(r.modeFactor)},
                  {Align::Left, Align::Right, Align::Right, Align::Right},
                  {}};
    if (share) t.headings.push_back(text(r.timeShare));
    t.headings.push_back(text(r.loss));
    t.headings.push_back(text(r.atTheFeedColumn));
    t.align.resize(t.headings.size(), Align::Right);
    for (const BandResult& b : assessment.bands) {
        ReportTableRow row{{bandName(b.band.frequency), w.number("%.3f MHz", b.band.frequency),
                            powerText(b.band.power, w), w.number("%g", b.band.modeFactor)}};
        if (share) row.cells.push_back(w.number("%g", b.band.transmitShare));
        row.cells.push_back(w.number("%g dB", b.band.lossDb));
        row.cells.push_back(powerText(b.feedPower, w));
        t.rows.push_back(row);
    }
    return t;
}

ReportTable limitTable(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    const ReportWording& r = reportWordingFor(station.language);
    ReportTable t{{text(r.band), text(w.frequency), text(w.limitE), text(w.limitH)},
                  {Align::Left, Align::Right, Align::Right, Align::Right},
                  {}};
    for (const BandResult& b : assessment.bands)
        t.rows.push_back({{bandName(b.band.frequency), w.number("%.3f MHz", b.band.frequency),
                           w.number("%.1f V/m", b.limits.e), w.number("%.3f A/m", b.limits.h)}});
    return t;
}

ReportTable resultsTable(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    ReportTable t;
    const std::array<std::string, kResultColumns> headings = resultHeadings(w);
    t.headings.assign(headings.begin(), headings.end());
    t.align.assign(kResultColumns, Align::Right);
    for (const BandResult& b : assessment.bands) {
        const std::array<std::string, kResultColumns> cells = resultCells(b, w, station.hasGrid);
        t.rows.push_back({{cells.begin(), cells.end()}, needsAttention(b)});
    }
    return t;
}

std::string bandVerdictLine(const Station& station, const BandResult& b) {
    const Wording& w = wordingFor(station.language);
    const ReportWording& r = reportWordingFor(station.language);
    const std::string band = amateurBand(b.band.frequency);
    const std::string where = (band.empty() ? "" : bandNameIn(band, station.language) + ", ") +
                              w.number("%.3f MHz, ", b.band.frequency) +
                              Wording::fill(r.atTheTransmitter, {powerText(b.band.power, w)}) +
                              ": ";
    if (!b.stop.empty()) return Wording::fill(r.verdictStopped, {where});
    const std::string highest = powerText(b.highestPower, w);
    if (b.complies) return Wording::fill(r.verdictComplies, {where, highest});
    // With a site the verdict is the zone's against the controllable area.
    if (b.area)
        return Wording::fill(b.zone.problem.empty() ? r.verdictLeaves : r.verdictNoZone, {where});
    if (b.onlyTooClose())
        return Wording::fill(r.verdictNotComplying, {where, tooCloseText(b.tooClosePoints, w)}) +
               (std::isnan(b.highestPower) ? "" : Wording::fill(r.verdictAssessedKeep, {highest}));
    return Wording::fill(r.verdictExceeds, {where, highest}) +
           (b.tooClosePoints > 0 ? text(r.verdictExceedsBut) + tooCloseText(b.tooClosePoints, w)
                                 : ".");
}

std::string overallVerdict(const Station& station, const Assessment& a) {
    const ReportWording& r = reportWordingFor(station.language);
    if (a.stopped) return text(r.overallStopped);
    return text(a.complies ? r.overallComplies : r.overallNot);
}

ReportTable zoneTable(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    const std::size_t columns = station.plot() ? kZoneColumns : kZoneColumns - 2;
    const std::array<std::string, kZoneColumns> headings = zoneHeadings(w);
    ReportTable t;
    t.headings.assign(headings.begin(), headings.begin() + static_cast<long>(columns));
    t.align.assign(columns, Align::Right);
    for (const BandResult& b : assessment.bands) {
        const std::array<std::string, kZoneColumns> cells = zoneCells(b, w);
        t.rows.push_back(
            {{cells.begin(), cells.begin() + static_cast<long>(columns)}, b.area && !b.complies});
    }
    return t;
}

ReportTable placesTable(const Station& station, const Assessment& assessment) {
    const Wording& w = wordingFor(station.language);
    const std::array<std::string, kPlaceColumns> headings = placeHeadings(w);
    ReportTable t;
    t.headings.assign(headings.begin(), headings.end());
    t.align.assign(kPlaceColumns, Align::Right);
    t.align[0] = Align::Left;
    for (const BandResult& b : assessment.bands)
        for (const PlaceResult& place : b.places) {
            const std::array<std::string, kPlaceColumns> cells = placeCells(b, place, w);
            t.rows.push_back({{cells.begin(), cells.end()}, place.over});
        }
    return t;
}

ReportPart bandPart(const Station& station, const BandResult& b) {
    const Wording& w = wordingFor(station.language);
    const ReportWording& r = reportWordingFor(station.language);
    ReportPart p;
    if (!b.stop.empty()) {
        p.blocks.push_back(ReportHeading{bandHeading(b.band.frequency, station.language)});
        p.blocks.push_back(ReportParagraph{Wording::fill(r.bandStopped, {b.stop}), true});
        return p;
    }
    if (station.hasGrid)
        p.blocks.push_back(ReportMap{b.map, kMapHeight});
    else
        p.blocks.push_back(ReportHeading{bandHeading(b.band.frequency, station.language)});
    const std::array<std::string, kZoneColumns> zone = zoneCells(b, w);
    const std::string distance = b.zone.problem.empty()
                                     ? Wording::fill(r.distanceFacts, {zone[1], zone[2], zone[3]})
                                     : Wording::fill(r.notKnown, {b.zone.problem});
    ReportFacts facts{{{text(r.verdictLabel), bandVerdictFact(b, w, r)}}};
    if (station.hasGrid) {
        facts.items.push_back(
            {text(r.highestE), peakText(w, r, b.e, w.number("%.2f V/m", b.e.value),
                                        w.number("%.1f V/m", b.limits.e))});
        facts.items.push_back(
            {text(r.highestH), peakText(w, r, b.h, w.number("%.4f A/m", b.h.value),
                                        w.number("%.3f A/m", b.limits.h))});
    }
    facts.items.push_back({text(r.safetyDistance), distance});
    if (station.hasGrid) {
        facts.items.push_back({text(r.highestPower), highestPowerText(b, w, r)});
        facts.items.push_back(
            {text(r.heightsLabel),
             Wording::fill(r.heightsWorst, {listOf(station.heights, station.language)})});
    }
    if (b.feed) facts.items.push_back({text(r.feedLabel), feedText(b, w, r)});
    if (b.area)
        facts.items.push_back(
            {text(r.areaLabel), areaText(b.zone.problem.empty(), b.area, station.language)});
    p.blocks.push_back(facts);
    if (station.hasGrid) {
        p.blocks.push_back(ReportHeading{text(b.highest.size() == 10 ? r.tenHighest : r.highest)});
        p.blocks.push_back(highestTable(b, w, r));
    }
    if (station.plot() && b.zone.problem.empty()) {
        p.blocks.push_back(ReportSitePlan{bandPlan(station, b), 400});
        p.blocks.push_back(ReportSideView{bandSideView(station, b, SideAxis::alongX), 300});
        p.blocks.push_back(ReportSideView{bandSideView(station, b, SideAxis::alongY), 300});
    }
    return p;
}

ReportPart closingPart(const Station& station) {
    const ReportWording& r = reportWordingFor(station.language);
    const bool share = std::any_of(station.bands.begin(), station.bands.end(),
                                   [](const Band& b) { return b.transmitShare != 1; });
    ReportPart p;
    p.blocks.push_back(ReportHeading{text(r.modelHeading)});
    p.blocks.push_back(ReportParagraph{modelStatement(station)});
    p.blocks.push_back(ReportHeading{text(r.readingHeading)});
    for (std::string_view note : {share ? r.noteAtFeedShare : r.noteAtFeed, r.noteLimits,
                                  r.noteSafety, r.noteArea, r.noteMaxPower, r.noteMaps})
        p.blocks.push_back(ReportBullet{text(note)});
    return p;
}

} // namespace kvarn
