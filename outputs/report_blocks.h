#pragma once
// The pieces the printed reports are made of, worded in the station's
// language: an antenna's facts, power chain, limits, results, zone and
// places; each band's verdict and page; what the model can and cannot
// tell, and how to read the report.

#include <string>
#include <vector>

#include "assessment/band_result.h"
#include "drawing/report_document.h"
#include "station/station.h"

namespace kvarn {

// The antenna: its wire, feed, ground, grid and heights.
ReportFacts stationFacts(const Station& station);

// An antenna's figures under their headings: the power chain, the limits,
// the results with their remarks and notes, the zones and the places.
std::vector<ReportBlock> antennaFigures(const Station& station, const Assessment& assessment);
// Transmitter to feed, one row per band; the time share only where some
// band sends less than all the time (always in German, where the
// declaration asks for it).
ReportTable powerChainTable(const Station& station, const Assessment& assessment);
// The limits of each band.
ReportTable limitTable(const Station& station, const Assessment& assessment);
// The terminal's table of the bands, rows that need attention bold.
ReportTable resultsTable(const Station& station, const Assessment& assessment);
// The zone of each band, with the controllable area when there is a site.
ReportTable zoneTable(const Station& station, const Assessment& assessment);
// The named places on every band.
ReportTable placesTable(const Station& station, const Assessment& assessment);

// "80 m band, 3.650 MHz, 750 W at the transmitter: complies, ...".
std::string bandVerdictLine(const Station& station, const BandResult& band);
// "Every band complies.", or what keeps it from it.
std::string overallVerdict(const Station& station, const Assessment& assessment);

// A band's page: its map, facts, highest points and, with a site, its
// site plan and side views.
ReportPart bandPart(const Station& station, const BandResult& band);
// The model statement and the notes on reading the report.
ReportPart closingPart(const Station& station);

// "0.5, 1.5 and 2", or "0,5; 1,5 und 2" in German.
std::string listOf(const std::vector<double>& values, Language language);

} // namespace kvarn
