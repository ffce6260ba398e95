#pragma once
// A station as its owner describes it: the wire, the grid of points where
// people can be, the bands with their powers, the reports to write and the
// limit set to assess against.

#include <string>
#include <vector>

#include "field/antenna.h"
#include "field/grid.h"
#include "field/modes.h"
#include "limits/reference_levels.h"

namespace kvarn {

// One band: a frequency and the power chain from the transmitter to the feed.
struct Band {
    double frequency = 0;  // MHz
    double power = 0;      // W at the transmitter
    double modeFactor = 1; // peak to mean power of the operating mode, 0 < f <= 1
    double lossDb = 0;     // dB of feed line, connector and tuner loss, >= 0
};

struct Station {
    std::string title = "antenne";                     // report title, stem of output names
    AntennaModel model = AntennaModel::standingWave;   // how the current is laid on the wire
    std::vector<CornerPoint> corners;                  // m, 2 to 10
    double wireLength = 0;                             // m, as the elements count it
    ModeSet reportModes = modeBit('E') | modeBit('M'); // the report files to write
    Grid grid;                                         // m
    std::vector<double> heights;                       // m, one or more
    std::vector<Band> bands;                           // one or more
    LimitSet limits = LimitSet::bimschv26;             //
};

} // namespace kvarn
