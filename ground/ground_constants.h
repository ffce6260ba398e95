#pragma once
// NEC-2's values of the constants the ground model uses. The tables and
// fields are meant to agree with NEC-2's own, so these keep NEC-2's digits
// and must not be replaced by more exact ones. Lengths are in wavelengths
// throughout the ground model, so the free-space wavenumber is 2 pi.

namespace kvarn::ground {

inline constexpr double kPi = 3.141592654;
inline constexpr double kHalfPi = 1.570796327;     // rad
inline constexpr double kTwoPi = 6.283185308;      // 1/wavelength, free-space wavenumber
inline constexpr double kSpeedOfLight = 299.8;     // m/us: wavelength in m = 299.8 / f in MHz
inline constexpr double kConductivityOhms = 59.96; // ohm: sigma / (omega eps0) = sigma lambda 59.96
inline constexpr double kSegmentFieldFactor = 4.771341189; // ohm, eta / (8 pi^2), eta = 376.73
inline constexpr double kHalfEta = 188.365;                // ohm, eta / 2

} // namespace kvarn::ground
