#pragma once
// The field of one element as a short current element, and its addition
// into the point's sums.

namespace kvarn {

// Magnitudes and phases of the element's field components, extended precision.
struct ElementField {
    long double erabs = 0, erphase = 0;   // radial E, V/m and rad (modes R, E)
    long double ethabs = 0, ethphase = 0; // theta E, V/m and rad (modes T, E)
    long double habs = 0, hphase = 0;     // phi H, A/m and rad (modes M, Z)
};

extern ElementField elementFieldValues;

// Reads element calc.i, geometry, calc.lambda, calc.omega, calc.fieldMode;
// writes elementFieldValues for the components of the mode.
void elementField();
// Reads calc.fieldMode, geometry and elementFieldValues; adds to calc.sums.
void accumulateField();

} // namespace kvarn
