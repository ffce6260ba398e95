#include "limits/reference_levels.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace kvarn {

namespace {

// One row of a table: closed frequency range in MHz, E and H as functions
// of f in MHz.
struct Range {
    double from, to;
    double (*e)(double f);
    double (*h)(double f);
};

// 26. BImSchV, Anhang 1a (the values of ICNIRP 1998, general public).
constexpr Range kBimschv26[] = {
    {0.1, 1, [](double) { return 87.0; }, [](double f) { return 0.73 / f; }},
    {1, 10, [](double f) { return 87.0 / std::sqrt(f); }, [](double f) { return 0.73 / f; }},
    {10, 400, [](double) { return 28.0; }, [](double) { return 0.073; }},
};

// ICNIRP 2020, Table 5: whole body, averaged over 30 minutes, general public.
constexpr Range kIcnirp2020[] = {
    {0.1, 30, [](double f) { return 300.0 / std::pow(f, 0.7); }, [](double f) { return 2.2 / f; }},
    {30, 400, [](double) { return 27.7; }, [](double) { return 0.073; }},
};

// 47 CFR 1.1310, Table 1 (B): uncontrolled exposure. The published table
// begins at 0.3 MHz; its first row is taken down to the lowest frequency a
// wire of this program can be assessed at.
constexpr Range kFcc[] = {
    {0.01, 1.34, [](double) { return 614.0; }, [](double) { return 1.63; }},
    {1.34, 30, [](double f) { return 824.0 / f; }, [](double f) { return 2.19 / f; }},
    {30, 300, [](double) { return 27.5; }, [](double) { return 0.073; }},
};

std::span<const Range> table(LimitSet set) {
    switch (set) {
    case LimitSet::icnirp2020:
        return kIcnirp2020;
    case LimitSet::fcc:
        return kFcc;
    case LimitSet::bimschv26:
        break;
    }
    return kBimschv26;
}

} // namespace

std::string_view limitSetName(LimitSet set) {
    switch (set) {
    case LimitSet::icnirp2020:
        return "icnirp2020";
    case LimitSet::fcc:
        return "fcc";
    case LimitSet::bimschv26:
        break;
    }
    return "26bimschv";
}

std::optional<LimitSet> limitSetNamed(std::string_view name) {
    for (LimitSet set : {LimitSet::bimschv26, LimitSet::icnirp2020, LimitSet::fcc})
        if (limitSetName(set) == name) return set;
    return std::nullopt;
}

std::string_view limitSetNames() {
    return "\"26bimschv\", \"icnirp2020\" or \"fcc\"";
}

std::string_view limitSetTitle(LimitSet set) {
    switch (set) {
    case LimitSet::icnirp2020:
        return "ICNIRP 2020, general public, whole body (30 min)";
    case LimitSet::fcc:
        return "FCC, uncontrolled exposure";
    case LimitSet::bimschv26:
        break;
    }
    return "26. BImSchV (general public, the values of ICNIRP 1998)";
}

std::string_view limitSetSource(LimitSet set) {
    switch (set) {
    case LimitSet::icnirp2020:
        return "ICNIRP: Guidelines for limiting exposure to electromagnetic fields (100 kHz to "
               "300 GHz), Health Physics 118(5):483-524 (2020), Table 5";
    case LimitSet::fcc:
        return "47 CFR 1.1310, Table 1 (B), limits for general population/uncontrolled exposure";
    case LimitSet::bimschv26:
        break;
    }
    return "26. BImSchV (Verordnung ueber elektromagnetische Felder), Anhang 1a; ICNIRP: "
           "Guidelines for limiting exposure to time-varying electric, magnetic and "
           "electromagnetic fields (up to 300 GHz), Health Physics 74(4):494-522 (1998), Table 7";
}

double lowestFrequency(LimitSet set) {
    return table(set).front().from;
}

double highestFrequency(LimitSet set) {
    return table(set).back().to;
}

std::optional<ReferenceLevels> referenceLevels(LimitSet set, double f) {
    std::optional<ReferenceLevels> levels;
    for (const Range& r : table(set)) {
        if (!(f >= r.from && f <= r.to)) continue;
        const ReferenceLevels here{r.e(f), r.h(f)};
        levels = levels ? ReferenceLevels{std::min(levels->e, here.e), std::min(levels->h, here.h)}
                        : here;
    }
    return levels;
}

} // namespace kvarn
