#include "field/discretize.h"

#include <cmath>

#include "field/constants.h"
#include "field/wire_length.h"

namespace kvarn {

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

double waveAmplitude(double wavelength, double power, double wireMetres) {
    return static_cast<double>(sqrtl(static_cast<long double>(wavelength) * power / 2.0L /
                                     wireMetres / kRadiationResistance));
}

std::uint16_t layElements(std::span<const CornerPoint> corners, double wavelength, double amplitude,
                          ElementTable& table) {
    // The element index runs at most to 801.
    int i = 1;
    double s = 0; // metres of wire that have received elements
    for (std::size_t j = 1; j < corners.size(); ++j) {
        const CornerPoint& start = corners[j - 1];
        const CornerPoint& end = corners[j];
        const double len = segmentLength(start, end);
        const double m = segmentElements(len);
        if (m < 1) continue; // no element: its direction is never needed
        const long double ddx = static_cast<long double>(end.x) - start.x;
        const long double ddy = static_cast<long double>(end.y) - start.y;
        const long double ddz = static_cast<long double>(end.z) - start.z;
        const double cx = static_cast<double>(ddx / len);
        const double cy = static_cast<double>(ddy / len);
        const double cz = static_cast<double>(ddz / len);
        for (double k = 1; k <= m; k = k + 1) {
            AntennaElement& e = table[static_cast<std::size_t>(i)];
            e.dx = cx;
            e.dy = cy;
            e.dz = cz;
            const long double fromStart = static_cast<long double>(k) - 0.5L;
            e.x = static_cast<double>(fromStart * cx + start.x);
            e.y = static_cast<double>(fromStart * cy + start.y);
            e.z = static_cast<double>(fromStart * cz + start.z);
            s = s + 1; // the wave runs on across corners
            e.current = elementCurrent(s, wavelength, amplitude);
            e.length = static_cast<double>(kElementLength);
            i = i + 1;
        }
    }
    return static_cast<std::uint16_t>(i - 1);
}

double modelWavelength(AntennaModel model, double lambda, double wireMetres) {
    if (model == AntennaModel::shortWire) return static_cast<double>(2.0L * wireMetres);
    return lambda;
}

std::uint16_t discretizeWire(AntennaModel model, std::span<const CornerPoint> corners,
                             double wireMetres, double lambda, double power, ElementTable& table) {
    const double w = modelWavelength(model, lambda, wireMetres);
    return layElements(corners, w, waveAmplitude(w, power, wireMetres), table);
}

} // namespace kvarn
