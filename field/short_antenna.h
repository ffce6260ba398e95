#pragma once
// The short model of the special version, for Kelemen antennas: the whole
// wire as one half-wave radiator, whatever the real wavelength.

namespace kvarn {

// The length ratio the short model suits: wireMetres < lambda / 2.2 and
// wireMetres > lambda / 4.0, both strict, compared in extended precision.
bool shortModelSuits(double wireMetres, double lambda);

// The frequencies (MHz) at which the short model suits a wire, for showing
// the rule: above a quarter wave (75 / wireMetres) and below lambda / 2.2
// (300 / 2.2 / wireMetres).
double shortModelLowest(double wireMetres);
double shortModelHighest(double wireMetres);

} // namespace kvarn
