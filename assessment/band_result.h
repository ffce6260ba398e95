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

struct BandResult {
    Band band;
    std::size_t index = 0;              // of the band in the station file, from 0
    double feedPower = 0;               // W, what the model radiates
    ReferenceLevels limits{};           // at the band's frequency
    FieldPeak e;                        // V/m
    FieldPeak h;                        // A/m
    long tooClosePoints = 0;            // points the model cannot assess: they count as over
    bool complies = true;               // both peaks at most 100 %, and no point too close
    double highestPower = 0;            // W at the transmitter at which every assessable
                                        // point keeps its limits, rounded down as shown;
                                        // infinite: no field at all; NaN: no point assessable
    double safetyDistance = 0;          // m from the wire of the farthest point over a limit
    bool zoneOnEdge = false;            // such a point lies on the grid's edge: a lower bound
    std::vector<ExposurePoint> highest; // the ten highest points, highest first
    FieldMap map;                       // the worst share over the heights, point by point
    std::optional<FeedFacts> feed;      // as a model that solves the antenna found it
    std::string stop;                   // why the computation stopped; empty when it did not

    // No point over a limit, but points too close to assess.
    bool onlyTooClose() const { return tooClosePoints > 0 && e.percent <= 100 && h.percent <= 100; }
};

struct Assessment {
    std::vector<BandResult> bands;
    double safetyDistance = 0; // m, the largest over the bands
    bool zoneOnEdge = false;   // that distance is a lower bound
    bool complies = true;      // every band complies
    bool stopped = false;      // some band's computation stopped
};

} // namespace kvarn
