#include "outputs/site_table.h"

#include "outputs/report_wording.h"
#include "outputs/result_table.h"
#include "outputs/wording.h"

namespace kvarn {

namespace {

std::string text(std::string_view words) {
    return std::string(words);
}

// Right-aligned in `width` characters as a terminal shows them.
std::string padded(const std::string& cell, std::size_t width) {
    const std::size_t shown = printedWidth(cell);
    return shown >= width ? cell : std::string(width - shown, ' ') + cell;
}

// The places' quotients at the site, names left-aligned.
std::string placesText(const SiteResult& site, const Wording& w, const ReportWording& r) {
    std::size_t nameWidth = printedWidth(text(w.place));
    for (const PlaceQuotients& p : site.places)
        nameWidth = std::max(nameWidth, printedWidth(p.name));
    const auto name = [&](const std::string& cell) {
        return "  " + cell + std::string(nameWidth - printedWidth(cell) + 1, ' ');
    };
    std::string out = name(text(w.place)) + padded(text(r.quotientE), 11) + " " +
                      padded(text(r.quotientH), 11) + "\n";
    for (const PlaceQuotients& p : site.places)
        out += name(p.name) + padded(p.holds ? w.number("%.3f", p.e) : "-", 11) + " " +
               padded(p.holds ? w.number("%.3f", p.h) : "-", 11) + " " +
               text(p.over() ? w.over : w.ok) + "\n";
    return out;
}

} // namespace

std::string siteDistanceText(const SiteResult& site, Language language) {
    const Wording& w = wordingFor(language);
    const ReportWording& r = reportWordingFor(language);
    const ZoneResult& z = site.zone;
    if (!z.problem.empty()) return Wording::fill(r.notKnown, {z.problem});
    std::string out =
        Wording::fill(r.siteDistance, {w.number("%.2f m", z.safetyDistance.value),
                                       w.number("%.2f m", z.horizontalDistance.value)});
    if (!z.empty) out += Wording::fill(r.siteLowest, {w.number("%.2f m", z.lowest.value)});
    return out;
}

std::string siteAreaText(const SiteResult& site, Language language) {
    return areaText(site.zone.problem.empty(), site.area, language);
}

std::string areaText(bool searched, const std::optional<AreaResult>& area, Language language) {
    const Wording& w = wordingFor(language);
    const ReportWording& r = reportWordingFor(language);
    if (!searched || !area) return text(r.areaUnknown);
    const AreaResult& a = *area;
    std::string out = text(a.inside ? r.areaInside : r.areaLeaves);
    if (a.margin)
        out += *a.margin > 0 ? Wording::fill(r.areaMargin, {w.number("%.2f m", *a.margin)})
                             : Wording::fill(r.areaCrosses, {w.number("%.2f m", -*a.margin)});
    else
        out += r.areaNoneBelow;
    return out;
}

std::string siteVerdictLine(const Installation& installation, const SiteAssessment& all) {
    const Station& first = installation.first();
    const ReportWording& r = reportWordingFor(first.language);
    if (all.stopped) return text(r.siteVerdictStopped);
    std::string why = first.plot()
                          ? text(r.siteAreaLabel) + ": " + siteAreaText(all.site, first.language)
                          : criterionLine(first);
    if (!why.empty() && why.back() != '.') why += '.';
    return Wording::fill(all.complies ? r.siteVerdictComplies : r.siteVerdictNot, {why});
}

std::string resultText(const Installation& installation, const SiteAssessment& all, bool colour) {
    const Station& first = installation.first();
    if (installation.antennas.size() == 1) return resultTable(first, all.antennas.front(), colour);
    const Wording& w = wordingFor(first.language);
    const ReportWording& r = reportWordingFor(first.language);
    std::string out =
        Wording::fill(w.stationLine, {first.title,
                                      Wording::fill(r.antennaCount,
                                                    {std::to_string(installation.antennas.size())}),
                                      limitSetTitleIn(first.limits, w)}) +
        "\n" + text(r.operationLabel) + ": " +
        text(all.site.simultaneous ? r.atTheSameTime : r.oneAtATime) + ".\n";
    for (std::size_t k = 0; k < installation.antennas.size(); ++k) {
        const Station& antenna = installation.antennas[k];
        const Assessment& a = all.antennas[k];
        out += "\n" + Wording::fill(w.antennaLine, {antenna.antennaName, wireLine(antenna)}) +
               "\n\n" + antennaTables(antenna, a, colour) + "\n" + safetyDistanceLine(antenna, a) +
               "\n";
        for (const std::string& remark : bandRemarks(a, w))
            out += remark + "\n";
    }
    out += "\n" + text(r.siteDistanceLabel) + ": " + siteDistanceText(all.site, first.language) +
           ".\n";
    if (!all.site.places.empty()) {
        out += text(w.placesHeading) + ":\n" + placesText(all.site, w, r);
        out += text(all.site.simultaneous ? r.sumQuotientsNote : r.siteQuotientsNote) + "\n";
    }
    out += siteVerdictLine(installation, all) + "\n";
    return out + resultNotes(first);
}

} // namespace kvarn
