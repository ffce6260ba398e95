#pragma once
// The scan of a pass: every point of the grid, rows from the top down and
// each row from the left, computed and handed to the sinks in that order.

#include <cstdint>
#include <span>

#include "field/grid.h"
#include "field/point_sink.h"
#include "field/point_work.h"

namespace kvarn {

// How a scan ended: over the whole grid, or at the first point (in scan
// order) whose angle cosine left its range or whose value is no finite
// number. Everything before that point has been handed to the sinks; the
// point itself and everything after it has not.
struct ScanOutcome {
    bool cthStop = false;
    double xp = 0, yp = 0;     // m, the point of the stop
    std::uint16_t element = 0; // the element of the cth stop
    bool notFinite = false;    // the point's value is an infinity or a NaN
};

// Scans the grid with the inputs, handing each row and point to every sink
// in the order given.
ScanOutcome scanGrid(const Grid& grid, const PointInputs& in, std::span<PointSink* const> sinks);

// The recorded form of a computed point.
PointResult recordOf(const PointInputs& in, const PointWork& work);

} // namespace kvarn
