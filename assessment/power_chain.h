#pragma once
// From the transmitter to the feed: the power the model radiates.

#include "station/station.h"

namespace kvarn {

// W at the feed: power * mode_factor * 10^(-loss_db / 10).
double feedPower(const Band& band);

// The transmitter power at which the largest field would be exactly at its
// limit, W: fields grow with the square root of the power, so it is
// power * (100 / percent)^2. Infinite when no field was found (percent 0).
double highestCompliantPower(double power, double percent);

} // namespace kvarn
