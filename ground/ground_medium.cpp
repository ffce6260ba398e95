#include "ground/ground_medium.h"

#include <cmath>
#include <stdexcept>

#include "ground/ground_constants.h"

namespace kvarn::ground {

GroundConstants groundConstants(const GroundParameters& ground) {
    const double epsR = ground.relativePermittivity;
    const double sigma = ground.conductivity;
    const double f = ground.frequencyMHz;
    if (!std::isfinite(epsR) || epsR < 1)
        throw std::invalid_argument("ground: relative permittivity must be at least 1");
    if (!std::isfinite(sigma) || sigma < 0)
        throw std::invalid_argument("ground: conductivity must be at least 0 S/m");
    if (!std::isfinite(f) || f <= 0)
        throw std::invalid_argument("ground: frequency must be above 0 MHz");
    GroundConstants c;
    c.wavelength = kSpeedOfLight / f;
    c.epsc = {epsR, -sigma * c.wavelength * kConductivityOhms};
    c.frati = (c.epsc - 1.0) / (c.epsc + 1.0);
    c.zrati = 1.0 / std::sqrt(c.epsc);
    c.zrati2 = c.zrati * c.zrati;
    return c;
}

} // namespace kvarn::ground
