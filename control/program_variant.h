#pragma once
// The three places in which the two programs differ, chosen by the program
// entry when a program is built.

#include "field/antenna.h"

namespace kvarn {

struct ProgramVariant {
    const char* name;     // program name
    AntennaModel model;   // the model: its discretisation and its frequency check
    bool (*discretize)(); // builds the element table; false when it declined
    bool specialNotice;   // shows the special-version notice at start
};

// The normal program: standing wave of the real wavelength.
extern const ProgramVariant kvarn7t;
// The special version for short Kelemen antennas: one half wave over the wire.
extern const ProgramVariant kvarn7k;

// The variant of the running program (kvarn7t until a program selects one).
const ProgramVariant& variant();
void selectVariant(const ProgramVariant& v);

} // namespace kvarn
