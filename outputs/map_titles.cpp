#include "outputs/map_titles.h"

#include <algorithm>

#include "outputs/report_wording.h"

#include <cstdio>

#include "outputs/result_table.h"
#include "station/model_names.h"
#include "station/moment_spec.h"

namespace kvarn {

namespace {

// The bands by their edges in MHz, wide enough for every region's
// allocation, so that a station anywhere finds its band named.
struct AmateurBand {
    double from, to;
    const char* name;
};
constexpr AmateurBand kBands[] = {
    {0.1357, 0.1378, "2200 m"}, {0.472, 0.479, "630 m"}, {1.8, 2.0, "160 m"},
    {3.5, 4.0, "80 m"},         {5.25, 5.45, "60 m"},    {7.0, 7.3, "40 m"},
    {10.1, 10.15, "30 m"},      {14.0, 14.35, "20 m"},   {18.068, 18.168, "17 m"},
    {21.0, 21.45, "15 m"},      {24.89, 24.99, "12 m"},  {28.0, 29.7, "10 m"},
    {50.0, 54.0, "6 m"},        {69.9, 70.5, "4 m"},     {144.0, 148.0, "2 m"},
};

} // namespace

std::string amateurBand(double frequency) {
    for (const AmateurBand& b : kBands)
        if (frequency >= b.from && frequency <= b.to) return b.name;
    return "";
}

std::string bandNameIn(const std::string& band, Language language) {
    const ReportWording& r = reportWordingFor(language);
    std::string name = band;
    // "80 m band", "80-m-Band".
    if (language == Language::de) std::replace(name.begin(), name.end(), ' ', '-');
    return Wording::fill(r.bandName, {name});
}

std::string bandHeading(double frequency, Language language) {
    const std::string band = amateurBand(frequency);
    const std::string mhz = wordingFor(language).number("%.3f MHz", frequency);
    return band.empty() ? mhz : bandNameIn(band, language) + ": " + mhz;
}

std::string mapTitle(double frequency, double feedPower, Language language) {
    return bandHeading(frequency, language) + ", " +
           Wording::fill(reportWordingFor(language).atTheFeed,
                         {powerText(feedPower, wordingFor(language))});
}

std::string mapLimitLine(LimitSet set, const ReferenceLevels& levels, Language language) {
    const Wording& w = wordingFor(language);
    return Wording::fill(
        reportWordingFor(language).limitsLine,
        {limitSetTitleIn(set, w), w.number("E %.1f V/m, H %.3f A/m", levels.e, levels.h)});
}

void titleMaps(Assessment& assessment, const Station& station) {
    const Wording& w = wordingFor(station.language);
    for (BandResult& b : assessment.bands) {
        b.map.title = mapTitle(b.band.frequency, b.feedPower, station.language) + ", " +
                      modelAndGroundIn(station, w);
        b.map.limitLine = mapLimitLine(station.limits, b.limits, station.language);
        if (!isExact(station.model)) {
            const CornerPoint feed = feedPoint(station);
            b.map.feed = WirePoint{feed.x, feed.y, feed.z};
        }
    }
}

FieldMap siteMap(const Installation& installation, const SiteAssessment& all) {
    const Station& first = installation.first();
    const ReportWording& r = reportWordingFor(first.language);
    FieldMap map = all.site.map;
    map.title = Wording::fill(r.siteMapTitle, {std::to_string(installation.antennas.size())});
    map.limitLine =
        Wording::fill(r.siteMapLimits, {limitSetTitleIn(first.limits, wordingFor(first.language))});
    // The first antenna's wire is the map's; the others are drawn too.
    map.corners.clear();
    for (const CornerPoint& c : first.corners)
        map.corners.push_back({c.x, c.y, c.z});
    return map;
}

} // namespace kvarn
