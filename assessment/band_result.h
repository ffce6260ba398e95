#pragma once
// What the assessment finds for a band and for the whole station.

#include <optional>
#include <string>
#include <vector>

#include "assessment/field_model.h"
#include "drawing/field_map.h"
#include "limits/reference_levels.h"
#include "station/station.h"

namespace kvarn {

// The largest value of a field over the grid and all heights, where it lies
// and what share of its limit it is.
struct FieldPeak {
    double value = 0;                // V/m or A/m
    double percent = 0;              // of the reference level
    double x = 0, y = 0, height = 0; // m
};

// A point of the grid at one height, with both fields.
struct ExposurePoint {
    double x = 0, y = 0, height = 0; // m
    double e = 0;                    // V/m
    double h = 0;                    // A/m
    double percent = 0;              // the larger share of E and H of their limits
};

// A point of the zone and the value it reaches (a distance or a height).
struct ZoneExtreme {
    double value = 0; // m
    Point3 at;        // m
};

// Outlines of a projection of the zone: closed polygons in the view's two
// coordinates (x y from above; y z looking along x; x z looking along y).
using ZoneOutlines = std::vector<std::vector<std::pair<double, double>>>;

// The three-dimensional zone of a band: every point at or above the ground
// where E or H exceeds its limit or the model cannot assess it.
struct ZoneResult {
    std::string problem;            // why it could not be searched; empty when it was
    bool empty = true;              // no such point: the extremes are 0
    ZoneExtreme safetyDistance;     // the largest distance from the antenna
    ZoneExtreme horizontalDistance; // the largest distance from the antenna's plan, from above
    ZoneExtreme lowest;             // the lowest height it reaches
    double reach = 0;               // m: the search went out this far
    // For the drawings, when asked for.
    ZoneOutlines top, topBelow, alongX, alongY;
};

// The zone against the controllable area of a site.
struct AreaResult {
    bool inside = true;                                 // the zone lies in the controllable area
    std::optional<double> margin;                       // m, negative when it crosses; none when no
                                                        // zone lies below the public height
    std::pair<double, double> zonePoint, boundaryPoint; // where the margin is smallest, x y
};

// A named place on one band.
struct PlaceResult {
    std::string name;
    Point3 at;
    FieldValue field;
    double ePercent = 0, hPercent = 0; // of the limits
    bool over = false;                 // a limit exceeded, or the model cannot assess it
};

struct BandResult {
    Band band;
    std::size_t index = 0;              // of the band in the station file, from 0
    double feedPower = 0;               // W, what the model radiates
    ReferenceLevels limits{};           // at the band's frequency
    FieldPeak e;                        // V/m
    FieldPeak h;                        // A/m
    long tooClosePoints = 0;            // points the model cannot assess: they count as over
    bool complies = true;               // with a site: the zone inside the controllable area
                                        // with a margin; without: both peaks at most 100 %
                                        // and no grid point too close
    double highestPower = 0;            // W at the transmitter at which every assessable
                                        // point keeps its limits, rounded down as shown;
                                        // infinite: no field at all; NaN: no point assessable
    std::vector<ExposurePoint> highest; // the ten highest points, highest first
    FieldMap map;                       // the worst share over the heights, point by point
    std::optional<FeedFacts> feed;      // as a model that solves the antenna found it
    ZoneResult zone;                    // in three dimensions
    std::optional<AreaResult> area;     // with a site
    std::vector<PlaceResult> places;    // the station's places, in order
    std::string stop;                   // why the computation stopped; empty when it did not

    // No point over a limit, but points too close to assess.
    bool onlyTooClose() const { return tooClosePoints > 0 && e.percent <= 100 && h.percent <= 100; }
};

struct Assessment {
    std::vector<BandResult> bands;
    double safetyDistance = 0;     // m, the largest over the bands' zones
    double horizontalDistance = 0; // m, likewise
    std::optional<double> lowest;  // m, the lowest any zone reaches; none without a zone
    bool insideArea = true;        // with a site: every zone in the controllable area
    std::optional<double> margin;  // m, the smallest over the bands, with a site
    bool complies = true;          // every band complies
    bool stopped = false;          // some band's computation stopped
};

} // namespace kvarn
