#include "outputs/report_wording.h"

namespace kvarn {

const ReportWording kEnglishReport{
    .bandName = "{} band",
    .atTheFeed = "{} at the feed",
    .atTheTransmitter = "{} at the transmitter",

    .limitsLine = "Limits: {}: {}",
    .siteMapTitle = "Site: {} antennas sending at the same time, their exposures summed",
    .siteMapLimits = "Quotient sum of the {}: 100 % = the limit of the sum",

    .title = "Title",
    .wire = "Wire",
    .wireFacts = ", {} corners, {}",
    .corners = "Corners",
    .cornersIn = "(x, y, z) in m: ",
    .point3 = "(%g, %g, %g)",
    .feed = "Feed",
    .feedAlong = "{} along the wire from its first corner",
    .wireDiameter = "Wire diameter",
    .ground = "Ground",
    .exactGround = "free space (the model has no ground)",
    .grid = "Grid",
    .gridFacts = "x {} to {} m, y {} to {} m, step {} m: {} x {} points",
    .heights = "Heights",
    .heightsAbove = "{} m above the ground",
    .listSeparator = ", ",
    .listAnd = " and ",
    .standingWaveDescription = "standing-wave model (free space)",
    .shortDescription = "short model (the whole wire as one half-wave radiator, free space)",
    .momentsDescription = "method-of-moments model (the wire's own currents from its feed)",

    .band = "band",
    .transmitter = "transmitter",
    .modeFactor = "mode factor",
    .timeShare = "time share",
    .loss = "loss",
    .atTheFeedColumn = "at the feed",
    .limitSet = "Limit set",
    .source = "Source",

    .assessmentOf = "Exposure assessment of \"{}\"",
    .assessedOn = "Assessed on {} by kvarn {} from the station file {}.",
    .stationHeading = "Station",
    .powerChainHeading = "Power chain",
    .limitsHeading = "Limits",
    .resultsHeading = "Results",
    .zoneHeading = "The safety zone",
    .placesHeading = "Places",
    .verdictHeading = "Verdict",

    .verdictStopped = "{}the computation stopped, so there is no verdict.",
    .verdictComplies = "{}complies, as it would up to {}.",
    .verdictNotComplying = "{}does not comply: {}",
    .verdictAssessedKeep = " The points that could be assessed keep their limits up to {}.",
    .verdictExceeds = "{}EXCEEDS a limit; it would comply up to {}",
    .verdictExceedsBut = ", but ",
    .verdictLeaves = "{}the zone LEAVES the controllable area or touches its boundary.",
    .verdictNoZone = "{}the zone could not be searched, so it cannot be judged against the "
                     "controllable area.",
    .overallStopped = "The computation stopped on some band: the assessment is incomplete.",
    .overallComplies = "Every band complies.",
    .overallNot = "Not every band complies: see the bands marked EXCEEDS or TOO CLOSE.",

    .bandStopped = "The computation stopped: {}. There is no map.",
    .distanceFacts = "{} from the antenna in any direction; from above {} from the wire; lowest "
                     "{} above the ground",
    .notKnown = "not known: {}",
    .verdictLabel = "Verdict",
    .highestE = "Highest E",
    .highestH = "Highest H",
    .safetyDistance = "Safety distance",
    .highestPower = "Highest power",
    .heightsLabel = "Heights",
    .heightsWorst = "{} m; the map shows the worst of them",
    .feedLabel = "Feed",
    .areaLabel = "Controllable area",
    .compliesWord = "complies",
    .doesNotComply = "does not comply: {}",
    .exceedsLimit = "EXCEEDS a limit",
    .leavesAreaWord = "does not comply: the zone LEAVES the controllable area",
    .peakOf = "{} ({} of {}) at x {}, y {}, height {}",
    .tenHighest = "The ten highest points",
    .highest = "The highest points",
    .heightColumn = "height (m)",
    .ofLimitColumn = "% of limit",
    .areaUnknown = "not known: the zone could not be searched",
    .areaInside = "the zone lies inside it",
    .areaLeaves = "the zone LEAVES it",
    .areaMargin = "; margin to the boundary {}",
    .areaCrosses = "; it crosses the boundary by {}",
    .areaNoneBelow = "; no part of the zone lies below the public height",
    .feedFacts = "{}, SWR {} on a 50 ohm line, {} segments, largest current {}",
    .powerAssessed = " ({} assessed)",
    .powerNone = "none: no point of the grid could be assessed",
    .powerOfAssessable = "{} at the transmitter would keep the limits at every point that could "
                         "be assessed",
    .powerComplies = "{} at the transmitter would comply",

    .modelHeading = "The model and its limits",
    .readingHeading = "Reading this report",
    .noteAtFeed = "At the feed: the power the model radiates, the transmitter power times the "
                  "mode factor, less the loss (power x mode factor x 10^(-loss/10)).",
    .noteAtFeedShare = "At the feed: the power the model radiates, the transmitter power times the "
                       "mode factor and the time share, less the loss (power x mode factor x time "
                       "share x 10^(-loss/10)).",
    .noteLimits = "Limit E and limit H are the reference levels at the band's frequency; max E and "
                  "max H the largest field over the grid and all heights, as a share of its limit.",
    .noteSafety = "Safety distance: the largest distance from the antenna (the nearest point of "
                  "any segment), in any direction, of a point of the zone: every point at or "
                  "above the ground where E or H exceeds its limit or where the model cannot "
                  "assess the field. Horizontal: the largest distance of a zone point from the "
                  "wire seen from above. Lowest: the lowest height the zone reaches. They are "
                  "found to 0.05 m by a search around the whole wire, out to where the model's "
                  "own bound proves the field below the limits.",
    .noteArea = "Controllable area (with a site): the own plot at any height and, outside it, the "
                "space from the public height up. The zone must lie inside it and touch its "
                "boundary nowhere; the margin is the smallest horizontal distance between the "
                "part of the zone below the public height and the boundary.",
    .noteMaxPower = "Max power: the highest transmitter power at which every point the model can "
                    "assess keeps its limits, rounded down; a run of the station at that power "
                    "complies there. Points too close to the wire for the model count as over the "
                    "limits at any power: a band with such points does not comply, and its max "
                    "power is that of the other points.",
    .noteMaps = "The maps show the plane from above: each cell is the larger of E and H as a "
                "share of its limit, the worst over the heights, on a colour scale that is the "
                "same on every band. The thick white line with black edges is where the field "
                "reaches 100 % of the limit; hatched cells are too close to the wire for the "
                "model; the triangle marks the highest value outside them.",
    .footer = "kvarn {}: station \"{}\", assessed {}",

    .recordTitle = "Safety distances of a fixed amateur radio station",
    .recordSubtitle = "Near-field computation of the electric and magnetic field strength for the "
                      "declaration of the station",
    .operatorLabel = "Operator",
    .callsignLabel = "Call sign",
    .addressLabel = "Site",
    .dateLabel = "Date",
    .methodLabel = "Method",
    .method = "near-field computation by kvarn; {}",
    .stationFileLabel = "Station file",
    .programLabel = "Program",
    .notGiven = "not given",
    .contentsHeading = "Contents",
    .coverPart = "Cover page and result",
    .antennaPart = "Antenna \"{}\": configuration and results",
    .bandPartTitle = "Field map and zone – antenna \"{}\", {}",
    .bandZonePartTitle = "Zone – antenna \"{}\", {}",
    .sitePart = "The site: site plan, side views and places",
    .closingPartTitle = "The model and reading this report",
    .nameLabel = "Name",
    .antennaCount = "{} antennas",
    .antennasLabel = "Antennas",
    .operationLabel = "Operation",
    .oneAtATime = "one transmitter at a time: the site's zone is the union of the antennas' zones",
    .atTheSameTime =
        "the antennas send at the same time: their exposures add up (26. BImSchV, Anhang 2): at "
        "every point the sum over the antennas of the largest (E/E_limit)² over each antenna's "
        "bands must stay at most 1, and the same for H",
    .siteDistanceLabel = "Site-related safety distance",
    .siteDistance = "{} from the nearest point of any antenna, in any direction; seen from above "
                    "{} from the nearest wire",
    .siteLowest = "; the zone reaches down to {} above the ground",
    .siteAreaLabel = "Controllable area",
    .siteVerdictComplies = "The site complies: {}",
    .siteVerdictNot = "The site DOES NOT comply: {}",
    .siteVerdictStopped =
        "The computation stopped on some band: the assessment of the site is incomplete.",
    .quotientE = "quotient E",
    .quotientH = "quotient H",
    .siteQuotientsNote =
        "Quotient: (E/E_limit)² and (H/H_limit)², the largest over the antennas and their bands; "
        "a place is over when a quotient exceeds 1 or a model cannot assess the field there.",
    .sumQuotientsNote = "Quotient: the sum over the antennas of the largest (E/E_limit)² over "
                        "each antenna's bands, and the same for H; a place is over when a sum "
                        "exceeds 1 or a model cannot assess the field there.",
    .implants = "Outside the safety distance no further assessment for people with active implants "
                "is needed (BEMFV § 10, as the instructions of the Bundesnetzagentur of 2013 say).",
    .simultaneousNote =
        "\"At the same time\" assumes that every antenna sends at once, each on the band that is "
        "worst at the point, at its full power at the feed; the exposures of different frequencies "
        "add as power (the quotients are summed), not as fields.",

    .zoneSubtitle = "Zone: E or H over the {} limits, or not assessable; {}",
    .publicHeightPart = "; public height {}",
    .sitePlanTitle = "Site plan: the zone of the site, every antenna",
    .siteZoneLabel = "the site",
    .planAllBands = "Site plan: the zones of all bands",
    .planBand = "Site plan: {}, {} at the feed",
    .sideAlongX = "Side view looking along x: {}",
    .sideAlongY = "Side view looking along y: {}",
};

} // namespace kvarn
