#include "ground/sommerfeld_ground.h"

#include <cmath>

#include "ground/ground_constants.h"

namespace kvarn::ground {

SommerfeldGround::SommerfeldGround(const GroundParameters& ground, unsigned threads)
    : constants_(groundConstants(ground)), integrals_(constants_.epsc),
      tables_(integrals_, threads), threads_(threads) {}

const FarTables& SommerfeldGround::farTables() const {
    std::call_once(farOnce_,
                   [&] { far_ = std::make_unique<FarTables>(integrals_, constants_, threads_); });
    return *far_;
}

GroundFields SommerfeldGround::fields(double r, double theta) const {
    if (r * r <= kTableReachSquared) return tables_.interpolate(r, theta);
    return farTables().at(r, theta).value;
}

GroundFieldSlopes SommerfeldGround::fieldsWithSlopes(double r, double theta) const {
    if (r * r <= kTableReachSquared) return tables_.interpolateWithSlopes(r, theta);
    return farTables().at(r, theta);
}

GroundFields SommerfeldGround::fieldsAt(double rho, double zPlusZPrime) const {
    const double theta = rho >= 1e-12 ? std::atan(zPlusZPrime / rho) : kHalfPi;
    return fields(std::sqrt(rho * rho + zPlusZPrime * zPlusZPrime), theta);
}

} // namespace kvarn::ground
