#pragma once
// The share of its limit each field takes at a point, in per cent: the one
// rule every sink, the points files and the search for the highest power
// use.

#include <algorithm>

#include "assessment/field_model.h"
#include "limits/reference_levels.h"

namespace kvarn {

struct Shares {
    double e = 0; // % of the E limit
    double h = 0; // % of the H limit

    double worst() const { return std::max(e, h); }
    bool over() const { return e > 100 || h > 100; }
};

// 100 * value / limit for each field, in extended precision.
inline Shares sharesOf(const FieldValue& f, const ReferenceLevels& limits) {
    return {static_cast<double>(100.0L * f.e / limits.e),
            static_cast<double>(100.0L * f.h / limits.h)};
}

} // namespace kvarn
