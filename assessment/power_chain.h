#pragma once
// From the transmitter to the feed: the power the model radiates; and how a
// power is shown.

#include "station/station.h"

namespace kvarn {

// W at the feed: power * mode_factor * transmit_share * 10^(-loss_db / 10).
double feedPower(const Band& band);

// The transmitter power at which the largest field would be exactly at its
// limit if fields grew exactly with the square root of the power, W:
// power * (100 / percent)^2. Infinite when no field was found (percent 0).
// The first guess of the search for the highest compliant power.
double highestCompliantPower(double power, double percent);

// How a power is shown: in kW with one decimal from 10 kW up, otherwise in
// W with `decimals` decimals (0 from 100 W, 1 from 1 W, three significant
// digits below).
struct PowerFormat {
    bool kilowatts = false;
    int decimals = 0;
};
PowerFormat powerFormat(double watts);

// The power rounded down to the digits its format shows: a station re-run
// at the power shown gets exactly this double.
double roundedDown(double watts);

} // namespace kvarn
