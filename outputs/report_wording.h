#pragma once
// The words of the printed report, the maps' titles and the drawings in
// the two languages of the record; patterns as in the table's wording.

#include <string_view>

#include "outputs/wording.h"

namespace kvarn {

struct ReportWording {
    // Band names and headings: "80 m band", "80-m-Band".
    std::string_view bandName, atTheFeed, atTheTransmitter;
    // Map titles.
    std::string_view limitsLine, siteMapTitle, siteMapLimits;
    // The station's facts.
    std::string_view title, wire, wireFacts, corners, cornersIn, point3, feed, feedAlong,
        wireDiameter, ground, exactGround, grid, gridFacts, heights, heightsAbove, listSeparator,
        listAnd;
    std::string_view standingWaveDescription, shortDescription, momentsDescription;
    // The power chain and the limits.
    std::string_view band, transmitter, modeFactor, timeShare, loss, atTheFeedColumn;
    std::string_view limitSet, source;
    // Headings of the first part.
    std::string_view assessmentOf, assessedOn, stationHeading, powerChainHeading, limitsHeading,
        resultsHeading, zoneHeading, placesHeading, verdictHeading;
    // The verdicts.
    std::string_view verdictStopped, verdictComplies, verdictNotComplying, verdictAssessedKeep,
        verdictExceeds, verdictExceedsBut, verdictLeaves, verdictNoZone;
    std::string_view overallStopped, overallComplies, overallNot;
    // A band's page.
    std::string_view bandStopped, distanceFacts, notKnown, verdictLabel, highestE, highestH,
        safetyDistance, highestPower, heightsLabel, heightsWorst, feedLabel, areaLabel,
        compliesWord, doesNotComply, exceedsLimit, leavesAreaWord, peakOf, tenHighest, highest,
        heightColumn, ofLimitColumn;
    std::string_view areaUnknown, areaInside, areaLeaves, areaMargin, areaCrosses, areaNoneBelow;
    std::string_view feedFacts, powerAssessed, powerNone, powerOfAssessable, powerComplies;
    // The closing part.
    std::string_view modelHeading, readingHeading;
    std::string_view noteAtFeed, noteAtFeedShare, noteLimits, noteSafety, noteArea, noteMaxPower,
        noteMaps;
    std::string_view footer;
    // The record to file: its cover, its parts, the site.
    std::string_view recordTitle, recordSubtitle, operatorLabel, callsignLabel, addressLabel,
        dateLabel, methodLabel, method, stationFileLabel, programLabel, notGiven, contentsHeading,
        coverPart, antennaPart, bandPartTitle, bandZonePartTitle, sitePart, closingPartTitle,
        nameLabel, antennaCount, antennasLabel, operationLabel, oneAtATime, atTheSameTime,
        siteDistanceLabel, siteDistance, siteLowest, siteAreaLabel, siteVerdictComplies,
        siteVerdictNot, siteVerdictStopped, quotientE, quotientH, siteQuotientsNote,
        sumQuotientsNote, implants, simultaneousNote;
    // The drawings.
    std::string_view zoneSubtitle, publicHeightPart, sitePlanTitle, siteZoneLabel, planAllBands,
        planBand, sideAlongX, sideAlongY;
};

extern const ReportWording kEnglishReport;
extern const ReportWording kGermanReport;
const ReportWording& reportWordingFor(Language language);

} // namespace kvarn
