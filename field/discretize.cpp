// SCAFFOLD (layElements, discretizeAntenna): replaced by the real discretisation.
#include "field/discretize.h"

#include <cmath>

#include "field/antenna.h"

namespace kvarn {

double segmentLength(int j) {
    long double ddx = static_cast<long double>(xe[j]) - xa[j];
    long double ddy = static_cast<long double>(ye[j]) - ya[j];
    long double ddz = static_cast<long double>(ze[j]) - za[j];
    return static_cast<double>(sqrtl(ddx * ddx + ddy * ddy + ddz * ddz));
}

double segmentElements(double len) {
    // Int(len + 0.5): whole metres, a half metre rounded up. Kept as a real:
    // six typed characters per coordinate allow segments far beyond 65535 m.
    return static_cast<double>(truncl(static_cast<long double>(len) + 0.5L));
}

void layElements(double, double) {}
void discretizeAntenna() {}

} // namespace kvarn
