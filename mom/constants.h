#pragma once
// The engine's physical constants. The speed of light and the wave
// impedance are the values NEC-2 uses, so that a wire cut into the same
// segments has the same length in wavelengths as in the reference engine.

namespace kvarn::mom {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kSpeedOfLight = 299.8;      // m/us: wavelength in m is this / MHz
inline constexpr double kWaveImpedance = 376.73;    // ohm, of free space (59.96 * 2 pi)
inline constexpr double kEulerGamma = 0.577215664;  // Euler's constant, in the charge condition
inline constexpr double kReferenceImpedance = 50.0; // ohm, of the line the SWR is taken on

} // namespace kvarn::mom
