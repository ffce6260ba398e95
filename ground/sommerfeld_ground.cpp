#include "ground/sommerfeld_ground.h"

#include <cmath>

#include "ground/ground_constants.h"

namespace kvarn::ground {

SommerfeldGround::SommerfeldGround(const GroundParameters& ground, unsigned threads)
    : constants_(groundConstants(ground)), integrals_(constants_.epsc),
      tables_(integrals_, threads), far_(integrals_, constants_, threads) {}

GroundFields SommerfeldGround::fields(double r, double theta) const {
    if (r * r <= kTableReachSquared) return tables_.interpolate(r, theta);
    return far_.at(r, theta).value;
}

GroundFieldSlopes SommerfeldGround::fieldsWithSlopes(double r, double theta) const {
    if (r * r <= kTableReachSquared) return tables_.interpolateWithSlopes(r, theta);
    return far_.at(r, theta);
}

GroundFields SommerfeldGround::fieldsAt(double rho, double zPlusZPrime) const {
    const double theta = rho >= 1e-12 ? std::atan(zPlusZPrime / rho) : kHalfPi;
    return fields(std::sqrt(rho * rho + zPlusZPrime * zPlusZPrime), theta);
}

} // namespace kvarn::ground
