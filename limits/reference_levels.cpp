#include "limits/reference_levels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace kvarn {

namespace {

// H of a magnetic flux density in free space: B / mu0, A/m per uT.
constexpr double kAmperePerMetrePerMicrotesla = 1e-6 / (4e-7 * 3.14159265358979323846);

// One row of a table: closed frequency range in MHz, E and H as functions
// of f in MHz. Rows may overlap: where they do, each field takes the
// stricter of their values.
struct Range {
    double from, to;
    double (*e)(double f);
    double (*h)(double f);
};

// 26. BImSchV, Anhang 1b: the high-frequency table (the values of ICNIRP
// 1998, general public, 6-minute averages).
// Anhang 1a, its last row (3 kHz to 10 MHz: 0.083 kV/m and 27 uT), holds
// for high-frequency installations between 9 kHz and 10 MHz as well
// (section 2 (1) with Anhang 2a); below 1.1 MHz its 83 V/m is the stricter.
constexpr Range kBimschv26[] = {
    {0.1, 1, [](double) { return 87.0; }, [](double f) { return 0.73 / f; }},
    {1, 10, [](double f) { return 87.0 / std::sqrt(f); }, [](double f) { return 0.73 / f; }},
    {10, 400, [](double) { return 28.0; }, [](double) { return 0.073; }},
    {0.1, 10, [](double) { return 83.0; },
     [](double) { return 27 * kAmperePerMetrePerMicrotesla; }},
};

// ICNIRP 2020, Table 5: whole body, averaged over 30 minutes, general
// public. Between 100 kHz and 10 MHz the guidelines require the reference
// levels for nerve stimulation of ICNIRP 2010 (Table 4, general public,
// 3 kHz to 10 MHz: 83 V/m, 21 A/m) in addition; below 6.3 MHz its 83 V/m
// is the stricter.
constexpr Range kIcnirp2020[] = {
    {0.1, 30, [](double f) { return 300.0 / std::pow(f, 0.7); }, [](double f) { return 2.2 / f; }},
    {30, 400, [](double) { return 27.7; }, [](double) { return 0.073; }},
    {0.1, 10, [](double) { return 83.0; }, [](double) { return 21.0; }},
};

// 47 CFR 1.1310, Table 1 (B): uncontrolled exposure. The published table
// begins at 0.3 MHz; its first row is taken down to the lowest frequency a
// wire of this program can be assessed at.
constexpr Range kFcc[] = {
    {0.01, 1.34, [](double) { return 614.0; }, [](double) { return 1.63; }},
    {1.34, 30, [](double f) { return 824.0 / f; }, [](double f) { return 2.19 / f; }},
    {30, 300, [](double) { return 27.5; }, [](double) { return 0.073; }},
};

// Everything about a set, in one place.
struct SetEntry {
    LimitSet set;
    std::string_view name;
    std::string_view title;
    std::string_view source;
    std::span<const Range> ranges;
};

constexpr std::array kSets = {
    SetEntry{LimitSet::bimschv26, "26bimschv",
             "26. BImSchV (general public, the values of ICNIRP 1998)",
             "26. BImSchV (Verordnung ueber elektromagnetische Felder), Anhang 1b, and below "
             "10 MHz also Anhang 1a (3 kHz to 10 MHz: 83 V/m, 27 uT); ICNIRP: Guidelines for "
             "limiting exposure to time-varying electric, magnetic and electromagnetic fields (up "
             "to 300 GHz), Health Physics 74(4):494-522 (1998), Table 7",
             kBimschv26},
    SetEntry{LimitSet::icnirp2020, "icnirp2020", "ICNIRP 2020, general public, whole body (30 min)",
             "ICNIRP: Guidelines for limiting exposure to electromagnetic fields (100 kHz to 300 "
             "GHz), Health Physics 118(5):483-524 (2020), Table 5; below 10 MHz also ICNIRP: "
             "Guidelines for limiting exposure to time-varying electric and magnetic fields (1 Hz "
             "to 100 kHz), Health Physics 99(6):818-836 (2010), Table 4 (3 kHz to 10 MHz: 83 V/m, "
             "21 A/m)",
             kIcnirp2020},
    SetEntry{LimitSet::fcc, "fcc", "FCC, uncontrolled exposure",
             "47 CFR 1.1310, Table 1 (B), limits for general population/uncontrolled exposure",
             kFcc},
};

const SetEntry& entry(LimitSet set) {
    for (const SetEntry& e : kSets)
        if (e.set == set) return e;
    return kSets.front();
}

} // namespace

std::string_view limitSetName(LimitSet set) {
    return entry(set).name;
}

std::optional<LimitSet> limitSetNamed(std::string_view name) {
    for (const SetEntry& e : kSets)
        if (e.name == name) return e.set;
    return std::nullopt;
}

std::string limitSetNames() {
    std::string names;
    for (std::size_t k = 0; k < kSets.size(); ++k) {
        if (k > 0) names += k + 1 == kSets.size() ? " or " : ", ";
        names += "\"" + std::string(kSets[k].name) + "\"";
    }
    return names;
}

std::string_view limitSetTitle(LimitSet set) {
    return entry(set).title;
}

std::string_view limitSetSource(LimitSet set) {
    return entry(set).source;
}

double lowestFrequency(LimitSet set) {
    double lowest = entry(set).ranges.front().from;
    for (const Range& r : entry(set).ranges)
        lowest = std::min(lowest, r.from);
    return lowest;
}

double highestFrequency(LimitSet set) {
    double highest = entry(set).ranges.front().to;
    for (const Range& r : entry(set).ranges)
        highest = std::max(highest, r.to);
    return highest;
}

std::optional<ReferenceLevels> referenceLevels(LimitSet set, double f) {
    std::optional<ReferenceLevels> levels;
    for (const Range& r : entry(set).ranges) {
        if (!(f >= r.from && f <= r.to)) continue;
        const ReferenceLevels here{r.e(f), r.h(f)};
        levels = levels ? ReferenceLevels{std::min(levels->e, here.e), std::min(levels->h, here.h)}
                        : here;
    }
    return levels;
}

} // namespace kvarn
