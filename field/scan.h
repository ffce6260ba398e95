#pragma once
// The scan of a pass: every point of the grid, rows from the top down and
// each row from the left, handed to the sinks in that order on the calling
// thread. The points themselves are computed on every core: ahead of the
// sinks, in chunks of a row, by worker threads that share nothing but the
// pass's immutable inputs.

#include <cstdint>
#include <span>

#include "field/grid.h"
#include "field/modes.h"
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

// Which element loop computes the points: the straightforward procedures
// with the C library's functions, or the fast kernel.
enum class Kernel : std::uint8_t { reference, fast };

struct ScanOptions {
    ModeSet modes = 0;            // the modes every point gets values in; at least one
    Kernel kernel = Kernel::fast; //
    unsigned threads = 0;         // threads that compute points; 0: scanThreads()
};

// The threads a scan uses by default: KVARN_THREADS when it holds a whole
// number from 1 to 256, otherwise the cores of the machine.
unsigned scanThreads();

// Scans the grid with the inputs, handing each row and point to every sink
// in the order given. The results do not depend on the number of threads.
ScanOutcome scanGrid(const GridAxes& grid, const PointInputs& in, const ScanOptions& options,
                     std::span<PointSink* const> sinks);
// The same, laying the grid first.
ScanOutcome scanGrid(const Grid& grid, const PointInputs& in, const ScanOptions& options,
                     std::span<PointSink* const> sinks);

// The recorded form of a point computed by the reference procedures in the
// inputs' mode.
PointResult recordOf(const PointInputs& in, const PointWork& work);

} // namespace kvarn
