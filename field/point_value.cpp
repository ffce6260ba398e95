// SCAFFOLD: replaced by the real point evaluation.
#include "field/point_value.h"
namespace kvarn {
double pointValue() { return 0; }
void evaluatePoint() {}
} // namespace kvarn
