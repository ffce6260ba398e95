#pragma once
// The exact field model of one band at one transmitter power: the wire's
// elements with the current that power puts on them, and what every point
// of a scan reads.

#include <memory>

#include "field/point_work.h"
#include "station/station.h"

namespace kvarn {

class BandModel {
  public:
    // The band's model at `power` W at the transmitter (through the band's
    // power chain to the feed).
    BandModel(const Station& station, const Band& band, double power);

    // The inputs of a scan at the height, for the mode.
    PointInputs inputs(double height, char mode = 'E') const;
    double feedPower() const { return feedPower_; } // W

  private:
    std::unique_ptr<ElementTable> table_;
    std::uint16_t count_ = 0;
    double lambda_ = 0, omega_ = 0; // m, rad/s
    double feedPower_ = 0;          // W
};

} // namespace kvarn
