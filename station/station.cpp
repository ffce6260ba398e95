#include "station/station.h"

namespace kvarn {

AntennaModel exactModel(ModelKind kind) {
    return kind == ModelKind::shortWire ? AntennaModel::shortWire : AntennaModel::standingWave;
}

} // namespace kvarn
