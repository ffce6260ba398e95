#include "assessment/band_zone_field.h"

#include <vector>

#include "assessment/shares.h"

namespace kvarn {

namespace {

// The model's own arithmetic and the bound's round differently: a
// millionth covers their roundings many times over.
constexpr double kRoundingMargin = 1e-6;

} // namespace

void BandZoneField::evaluate(std::span<const zone::Point3> points,
                             std::span<zone::ZoneSample> out) const {
    std::vector<Point3> at(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        at[k] = {points[k].x, points[k].y, points[k].z};
    std::vector<FieldValue> values(points.size());
    model_.evaluateFromBelow(at, values);
    for (std::size_t k = 0; k < points.size(); ++k) {
        // Below the ground there is no one to protect, and a model over a
        // ground gives no field there: such a point is no part of the zone.
        if (points[k].z < 0)
            out[k] = {0, true};
        else if (values[k].holds)
            out[k] = {sharesOf(values[k], limits_).worst() / 100, true};
        else
            out[k] = {0, false};
    }
}

double BandZoneField::shareBound(double distance) const {
    const FieldBound b = model_.boundBeyond(distance);
    return std::max(b.e / limits_.e, b.h / limits_.h) * (1 + kRoundingMargin);
}

} // namespace kvarn
