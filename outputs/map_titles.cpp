#include "outputs/map_titles.h"

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

std::string frequencyText(double frequency) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3f MHz", frequency);
    return buffer;
}

} // namespace

std::string amateurBand(double frequency) {
    for (const AmateurBand& b : kBands)
        if (frequency >= b.from && frequency <= b.to) return b.name;
    return "";
}

std::string bandHeading(double frequency) {
    const std::string band = amateurBand(frequency);
    return (band.empty() ? "" : band + " band: ") + frequencyText(frequency);
}

std::string mapTitle(double frequency, double feedPower) {
    return bandHeading(frequency) + ", " + powerText(feedPower) + " at the feed";
}

std::string mapLimitLine(LimitSet set, const ReferenceLevels& levels) {
    char values[64];
    std::snprintf(values, sizeof values, "E %.1f V/m, H %.3f A/m", levels.e, levels.h);
    return "Limits: " + std::string(limitSetTitle(set)) + ": " + values;
}

void titleMaps(Assessment& assessment, const Station& station) {
    for (BandResult& b : assessment.bands) {
        b.map.title = mapTitle(b.band.frequency, b.feedPower) + ", " + modelAndGround(station);
        b.map.limitLine = mapLimitLine(station.limits, b.limits);
        if (!isExact(station.model)) {
            const CornerPoint feed = feedPoint(station);
            b.map.feed = WirePoint{feed.x, feed.y, feed.z};
        }
    }
}

} // namespace kvarn
