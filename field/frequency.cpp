#include "field/frequency.h"

#include "field/constants.h"
#include "field/finite_input.h"

namespace kvarn {

double wavelength(double freq) {
    return static_cast<double>(kSpeedOfLight / freq / 1000000.0L);
}

double angularFrequency(double freq) {
    return static_cast<double>(static_cast<long double>(freq) * kTwoPi * 1000000.0L);
}

long double frequencyConstant(AntennaModel model) {
    return model == AntennaModel::shortWire ? 75.0L : 150.0L;
}

bool AcceptedFrequencies::contains(double freq) const {
    return isFiniteInput(freq) && isFiniteInput(wireMetres) &&
           1.1L * freq > constant / wireMetres && freq <= kMaxFrequency;
}

double AcceptedFrequencies::above() const {
    return static_cast<double>(constant / wireMetres / 1.1L);
}

AcceptedFrequencies acceptedFrequencies(AntennaModel model, double wireMetres) {
    return {frequencyConstant(model), wireMetres};
}

bool frequencyAccepted(double freq, double wireMetres, AntennaModel model) {
    return acceptedFrequencies(model, wireMetres).contains(freq);
}

} // namespace kvarn
