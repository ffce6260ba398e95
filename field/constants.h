#pragma once
// The program's own constants. They are part of the results: the values are
// the extended-precision values of these decimal texts and must not be
// replaced by more exact ones (3.14159 is the program's pi).

namespace kvarn {

inline constexpr long double kPi = 3.14159L;
inline constexpr long double kHalfPi = 1.570795L;          // kPi / 2
inline constexpr long double kTwoPi = 6.28318L;            // 2 * kPi
inline constexpr long double kFourPi = 12.56636L;          // 4 * kPi
inline constexpr long double kEpsilon0 = 8.854e-12L;       // F/m
inline constexpr long double kWaveImpedance = 377.0L;      // ohm
inline constexpr long double kRadiationResistance = 73.2L; // ohm, of a half-wave radiator
inline constexpr long double kSpeedOfLight = 300000000.0L; // m/s
inline constexpr long double kTooClose = 2.1L;             // m, held in extended precision
inline constexpr long double kCthTolerance = 1.0001L;
inline constexpr long double kMinDistance = 0.001L; // m
inline constexpr long double kElementLength = 1.0L; // m

} // namespace kvarn
