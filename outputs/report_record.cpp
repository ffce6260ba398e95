#include "outputs/report_record.h"

#include <set>

#include "outputs/drawing_wording.h"
#include "outputs/map_titles.h"
#include "outputs/model_statement.h"
#include "outputs/report_blocks.h"
#include "outputs/report_wording.h"
#include "outputs/result_table.h"
#include "outputs/site_drawings.h"
#include "outputs/site_table.h"
#include "outputs/wording.h"

namespace kvarn {

namespace {

std::string text(std::string_view words) {
    return std::string(words);
}

std::string orNotGiven(const std::string& value, const ReportWording& r) {
    return value.empty() ? text(r.notGiven) : value;
}

// The antenna as the record names it: its name, or the station's title
// for a station of one unnamed antenna.
std::string antennaName(const Station& antenna) {
    return antenna.antennaName.empty() ? antenna.title : antenna.antennaName;
}

// Each antenna's model and ground: "Dipol: method of moments over ...".
std::string methodText(const Installation& installation, const Wording& w) {
    std::string out;
    for (const Station& antenna : installation.antennas) {
        if (!out.empty()) out += "; ";
        if (installation.antennas.size() > 1) out += antennaName(antenna) + ": ";
        out += modelAndGroundIn(antenna, w);
    }
    return out;
}

// An antenna's zone over all its bands.
std::string antennaDistanceText(const Assessment& a, const Wording& w, const ReportWording& r) {
    return Wording::fill(r.distanceFacts, {w.number("%.2f m", a.safetyDistance),
                                           w.number("%.2f m", a.horizontalDistance),
                                           a.lowest ? w.number("%.2f m", *a.lowest) : "-"});
}

ReportPart coverPart(const Installation& installation, const SiteAssessment& all,
                     const ReportContext& context) {
    const Station& first = installation.first();
    const Wording& w = wordingFor(first.language);
    const ReportWording& r = reportWordingFor(first.language);
    const Site site = first.site.value_or(Site{});
    ReportPart p;
    p.title = text(r.coverPart);
    p.blocks.push_back(ReportHeading{text(r.recordTitle), true});
    p.blocks.push_back(ReportParagraph{text(r.recordSubtitle)});
    p.blocks.push_back(ReportFacts{{
        {text(r.title), first.title},
        {text(r.operatorLabel), orNotGiven(site.operatorName, r)},
        {text(r.callsignLabel), orNotGiven(site.callsign, r)},
        {text(r.addressLabel), orNotGiven(site.address, r)},
        {text(r.dateLabel), dateIn(context.date, first.language)},
        {text(r.methodLabel), Wording::fill(r.method, {methodText(installation, w)})},
        {text(r.limitSet), limitSetTitleIn(first.limits, w)},
        {text(r.stationFileLabel), context.stationFile},
        {text(r.programLabel), "kvarn " KVARN_VERSION},
    }});
    p.blocks.push_back(ReportHeading{text(r.contentsHeading)});
    p.blocks.push_back(ReportContents{});
    p.blocks.push_back(ReportHeading{text(r.verdictHeading)});
    ReportFacts result;
    if (installation.antennas.size() > 1)
        result.items.push_back(
            {text(r.operationLabel), text(all.site.simultaneous ? r.atTheSameTime : r.oneAtATime)});
    result.items.push_back({text(r.siteDistanceLabel), siteDistanceText(all.site, first.language)});
    for (std::size_t k = 0; k < installation.antennas.size(); ++k)
        result.items.push_back(
            {text(r.safetyDistance) + " (" + antennaName(installation.antennas[k]) + ")",
             antennaDistanceText(all.antennas[k], w, r)});
    p.blocks.push_back(result);
    p.blocks.push_back(ReportParagraph{siteVerdictLine(installation, all), true});
    p.blocks.push_back(ReportParagraph{text(r.implants)});
    return p;
}

ReportPart antennaPart(const Station& antenna, const Assessment& assessment) {
    const ReportWording& r = reportWordingFor(antenna.language);
    ReportPart p;
    p.title = Wording::fill(r.antennaPart, {antennaName(antenna)});
    p.blocks.push_back(ReportHeading{p.title, true});
    ReportFacts facts = stationFacts(antenna);
    if (!antenna.antennaName.empty())
        facts.items.front() = {text(r.nameLabel), antenna.antennaName};
    p.blocks.push_back(facts);

    for (ReportBlock& block : antennaFigures(antenna, assessment))
        p.blocks.push_back(std::move(block));
    p.blocks.push_back(ReportHeading{text(r.verdictHeading)});
    for (const BandResult& b : assessment.bands)
        p.blocks.push_back(ReportBullet{bandVerdictLine(antenna, b)});
    p.blocks.push_back(ReportParagraph{overallVerdict(antenna, assessment), true});
    return p;
}

ReportTable sitePlacesTable(const Station& first, const SiteResult& site) {
    const Wording& w = wordingFor(first.language);
    const ReportWording& r = reportWordingFor(first.language);
    ReportTable t{
        {text(w.place), "x (m)", "y (m)", "z (m)", text(r.quotientE), text(r.quotientH), ""},
        std::vector<Align>(7, Align::Right),
        {}};
    t.align[0] = Align::Left;
    for (const PlaceQuotients& p : site.places) {
        const bool known = p.holds;
        t.rows.push_back({{p.name, w.number("%g", p.at.x), w.number("%g", p.at.y),
                           w.number("%g", p.at.z), known ? w.number("%.3f", p.e) : "-",
                           known ? w.number("%.3f", p.h) : "-", text(p.over() ? w.over : w.ok)},
                          p.over()});
    }
    return t;
}

ReportPart sitePart(const Installation& installation, const SiteAssessment& all) {
    const Station& first = installation.first();
    const ReportWording& r = reportWordingFor(first.language);
    ReportPart p;
    p.title = text(r.sitePart);
    p.blocks.push_back(ReportHeading{p.title, true});
    std::string names;
    for (const Station& antenna : installation.antennas)
        names += (names.empty() ? "" : ", ") + antennaName(antenna);
    ReportFacts facts{{{text(r.antennasLabel), names}}};
    if (installation.antennas.size() > 1)
        facts.items.push_back(
            {text(r.operationLabel), text(all.site.simultaneous ? r.atTheSameTime : r.oneAtATime)});
    facts.items.push_back({text(r.siteDistanceLabel), siteDistanceText(all.site, first.language)});
    if (all.site.area)
        facts.items.push_back({text(r.siteAreaLabel), siteAreaText(all.site, first.language)});
    p.blocks.push_back(facts);
    p.blocks.push_back(ReportParagraph{siteVerdictLine(installation, all), true});
    if (!all.site.places.empty()) {
        p.blocks.push_back(ReportHeading{text(r.placesHeading)});
        p.blocks.push_back(sitePlacesTable(first, all.site));
        p.blocks.push_back(ReportParagraph{
            text(all.site.simultaneous ? r.sumQuotientsNote : r.siteQuotientsNote)});
    }
    for (ReportBlock& block : siteDrawingBlocks(installation, all))
        p.blocks.push_back(std::move(block));
    return p;
}

ReportPart recordClosingPart(const Installation& installation) {
    const Station& first = installation.first();
    const ReportWording& r = reportWordingFor(first.language);
    ReportPart p = closingPart(first);
    p.title = text(r.closingPartTitle);
    // Every model the antennas use has its statement, once.
    std::set<std::string> said{modelStatement(first)};
    std::size_t at = 2; // after the heading and the first statement
    for (const Station& antenna : installation.antennas)
        if (said.insert(modelStatement(antenna)).second)
            p.blocks.insert(p.blocks.begin() + static_cast<long>(at++),
                            ReportParagraph{modelStatement(antenna)});
    if (installation.simultaneous()) p.blocks.push_back(ReportBullet{text(r.simultaneousNote)});
    p.blocks.push_back(ReportBullet{text(r.implants)});
    return p;
}

} // namespace

std::string dateIn(const std::string& isoDate, Language language) {
    if (language != Language::de || isoDate.size() != 10 || isoDate[4] != '-' || isoDate[7] != '-')
        return isoDate;
    return isoDate.substr(8, 2) + "." + isoDate.substr(5, 2) + "." + isoDate.substr(0, 4);
}

ReportDocument recordDocument(const Installation& installation, const SiteAssessment& all,
                              const ReportContext& context) {
    const Station& first = installation.first();
    const ReportWording& r = reportWordingFor(first.language);
    ReportDocument d;
    d.title = text(r.recordTitle) + ": " + first.title;
    d.footer =
        Wording::fill(r.footer, {KVARN_VERSION, first.title, dateIn(context.date, first.language)});
    d.words = drawingWordsFor(first.language);
    d.parts.push_back(coverPart(installation, all, context));
    for (std::size_t k = 0; k < installation.antennas.size(); ++k) {
        const Station& antenna = installation.antennas[k];
        d.parts.push_back(antennaPart(antenna, all.antennas[k]));
        for (const BandResult& b : all.antennas[k].bands) {
            ReportPart band = bandPart(antenna, b);
            // Without a grid the band has no field map, only its zone.
            band.title = Wording::fill(
                antenna.hasGrid ? r.bandPartTitle : r.bandZonePartTitle,
                {antennaName(antenna), bandHeading(b.band.frequency, antenna.language)});
            d.parts.push_back(std::move(band));
        }
    }
    if (installation.antennas.size() > 1 || first.plot() || !first.places.empty())
        d.parts.push_back(sitePart(installation, all));
    d.parts.push_back(recordClosingPart(installation));
    return d;
}

} // namespace kvarn
