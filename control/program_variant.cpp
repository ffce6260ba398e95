#include "control/program_variant.h"

#include "control/discretization.h"

namespace kvarn {

namespace {
bool discretizeNormal() {
    discretizeAntenna();
    return true;
}

const ProgramVariant* current = &kvarn7t;
} // namespace

const ProgramVariant kvarn7t{"kvarn-7t", AntennaModel::standingWave, &discretizeNormal, false};
const ProgramVariant kvarn7k{"kvarn-7k", AntennaModel::shortWire, &discretizeShortAntenna, true};

const ProgramVariant& variant() {
    return *current;
}

void selectVariant(const ProgramVariant& v) {
    current = &v;
}

} // namespace kvarn
