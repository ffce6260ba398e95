#include "drawing/colour_scale.h"

#include <algorithm>
#include <cmath>

#include "drawing/viridis_table.h"

namespace kvarn {

namespace {
const double kLogBottom = std::log10(kScaleBottomPercent);
const double kLogSpan = std::log10(kScaleTopPercent) - kLogBottom;
} // namespace

double scalePosition(double percent) {
    // The negated test also catches not-a-number, which no comparison passes.
    if (!(percent > kScaleBottomPercent)) return 0.0;
    if (percent >= kScaleTopPercent) return 1.0;
    return (std::log10(percent) - kLogBottom) / kLogSpan;
}

Rgb scaleColourAt(double position) {
    const double last = static_cast<double>(kViridis.size() - 1);
    const double clamped = position > 0.0 ? std::min(position, 1.0) : 0.0;
    const double index = std::round(clamped * last);
    return kViridis[static_cast<std::size_t>(index)];
}

Rgb percentColour(double percent) {
    return scaleColourAt(scalePosition(percent));
}

} // namespace kvarn
