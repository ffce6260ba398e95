#include "assessment/safety_sink.h"

#include "assessment/shares.h"
#include "assessment/wire_distance.h"

namespace kvarn {

void SafetyDistanceSink::planeBegins(double height) {
    height_ = height;
    row_ = -1;
}

void SafetyDistanceSink::rowBegins(double) {
    ++row_;
    column_ = 0;
}

void SafetyDistanceSink::point(const PlanePoint& p) {
    const std::size_t column = column_++;
    // A point too close to the wire for the model counts as over its limit.
    if (p.field.holds && !sharesOf(p.field, result_.limits).over()) return;
    const double d = distanceToWire(corners_, p.x, p.y, height_);
    if (d > result_.safetyDistance) result_.safetyDistance = d;
    const auto lastRow = static_cast<long>(axes_.rows()) - 1;
    if (row_ == 0 || row_ == lastRow || column == 0 || column + 1 == axes_.columns())
        result_.zoneOnEdge = true;
}

} // namespace kvarn
