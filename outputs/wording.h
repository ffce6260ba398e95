#pragma once
// The words of the record in its two languages: every text the terminal
// table, the maps, the drawings and the printed report say, English and
// German (the language of a German declaration), and numbers with the
// language's decimal mark. Patterns hold "{}" where a value goes, filled in
// order by fill(). A wording misses no text: each language sets every
// member, which the compiler checks.

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "limits/reference_levels.h"
#include "station/station.h"

namespace kvarn {

struct Wording {
    Language language;
    char decimal; // '.' or ','

    // Verdicts and short words.
    std::string_view unlimited, stopped, complies, leavesArea, noZone, tooClose, exceeds, yes, no,
        ok, over, noZoneBelow, above100;
    // The table of the bands, of the feed, of the zone and of the places.
    std::string_view frequency, atFeed, limitE, limitH, maxE, maxH, safety, maxPower, verdict;
    std::string_view feedImpedance, swr50, segments, maxCurrent;
    std::string_view horizontal, lowestWord, insideTheArea, margin;
    std::string_view place, placesHeading;
    // The lines under the tables.
    std::string_view distanceLine, distanceLowest, exactZoneFloor, criterionArea, criterionGrid;
    std::string_view remarkStopped, remarkNoneAssessed, remarkPowerOfOthers, remarkNoZone;
    std::string_view tooCloseOne, tooCloseMany, resultNote, siteNote;
    // The wire and the station in one line.
    std::string_view stationLine, antennaLine, ofWire, fedAt, inFreeSpace;
    // The models and the grounds: the model's title, the ground as a noun
    // and after "in"/"over", the named soils.
    std::string_view standingWaveModel, shortModel, momentsModel, momentsShort;
    std::string_view freeSpace, perfectGround, realGround;
    std::string_view inFreeSpaceGround, overPerfectGround, overRealGround;
    std::string_view soilValues, soilPoor, soilAverage, soilGood, soilSea, soilCity;

    // A number (or several) by a printf pattern, with this language's
    // decimal mark.
    template <typename... Values> std::string number(const char* pattern, Values... values) const {
        char buffer[192];
        std::snprintf(buffer, sizeof buffer, pattern, values...);
        return withDecimal(buffer);
    }
    // The decimal points of the numbers in a text made this language's.
    std::string withDecimal(std::string text) const;
    // The pattern with each "{}" replaced by the next value.
    static std::string fill(std::string_view pattern, std::initializer_list<std::string> values);
};

extern const Wording kEnglish;
extern const Wording kGerman;
const Wording& wordingFor(Language language);

// The model's title: "method-of-moments model".
std::string modelTitleIn(ModelKind model, const Wording& w);
// The ground as a noun, "real ground: average soil (relative permittivity
// 13, conductivity 0.005 S/m)", and after a preposition, "over real
// ground: ...", "in free space". An exact model is always in free space.
std::string groundTextIn(const Station& station, const Wording& w);
std::string groundPhrase(const Station& station, const Wording& w);
// "method of moments over real ground: ...", "standing-wave model in free space".
std::string modelAndGroundIn(const Station& station, const Wording& w);
// The limit set's title and the regulations it cites.
std::string limitSetTitleIn(LimitSet set, const Wording& w);
std::string limitSetSourceIn(LimitSet set, const Wording& w);

} // namespace kvarn
