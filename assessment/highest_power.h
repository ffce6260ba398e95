#pragma once
// The highest transmitter power at which a band keeps its limits at every
// point the model can assess, as the outputs show it: rounded down, and
// checked by a scan of the whole grid at exactly that power.
//
// Fields grow with the square root of the power, but not always exactly:
// the exact models turn the phase of every component whose real part is
// below 1e-6 to a right angle, an absolute threshold, so their magnetic
// field moves by up to a few tenths of a per cent against the scale law
// over a wide range of powers. So the power is found with the model itself:
// bisection over the points that came nearest their limits, then one scan
// of the whole grid at the power found; a point over its limit there joins
// the candidates and the search goes on below.

#include <vector>

#include "assessment/band_result.h"
#include "assessment/field_model.h"
#include "station/station.h"

namespace kvarn {

struct PowerSearch {
    double watts = 0;   // W at the transmitter, as shown; infinite when no field reaches any
                        // share of its limit, NaN when no point could be assessed
    int wholeScans = 0; // scans of the whole grid it took to confirm
};

// `model` is the band's model at its own power, `peakPercent` the largest
// share of either limit over the assessable points there, `candidates` the
// points nearest their limits (any number, the highest first).
PowerSearch findHighestPower(const BandFieldModel& model, const Band& band,
                             const ReferenceLevels& limits, const GridAxes& axes,
                             const std::vector<double>& heights, double peakPercent,
                             const std::vector<ExposurePoint>& candidates);

} // namespace kvarn
