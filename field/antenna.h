#pragma once
// The antenna: the wire's corner lists as the coordinate form fills them,
// and the table of 1 m elements that the field computation sums over.

#include <cstdint>
#include <vector>

#include "base/one_based.h"

namespace kvarn {

inline constexpr int kMaxCorners = 10;
inline constexpr int kMaxElements = 800;

// One point of the wire, m; z is vertical.
struct CornerPoint {
    double x = 0, y = 0, z = 0;
};

using CornerList = OneBased<double, kMaxCorners>;

// How the current is laid on the wire: a standing wave of the real
// wavelength, or (the short model of the special version) one half wave
// over the whole wire.
enum class AntennaModel : std::uint8_t { standingWave, shortWire };

// Segment j runs from corner j (start lists) to corner j + 1 (end lists).
extern CornerList xa, ya, za; // start of segment j = corner j, m
extern CornerList xe, ye, ze; // end of segment j = corner j + 1, m
extern double segCount;       // number of segments, a whole number 1 to 9
extern double totalLength;    // whole metres 1 to 800, as the elements count them

// One 1 m piece of the wire, treated as a short current element.
struct AntennaElement {
    double x = 0, y = 0, z = 0;    // centre, m
    double dx = 0, dy = 0, dz = 0; // direction cosines of its segment
    double current = 0;            // mean standing-wave current over the element, A
    double length = 0;             // m, always 1.0
};

using ElementTable = OneBased<AntennaElement, kMaxElements>;

extern ElementTable elements;
extern std::uint16_t elementCount; // valid entries of elements; 0 at start

// The corners of a wire held in corner lists: corner 1 from the start lists,
// then the end of every segment 1 to segCount.
std::vector<CornerPoint> cornersOf(const CornerList& xs, const CornerList& ys, const CornerList& zs,
                                   const CornerList& xEnd, const CornerList& yEnd,
                                   const CornerList& zEnd, double segments);
// The corners of the program's antenna (the lists above).
std::vector<CornerPoint> antennaCorners();

// Clears the corner lists and the element table (program start, tests).
void resetAntenna();

} // namespace kvarn
