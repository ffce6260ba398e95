#pragma once
// The first stage of the engine: the wire as the user gives it, checked and
// cut into the straight segments the method of moments works on.

#include <string>
#include <vector>

#include "mom/vec3.h"

namespace kvarn::mom {

enum class Ground {
    FreeSpace,
    Perfect, // a perfectly conducting plane at z = 0
    Real,    // a lossy ground below z = 0 (NEC-2's Sommerfeld-Norton ground)
};

// The electrical constants of a real ground (average soil by default).
struct Soil {
    double relativePermittivity = 13; // eps_r, at least 1
    double conductivity = 0.005;      // S/m, at least 0
};

// One continuous wire through its corners, fed at one point.
struct WireSpec {
    std::vector<Vec3> corners; // m, 2 to 10, the wire runs through them in order
    double feedM = 0;          // m along the wire from the first corner, 0 to its length
    double diameterMm = 2.0;   // mm
    Ground ground = Ground::FreeSpace;
    Soil soil;               // read for Ground::Real only
    double frequencyMHz = 0; // MHz
};

// A straight piece of wire carrying one part of the current expansion.
struct Segment {
    Vec3 start, end;   // m
    Vec3 centre;       // m
    Vec3 direction;    // unit vector from start to end
    double length = 0; // m
};

// What the neighbouring segments are at each end of a segment.
inline constexpr int kFreeEnd = -1; // the wire ends here
inline constexpr int kGroundEnd =
    -2; // the end touches the perfect ground: current flows into the image

struct Segments {
    std::vector<Segment> segments; // in order along the wire
    std::vector<int> before; // per segment: the segment its start joins, kFreeEnd or kGroundEnd
    std::vector<int> after;  // per segment: the segment its end joins, kFreeEnd or kGroundEnd
    std::vector<std::size_t> pieceSegments; // per straight piece, corner to corner: its segments
    std::size_t feedSegment = 0;            // index of the segment that carries the source
    double radius = 0;                      // m, of the wire
    double wavelength = 0;                  // m
    double length = 0;                      // m, of the whole wire
    Ground ground = Ground::FreeSpace;
    bool closed = false; // the last corner meets the first: a loop, no free ends
};

// The wire cut into segments, or the reason it cannot be (then `reason`
// says in one sentence what to change, for a station-file reader to show).
struct Segmentation {
    Segments wire;
    std::string reason; // empty when the wire was cut
    bool ok() const { return reason.empty(); }
};

inline constexpr std::size_t kMinCorners = 2;
inline constexpr std::size_t kMaxCorners = 10;
inline constexpr double kMaxSegmentM = 0.5;          // m, the longest segment at any frequency
inline constexpr double kSegmentsPerWavelength = 40; // at least, on every piece
inline constexpr double kMinSegmentRadii = 8;        // shortest segment, in wire radii
inline constexpr std::size_t kMaxSegments = 4000;    // more would not fit a dense solve

// Cuts every straight piece into equal segments no longer than
// min(wavelength / 40, 0.5 m).
Segmentation segmentWire(const WireSpec& wireSpec);

// The longest segment the rule allows at this wavelength, m.
double maxSegmentLength(double wavelength);

} // namespace kvarn::mom
