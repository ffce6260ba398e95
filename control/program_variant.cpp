#include "control/program_variant.h"

#include "field/discretize.h"
#include "field/short_antenna.h"

namespace kvarn {

namespace {
bool discretizeNormal() {
    discretizeAntenna();
    return true;
}

const ProgramVariant* current = &kvarn7t;
} // namespace

const ProgramVariant kvarn7t{"kvarn-7t", &discretizeNormal, 150.0L, false};
const ProgramVariant kvarn7k{"kvarn-7k", &discretizeShortAntenna, 75.0L, true};

const ProgramVariant& variant() {
    return *current;
}

void selectVariant(const ProgramVariant& v) {
    current = &v;
}

} // namespace kvarn
