#include "field/geometry.h"

#include <cmath>

#include "field/constants.h"
#include "field/point_work.h"

namespace kvarn {

namespace {
long double libraryArcTan(long double t) {
    return atanl(t);
}
} // namespace

double angle(double x, double y) {
    return angleWith<libraryArcTan>(x, y);
}

bool elementGeometry(const PointInputs& in, PointWork& work) {
    const AntennaElement& e = (*in.elements)[work.i];
    const double ex = e.x, ey = e.y, ez = e.z;
    const double dx = e.dx, dy = e.dy, dz = e.dz;
    const double xp = work.xp, yp = work.yp, zp = in.height;
    ElementGeometry& g = work.geometry;

    const long double px = static_cast<long double>(xp) - ex;
    const long double py = static_cast<long double>(yp) - ey;
    const long double pz = static_cast<long double>(zp) - ez;
    double r = static_cast<double>(sqrtl(px * px + py * py + pz * pz));
    if (r < kMinDistance) r = static_cast<double>(kMinDistance);
    if (r <= kTooClose) work.tooclose = true;
    g.r = r;

    g.ux = static_cast<double>(px / r);
    g.uy = static_cast<double>(py / r);
    g.uz = static_cast<double>(pz / r);

    double cth = static_cast<double>(static_cast<long double>(dx) * g.ux +
                                     static_cast<long double>(dy) * g.uy +
                                     static_cast<long double>(dz) * g.uz);
    if (cth > kCthTolerance || cth < -kCthTolerance) {
        // The stop itself belongs to whoever records the point, in scan order.
        work.cthStop = true;
        work.cthElement = work.i;
        return false;
    }
    if (cth > 1) cth = 1;
    if (cth < -1) cth = -1;
    const double sth = static_cast<double>(sqrtl(1.0L - static_cast<long double>(cth) * cth));
    g.theta = angle(cth, sth);
    // From here on cth divides; theta and sth are already taken.
    if (cth == 0) cth = static_cast<double>(1e-6L);

    // The foot point on the element's axis line, where the plane through the
    // point perpendicular to u meets it.
    const long double along = static_cast<long double>(r) / cth;
    const double fx = static_cast<double>(ex + dx * along);
    const double fy = static_cast<double>(ey + dy * along);
    const double fz = static_cast<double>(ez + dz * along);

    const double tth = static_cast<double>(sqrtl(1.0L - static_cast<long double>(cth) * cth) / cth);
    if (tth == 0) {
        // On the axis line: no theta and no phi direction.
        g.ethx = g.ethy = g.ethz = 0;
    } else {
        g.ethx = static_cast<double>((static_cast<long double>(xp) - fx) / r / tth);
        g.ethy = static_cast<double>((static_cast<long double>(yp) - fy) / r / tth);
        g.ethz = static_cast<double>((static_cast<long double>(zp) - fz) / r / tth);
    }

    g.ephx = static_cast<double>(static_cast<long double>(g.ethz) * g.uy -
                                 static_cast<long double>(g.ethy) * g.uz);
    g.ephy = static_cast<double>(static_cast<long double>(g.ethx) * g.uz -
                                 static_cast<long double>(g.ethz) * g.ux);
    g.ephz = static_cast<double>(static_cast<long double>(g.ethy) * g.ux -
                                 static_cast<long double>(g.ethx) * g.uy);
    return true;
}

} // namespace kvarn
