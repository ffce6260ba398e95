#pragma once
// What follows from the frequency: the wavelength, the angular frequency,
// and whether the wire is long enough for the model at that frequency.

#include "field/antenna.h"

namespace kvarn {

inline constexpr double kMaxFrequency = 146.0; // MHz

// m: 300000000.0 / freq / 1000000.0, freq in MHz (the program's speed of light).
double wavelength(double freq);
// rad/s: freq * 6.28318 * 1000000.0 (the program's 2 pi).
double angularFrequency(double freq);

// K of the frequency check 1.1 * freq > K / wireMetres: 150 for the
// standing wave (the wire must exceed half a wavelength divided by 1.1), 75
// for the short model (a quarter wavelength).
long double frequencyConstant(AntennaModel model);
// The frequencies a model accepts for a wire: the one rule the parameter
// form checks and the station file's messages state.
struct AcceptedFrequencies {
    long double constant = 0; // K of the model
    double wireMetres = 0;    // m

    // 1.1 * freq > K / wireMetres, compared in extended precision, and freq
    // at most 146 MHz. Refuses 0, negative and non-finite frequencies.
    bool contains(double freq) const;
    // MHz, for showing the rule: every accepted frequency lies above
    // `above` (K / wireMetres / 1.1) and at most at `atMost`.
    double above() const;
    double atMost() const { return kMaxFrequency; }
};
AcceptedFrequencies acceptedFrequencies(AntennaModel model, double wireMetres);

// acceptedFrequencies(model, wireMetres).contains(freq).
bool frequencyAccepted(double freq, double wireMetres, AntennaModel model);

} // namespace kvarn
