#pragma once
// A pass of the interactive programs set up in their state the way the
// forms leave it: the frequency with its wavelength and angular frequency
// in calc, and the program's wire in the corner lists with the segment
// count and the length the coordinate form counts. For the tests of the
// code that reads that state.

#include <initializer_list>

#include "control/calc_params.h"
#include "field/antenna.h"
#include "field/frequency.h"
#include "field/wire_length.h"

namespace kvarn::test {

// calc.freq (MHz), and lambda and omega as the parameter form derives them.
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

} // namespace kvarn::test
