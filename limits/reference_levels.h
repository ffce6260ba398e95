#pragma once
// Reference levels for the general public: the RMS electric and magnetic
// field strengths that must not be exceeded where people can be, by limit
// set and frequency.

#include <optional>
#include <string>
#include <string_view>

namespace kvarn {

enum class LimitSet : unsigned char {
    bimschv26,  // the German 26th ordinance; the values of ICNIRP 1998
    icnirp2020, // ICNIRP 2020, whole body, averaged over 30 minutes
    fcc,        // the FCC's limits for uncontrolled exposure
};

struct ReferenceLevels {
    double e; // V/m
    double h; // A/m
};

// The set's name as station files spell it ("26bimschv", "icnirp2020",
// "fcc"), and the set of a name.
std::string_view limitSetName(LimitSet set);
std::optional<LimitSet> limitSetNamed(std::string_view name);
// Every name, for messages: "26bimschv", "icnirp2020" or "fcc".
std::string limitSetNames();
// A line for reports: what the set is.
std::string_view limitSetTitle(LimitSet set);
// Where its values come from.
std::string_view limitSetSource(LimitSet set);

// The frequencies the set covers, MHz.
double lowestFrequency(LimitSet set);
double highestFrequency(LimitSet set);

// The reference levels at f MHz; nothing outside the set's frequencies. Where
// two ranges meet or overlap (a set's low-frequency levels that hold in
// addition below 10 MHz), the stricter value holds, for E and H each.
std::optional<ReferenceLevels> referenceLevels(LimitSet set, double f);

} // namespace kvarn
