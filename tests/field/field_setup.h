#pragma once
// Setting up antennas, frequencies and single points for the field model's
// tests, the way the forms and the main cycle leave the state.

#include <cmath>
#include <initializer_list>

#include "control/calc_params.h"
#include "control/main_cycle.h"
#include "field/antenna.h"
#include "field/constants.h"
#include "field/discretize.h"
#include "field/point_value.h"

namespace kvarn::test {

// lambda and omega as the parameter form derives them from the frequency.
inline void setFrequency(double freq) {
    calc.freq = freq;
    calc.lambda = static_cast<double>(kSpeedOfLight / freq / 1000000.0L);
    calc.omega = static_cast<double>(static_cast<long double>(freq) * kTwoPi * 1000000.0L);
}

// The wire through these corners, with segCount and totalLength as the
// coordinate form counts them.
inline void setWire(std::initializer_list<CornerPoint> corners) {
    int k = 1;
    for (const CornerPoint& p : corners) {
        xa[k] = p.x;
        ya[k] = p.y;
        za[k] = p.z;
        if (k >= 2) {
            xe[k - 1] = p.x;
            ye[k - 1] = p.y;
            ze[k - 1] = p.z;
        }
        ++k;
    }
    segCount = k - 2;
    totalLength = 0;
    for (int j = 1; j <= segCount; ++j)
        totalLength += segmentElements(segmentLength(j));
}

// One element of 1 m with the given centre, direction and current as the
// whole antenna.
inline void setSingleElement(CornerPoint centre, CornerPoint direction, double current) {
    elements[1] = AntennaElement{centre.x,    centre.y,    centre.z, direction.x,
                                 direction.y, direction.z, current,  1.0};
    elementCount = 1;
}

// The element loop over the point (x, y) at calc.height in the given mode.
inline void sumAt(double x, double y, char mode) {
    calc.fieldMode = mode;
    calc.xp = x;
    calc.yp = y;
    sumElements();
}

// The point's value in the given mode.
inline double valueAt(double x, double y, char mode) {
    sumAt(x, y, mode);
    return pointValue();
}

// The value as if the point were not too close (for the near field).
inline double rawValueAt(double x, double y, char mode) {
    sumAt(x, y, mode);
    calc.tooclose = false;
    return pointValue();
}

} // namespace kvarn::test
