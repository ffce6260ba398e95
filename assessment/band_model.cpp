#include "assessment/band_model.h"

#include "assessment/power_chain.h"
#include "field/discretize.h"
#include "field/frequency.h"

namespace kvarn {

BandModel::BandModel(const Station& station, const Band& band, double power)
    : table_(std::make_unique<ElementTable>()), lambda_(wavelength(band.frequency)),
      omega_(angularFrequency(band.frequency)) {
    Band atPower = band;
    atPower.power = power;
    feedPower_ = kvarn::feedPower(atPower);
    count_ = discretizeWire(station.model, station.corners, station.wireLength, lambda_, feedPower_,
                            *table_);
}

PointInputs BandModel::inputs(double height, char mode) const {
    return PointInputs{table_.get(), count_, lambda_, omega_, height, mode};
}

} // namespace kvarn
