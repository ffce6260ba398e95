#pragma once
// Setting up antennas, frequencies and single points for the field model's
// tests, the way the forms and the main cycle leave the state.

#include <initializer_list>

#include "control/calc_params.h"
#include "control/discretization.h"
#include "control/main_cycle.h"
#include "field/antenna.h"
#include "field/frequency.h"
#include "field/point_work.h"
#include "field/wire_length.h"

namespace kvarn::test {

// lambda and omega as the parameter form derives them from the frequency.
inline void setFrequency(double freq) {
    calc.freq = freq;
    calc.lambda = wavelength(freq);
    calc.omega = angularFrequency(freq);
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
    totalLength = wireLength(antennaCorners());
}

// One element of 1 m with the given centre, direction and current as the
// whole antenna.
inline void setSingleElement(CornerPoint centre, CornerPoint direction, double current) {
    elements[1] = AntennaElement{centre.x,    centre.y,    centre.z, direction.x,
                                 direction.y, direction.z, current,  1.0};
    elementCount = 1;
}

// The element loop over the point (x, y) at calc.height in the given mode;
// the work record afterwards.
inline PointWork sumAt(double x, double y, char mode) {
    calc.fieldMode = mode;
    PointWork work;
    startPoint(work, x, y);
    sumElements(passInputs(), work);
    return work;
}

// The point's value in the given mode.
inline double valueAt(double x, double y, char mode) {
    return pointValue(mode, sumAt(x, y, mode));
}

// The value as if the point were not too close (for the near field).
inline double rawValueAt(double x, double y, char mode) {
    PointWork work = sumAt(x, y, mode);
    work.tooclose = false;
    return pointValue(mode, work);
}

} // namespace kvarn::test
