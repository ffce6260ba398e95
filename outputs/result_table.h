#pragma once
// The assessment on the terminal: one line per band, the overall safety
// distance, and what the reader must know about the numbers; in the
// station's language.

#include <array>
#include <string>
#include <vector>

#include "assessment/band_result.h"
#include "outputs/wording.h"
#include "station/station.h"

namespace kvarn {

// The columns of the table, one line per band: also the printed report's.
inline constexpr std::size_t kResultColumns = 9;
std::array<std::string, kResultColumns> resultHeadings(const Wording& w);

// A band's cells under those headings, the verdict last. Without a grid
// (a site may leave it out) there are no highest values to show.
std::array<std::string, kResultColumns> resultCells(const BandResult& band, const Wording& w,
                                                    bool hasGrid = true);

// The feed of each band of a model that solves the antenna: the columns,
// and a band's cells (empty for a model without a feed).
inline constexpr std::size_t kFeedColumns = 5;
std::array<std::string, kFeedColumns> feedHeadings(const Wording& w);
std::array<std::string, kFeedColumns> feedCells(const BandResult& band, const Wording& w);

// The wire in words: its length, the model, the feed and the ground.
std::string wireLine(const Station& station);
// The station in one line: its wire, the model and the ground, the limits.
std::string stationLine(const Station& station);

// The three-dimensional zone of each band: safety distance, horizontal
// distance, lowest height, and with a site whether it lies in the
// controllable area and its margin.
inline constexpr std::size_t kZoneColumns = 6;
std::array<std::string, kZoneColumns> zoneHeadings(const Wording& w);
std::array<std::string, kZoneColumns> zoneCells(const BandResult& band, const Wording& w);

// A named place on a band: name, frequency, E, H, their shares, "ok" or
// "OVER" (a limit exceeded, or a point the model cannot assess).
inline constexpr std::size_t kPlaceColumns = 7;
std::array<std::string, kPlaceColumns> placeHeadings(const Wording& w);
std::array<std::string, kPlaceColumns> placeCells(const BandResult& band, const PlaceResult& place,
                                                  const Wording& w);
// Its width on a terminal: characters, not bytes.
std::size_t printedWidth(const std::string& text);

// Which criterion the verdict follows: the controllable area with a site,
// the grid without one.
std::string criterionLine(const Station& station);

// "Overall safety distance: 3.5 m from the wire (resolution: ...)."
std::string safetyDistanceLine(const Station& station, const Assessment& assessment);

// A sentence for each band whose computation stopped or whose safety
// distance is only a lower bound.
std::vector<std::string> bandRemarks(const Assessment& assessment, const Wording& w);

// The text to print on standard output for a station of one antenna;
// colour marks the verdicts with terminal colours.
std::string resultTable(const Station& station, const Assessment& assessment, bool colour);
// Its tables alone: bands, feed, zone, places.
std::string antennaTables(const Station& station, const Assessment& assessment, bool colour);
// What the percentages and the highest power mean, and with a site what
// the grid's figures then speak of.
std::string resultNotes(const Station& station);

// A transmitter power for people, with the digits of its format: "722 W",
// "12.5 kW", "0.250 W", "unlimited" (infinite), "-" (not known: NaN).
std::string powerText(double watts, const Wording& w);

// A band's verdict: "complies", "EXCEEDS" (a field over its limit), "TOO
// CLOSE" (only points the model cannot assess), "stopped".
std::string verdictWord(const BandResult& band, const Wording& w);

// "12 points lie too close to the wire for the model, ...".
std::string tooCloseText(long points, const Wording& w);

} // namespace kvarn
