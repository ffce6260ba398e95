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

struct PointInputs;
struct PointWork;

// Reads element work.i, work.geometry, the wavelength, omega and the mode;
// writes work.field for the components of the mode.
void elementField(const PointInputs& in, PointWork& work);
// Reads the mode, work.geometry and work.field; adds to work.sums.
void accumulateField(const PointInputs& in, PointWork& work);

} // namespace kvarn
