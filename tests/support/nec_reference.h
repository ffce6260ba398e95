#pragma once
// nec2c as the reference of the engine's tests: a deck written here from
// the wire's description (never by the engine), run in a temporary
// directory, and the figures read back from its printed output. The tests
// of kvarn's own deck writer run its decks the same way.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kvarn::mom::testing {

struct NecWire {
    std::vector<std::vector<double>> corners; // m, {x, y, z}
    double feedM = 0;                         // m along the wire
    double diameterMm = 2.0;
    bool perfectGround = false;
    double frequencyMHz = 0;
    // A real ground (GN 2, NEC-2's Sommerfeld-Norton ground) where the
    // permittivity is above 0.
    double groundPermittivity = 0;
    double groundConductivity = 0; // S/m
};

struct NecPoint {
    double x, y, z; // m
    double e;       // V/m, |E| peak
    double h;       // A/m, |H| peak
};

struct NecResult {
    bool finished = false; // nec2c read the whole deck and ended without an error
    bool ran = false;      // and printed E and H at every point
    double r = 0, x = 0;   // ohm, feed impedance
    double inputPower = 0; // W, at 1 V
    std::vector<NecPoint> points;
    int segments = 0;
};

// A plane of points: nx x ny from (x0, y0) in steps, at height z.
struct NecPlane {
    int nx = 1, ny = 1;
    double x0 = 0, y0 = 0, z = 0, step = 1;
};

// The segments per piece by the rule the engine promises: equal segments
// no longer than min(wavelength / 40, 0.5 m).
inline int necSegments(double piece, double frequencyMHz) {
    const double longest = std::min(299.8 / frequencyMHz / 40, 0.5);
    return static_cast<int>(std::ceil(piece / longest - 1e-9));
}

inline double distance(const std::vector<double>& a, const std::vector<double>& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

inline std::string necDeck(const NecWire& w, const NecPlane& plane) {
    std::ostringstream deck;
    deck << "CM kvarn test\nCE\n";
    int tag = 0, feedTag = 1, feedSeg = 1;
    double along = 0;
    bool placed = false;
    for (std::size_t i = 1; i < w.corners.size(); ++i) {
        const auto &a = w.corners[i - 1], &b = w.corners[i];
        const double piece = distance(a, b);
        const int n = necSegments(piece, w.frequencyMHz);
        ++tag;
        deck << "GW " << tag << ' ' << n;
        for (double v : a)
            deck << ' ' << v;
        for (double v : b)
            deck << ' ' << v;
        deck << ' ' << w.diameterMm / 2000 << '\n';
        const double k = (w.feedM - along) / piece * n;
        if (!placed && k < n - 1e-9) {
            feedTag = tag;
            feedSeg = static_cast<int>(std::floor(k + 1e-9)) + 1;
            placed = true;
        }
        if (!placed) {
            feedTag = tag;
            feedSeg = n;
        }
        along += piece;
    }
    if (w.groundPermittivity > 0)
        deck << "GE 0\nGN 2 0 0 0 " << w.groundPermittivity << ' ' << w.groundConductivity << '\n';
    else
        deck << (w.perfectGround ? "GE 1\nGN 1\n" : "GE 0\n");
    deck << "EX 0 " << feedTag << ' ' << feedSeg << " 0 1.0 0.0\n";
    deck << "FR 0 1 0 0 " << w.frequencyMHz << " 0\n";
    for (const char* card : {"NE", "NH"})
        deck << card << " 0 " << plane.nx << ' ' << plane.ny << " 1 " << plane.x0 << ' ' << plane.y0
             << ' ' << plane.z << ' ' << plane.step << ' ' << plane.step << " 0\n";
    deck << "EN\n";
    return deck.str();
}

// The magnitude of a field row's three components: x y z |X| ph |Y| ph |Z| ph.
inline bool fieldRow(const std::string& line, double* xyz, double* magnitude) {
    double v[9];
    if (std::sscanf(line.c_str(), "%lf %lf %lf %lf %lf %lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3],
                    &v[4], &v[5], &v[6], &v[7], &v[8]) != 9)
        return false;
    xyz[0] = v[0], xyz[1] = v[1], xyz[2] = v[2];
    *magnitude = std::sqrt(v[3] * v[3] + v[5] * v[5] + v[7] * v[7]);
    return true;
}

inline NecResult runNecDeck(const std::string& deck) {
    kvarn::testing::TempDir dir;
    std::ofstream("wire.nec") << deck;
    NecResult out;
    if (std::system("nec2c -iwire.nec -owire.out > /dev/null 2>&1") != 0) return out;
    out.finished = true;
    std::ifstream in("wire.out");
    std::string line;
    enum { None, Input, Electric, Magnetic } section = None;
    std::size_t hIndex = 0;
    while (std::getline(in, line)) {
        if (line.find("ANTENNA INPUT PARAMETERS") != std::string::npos) section = Input;
        if (line.find("NEAR ELECTRIC FIELDS") != std::string::npos) section = Electric;
        if (line.find("NEAR MAGNETIC FIELDS") != std::string::npos) section = Magnetic;
        if (line.find("TOTAL SEGMENTS USED:") != std::string::npos)
            std::sscanf(line.c_str() + line.find("USED:") + 5, "%d", &out.segments);
        if (const auto at = line.find("INPUT POWER   ="); at != std::string::npos)
            out.inputPower = std::atof(line.c_str() + at + 15);
        double xyz[3], magnitude;
        if (section == Input) {
            double v[11];
            if (std::sscanf(line.c_str(), "%lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf", &v[0],
                            &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9],
                            &v[10]) == 11) {
                out.r = v[6];
                out.x = v[7];
                section = None;
            }
        } else if (section == Electric && fieldRow(line, xyz, &magnitude)) {
            out.points.push_back({xyz[0], xyz[1], xyz[2], magnitude, 0});
        } else if (section == Magnetic && fieldRow(line, xyz, &magnitude) &&
                   hIndex < out.points.size()) {
            out.points[hIndex++].h = magnitude;
        }
    }
    out.ran = !out.points.empty() && hIndex == out.points.size();
    return out;
}

inline NecResult runNec(const NecWire& w, const NecPlane& plane) {
    return runNecDeck(necDeck(w, plane));
}

} // namespace kvarn::mom::testing
