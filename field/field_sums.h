#pragma once
// The per-point sums of the element contributions.

namespace kvarn {

// Real and imaginary parts of the x, y, z components of E (V/m) and H (A/m)
// at the current point, summed over the elements in extended precision.
struct FieldSums {
    long double exre = 0, exim = 0; // E, x component
    long double eyre = 0, eyim = 0; // E, y component
    long double ezre = 0, ezim = 0; // E, z component
    long double hxre = 0, hxim = 0; // H, x component
    long double hyre = 0, hyim = 0; // H, y component
    long double hzre = 0, hzim = 0; // H, z component
};

} // namespace kvarn
