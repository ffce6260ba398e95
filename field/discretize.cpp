#include "field/discretize.h"

#include <cmath>

#include "control/calc_params.h"
#include "field/antenna.h"
#include "field/constants.h"

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

namespace {

// The mean of the standing wave amplitude * sin(2 pi t / wavelength) over
// element number s, which covers the wire from t = s - 1 to t = s.
double elementCurrent(double s, double wavelength, double amplitude) {
    return static_cast<double>(
        (cosl((static_cast<long double>(s) - 1.0L) * kTwoPi / wavelength) -
         cosl(static_cast<long double>(s) * kTwoPi / wavelength)) *
        (static_cast<long double>(wavelength) * amplitude / 2.0L / kPi / kElementLength));
}

} // namespace

void layElements(double wavelength, double amplitude) {
    // The element index runs at most to 801: the table's own range check ends
    // the program before anything is written past element 800.
    int i = 1;
    double s = 0; // metres of wire that have received elements
    for (double j = 1; j <= segCount; j = j + 1) {
        const int seg = static_cast<int>(j);
        const double len = segmentLength(seg);
        const double m = segmentElements(len);
        if (m < 1) continue; // no element: its direction is never needed
        const long double ddx = static_cast<long double>(xe[seg]) - xa[seg];
        const long double ddy = static_cast<long double>(ye[seg]) - ya[seg];
        const long double ddz = static_cast<long double>(ze[seg]) - za[seg];
        const double cx = static_cast<double>(ddx / len);
        const double cy = static_cast<double>(ddy / len);
        const double cz = static_cast<double>(ddz / len);
        for (double k = 1; k <= m; k = k + 1) {
            AntennaElement& e = elements[static_cast<std::size_t>(i)];
            e.dx = cx;
            e.dy = cy;
            e.dz = cz;
            const long double fromStart = static_cast<long double>(k) - 0.5L;
            e.x = static_cast<double>(fromStart * cx + xa[seg]);
            e.y = static_cast<double>(fromStart * cy + ya[seg]);
            e.z = static_cast<double>(fromStart * cz + za[seg]);
            s = s + 1; // the wave runs on across corners
            e.current = elementCurrent(s, wavelength, amplitude);
            e.length = static_cast<double>(kElementLength);
            i = i + 1;
        }
    }
    elementCount = static_cast<std::uint16_t>(i - 1);
}

void discretizeAntenna() {
    // The wire counts as 2 * totalLength / lambda half-wave radiators of 73.2
    // ohms sharing the power; a is the current at the maxima of the wave.
    const double a = static_cast<double>(sqrtl(static_cast<long double>(calc.lambda) * calc.power /
                                               2.0L / totalLength / kRadiationResistance));
    layElements(calc.lambda, a);
}

} // namespace kvarn
