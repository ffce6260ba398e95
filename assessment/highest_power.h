#pragma once
// The highest transmitter power at which a band keeps its limits at every
// point the model can assess, as the outputs show it: rounded down, and
// checked by a scan of the whole grid at exactly that power.
//
// Fields grow with the square root of the power, but not exactly: the model
// turns the phase of every component whose real part is below 1e-6 to a
// right angle, an absolute threshold, so the magnetic field of a point moves
// by up to a few tenths of a per cent against the scale law over a wide
// range of powers. So the power is found with the model itself: bisection
// over the points that came nearest their limits, then one scan of the
// whole grid at the power found; a point over its limit there joins the
// candidates and the search goes on below.

#include <limits>
#include <vector>

#include "assessment/band_result.h"
#include "station/station.h"

namespace kvarn {

struct PowerSearch {
    double watts = 0;   // W at the transmitter, as shown; infinite when no field reaches any
                        // share of its limit, NaN when no point could be assessed
    int wholeScans = 0; // scans of the whole grid it took to confirm
};

// `peakPercent` is the largest share of either limit over the assessable
// points at the band's own power, `candidates` the points nearest their
// limits there (any number, the highest first).
PowerSearch findHighestPower(const Station& station, const Band& band,
                             const ReferenceLevels& limits, double peakPercent,
                             std::vector<ExposurePoint> candidates);

} // namespace kvarn
