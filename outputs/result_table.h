#pragma once
// The assessment on the terminal: one line per band, the overall safety
// distance, and what the reader must know about the numbers.

#include <array>
#include <string>
#include <vector>

#include "assessment/band_result.h"
#include "station/station.h"

namespace kvarn {

// The columns of the table, one line per band: also the printed report's.
inline constexpr std::size_t kResultColumns = 9;
extern const std::array<const char*, kResultColumns> kResultHeadings;

// A band's cells under those headings, the verdict last.
std::array<std::string, kResultColumns> resultCells(const BandResult& band);

// The feed of each band of a model that solves the antenna: the columns,
// and a band's cells (empty for a model without a feed).
inline constexpr std::size_t kFeedColumns = 5;
extern const std::array<const char*, kFeedColumns> kFeedHeadings;
std::array<std::string, kFeedColumns> feedCells(const BandResult& band);

// The station in one line: its wire, the model and the ground, the limits.
std::string stationLine(const Station& station);

// The three-dimensional zone of each band: safety distance, horizontal
// distance, lowest height, and with a site whether it lies in the
// controllable area and its margin.
inline constexpr std::size_t kZoneColumns = 6;
extern const std::array<const char*, kZoneColumns> kZoneHeadings;
std::array<std::string, kZoneColumns> zoneCells(const BandResult& band);

// A named place on a band: name, frequency, E, H, their shares, "ok" or
// "OVER" (a limit exceeded, or a point the model cannot assess).
inline constexpr std::size_t kPlaceColumns = 7;
extern const std::array<const char*, kPlaceColumns> kPlaceHeadings;
std::array<std::string, kPlaceColumns> placeCells(const BandResult& band, const PlaceResult& place);
// Its width on a terminal: characters, not bytes.
std::size_t printedWidth(const std::string& text);

// Which criterion the verdict follows: the controllable area with a site,
// the grid without one.
std::string criterionLine(const Station& station);

// "Overall safety distance: 3.5 m from the wire (resolution: ...)."
std::string safetyDistanceLine(const Station& station, const Assessment& assessment);

// A sentence for each band whose computation stopped or whose safety
// distance is only a lower bound.
std::vector<std::string> bandRemarks(const Assessment& assessment);

// What the percentages and the highest power mean.
inline constexpr const char* kResultNote =
    "Percentages are of the reference levels at each band's frequency; \"max power\" is the "
    "highest transmitter power at which every assessable point keeps its limits, rounded down.";

// What the grid's figures mean when the verdict follows the site.
inline constexpr const char* kSiteNote =
    "With a site the verdict follows the zone against the controllable area; \"max E\", \"max H\" "
    "and \"max power\" speak of the grid's points, where people stand.";

// The text to print on standard output; colour marks the verdicts with
// terminal colours.
std::string resultTable(const Station& station, const Assessment& assessment, bool colour);

// A transmitter power for people, with the digits of its format: "722 W",
// "12.5 kW", "0.250 W", "unlimited" (infinite), "-" (not known: NaN).
std::string powerText(double watts);

// A band's verdict: "complies", "EXCEEDS" (a field over its limit), "TOO
// CLOSE" (only points the model cannot assess), "stopped".
std::string verdictWord(const BandResult& band);

// "12 points lie too close to the wire for the model, ...".
std::string tooCloseText(long points);

} // namespace kvarn
