#pragma once
// The special version's discretisation for short Kelemen antennas: the whole
// wire as one half-wave radiator, after a length check and the user's consent.

namespace kvarn {

// Checks the length ratio, asks for confirmation and, on J, rebuilds the
// element table with the model wavelength 2 * totalLength. Returns false,
// leaving the table unchanged, when the ratio does not suit or the user
// declines.
bool discretizeShortAntenna();

} // namespace kvarn
