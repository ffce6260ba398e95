#include "outputs/wording.h"

namespace kvarn {

const Wording kEnglish{
    .language = Language::en,
    .decimal = '.',

    .unlimited = "unlimited",
    .stopped = "stopped",
    .complies = "complies",
    .leavesArea = "LEAVES AREA",
    .noZone = "NO ZONE",
    .tooClose = "TOO CLOSE",
    .exceeds = "EXCEEDS",
    .yes = "yes",
    .no = "NO",
    .ok = "ok",
    .over = "OVER",
    .noZoneBelow = "no zone below",
    .above100 = "above 100",

    .frequency = "frequency",
    .atFeed = "at feed",
    .limitE = "limit E",
    .limitH = "limit H",
    .maxE = "max E",
    .maxH = "max H",
    .safety = "safety",
    .maxPower = "max power",
    .verdict = "verdict",
    .feedImpedance = "feed impedance",
    .swr50 = "SWR 50 ohm",
    .segments = "segments",
    .maxCurrent = "max current",
    .horizontal = "horizontal",
    .lowestWord = "lowest",
    .insideTheArea = "inside the area",
    .margin = "margin",
    .place = "place",
    .placesHeading = "Places",

    .distanceLine = "Overall safety distance: {} from the antenna in any direction; seen from "
                    "above {} from the wire",
    .distanceLowest = "; the zone reaches down to {} above the ground",
    .exactZoneFloor = " The exact model cannot assess points within 2.1 m of its elements: its "
                      "zone is never thinner than that.",
    .criterionArea = "Criterion: every band's zone lies inside the controllable area (the plot at "
                     "any height, outside it from {} above the ground up) and touches its "
                     "boundary nowhere.",
    .criterionGrid = "Criterion: no point of the grid exceeds a limit or lies too close to the "
                     "antenna to assess (give a [site] to judge the zone against the "
                     "controllable area).",
    .remarkStopped = "{}: the computation stopped: {}.",
    .remarkNoneAssessed = " No point of the grid could be assessed.",
    .remarkPowerOfOthers = " \"max power\" is the power at which the points that could be "
                           "assessed reach their limits.",
    .remarkNoZone = "{}: the zone could not be searched: {}.",
    .tooCloseOne = "1 point lies too close to the wire for the model, which cannot assess it; it "
                   "counts as over the limits at any power.",
    .tooCloseMany = "{} points lie too close to the wire for the model, which cannot assess them; "
                    "they count as over the limits at any power.",
    .resultNote = "Percentages are of the reference levels at each band's frequency; \"max "
                  "power\" is the highest transmitter power at which every assessable point "
                  "keeps its limits, rounded down.",
    .siteNote = "With a site the verdict follows the zone against the controllable area; \"max "
                "E\", \"max H\" and \"max power\" speak of the grid's points, where people stand.",

    .stationLine = "Station \"{}\": {}; limits: {}",
    .antennaLine = "Antenna \"{}\": {}",
    .ofWire = " of wire, ",
    .fedAt = " fed {} from the first corner, {} wire, {}",
    .inFreeSpace = " in free space",

    .standingWaveModel = "standing-wave model",
    .shortModel = "short model",
    .momentsModel = "method-of-moments model",
    .momentsShort = "method of moments",
    .freeSpace = "free space",
    .perfectGround = "perfect ground",
    .realGround = "real ground",
    .inFreeSpaceGround = "in free space",
    .overPerfectGround = "over perfect ground",
    .overRealGround = "over real ground",
    .soilValues = "relative permittivity {}, conductivity {} S/m",
    .soilPoor = "poor soil",
    .soilAverage = "average soil",
    .soilGood = "good soil",
    .soilSea = "sea soil",
    .soilCity = "city soil",
};

} // namespace kvarn
