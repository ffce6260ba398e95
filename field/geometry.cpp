// SCAFFOLD: replaced by the real element geometry.
#include "field/geometry.h"
namespace kvarn {
ElementGeometry geometry;
double angle(double, double) { return 0; }
void elementGeometry() {}
} // namespace kvarn
