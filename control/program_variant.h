#pragma once
// The three places in which the two programs differ, chosen by the program
// entry when a program is built.

namespace kvarn {

struct ProgramVariant {
    const char* name;              // program name
    bool (*discretize)();          // builds the element table; false when it declined
    long double frequencyConstant; // K of the frequency check 1.1 * f > K / totalLength
    bool specialNotice;            // shows the special-version notice at start
};

// The normal program: standing wave of the real wavelength.
extern const ProgramVariant kvarn7t;
// The special version for short Kelemen antennas: one half wave over the wire.
extern const ProgramVariant kvarn7k;

// The variant of the running program (kvarn7t until a program selects one).
const ProgramVariant& variant();
void selectVariant(const ProgramVariant& v);

} // namespace kvarn
