#pragma once
// Cutting the wire into 1 m elements carrying a standing-wave current.

#include <cstdint>
#include <span>

#include "field/antenna.h"

namespace kvarn {

// The current at the maxima of the wave, A: sqrt(wavelength * power / 2.0 /
// wireMetres / 73.2). The wire counts as 2 * wireMetres / wavelength
// half-wave radiators of 73.2 ohms that share the power.
double waveAmplitude(double wavelength, double power, double wireMetres);

// The element loop: lays the elements of every segment of the wire into the
// table, the standing wave of the given wavelength and amplitude running on
// across corners, and returns how many it laid. Never writes past element
// 800: the table's own range check ends the program first.
std::uint16_t layElements(std::span<const CornerPoint> corners, double wavelength, double amplitude,
                          ElementTable& table);

// The wavelength the model lays its wave with: the real one, or for the
// short model one half wave over the whole wire, 2 * wireMetres.
double modelWavelength(AntennaModel model, double lambda, double wireMetres);

// The whole discretisation of the model for a frequency of wavelength lambda
// and a power in W; returns the element count.
std::uint16_t discretizeWire(AntennaModel model, std::span<const CornerPoint> corners,
                             double wireMetres, double lambda, double power, ElementTable& table);

} // namespace kvarn
