#include "mom/wire.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "mom/constants.h"

namespace kvarn::mom {

namespace {

// Two points closer than this share of a segment's length are one point,
// as NEC-2 joins segment ends: a wire end this close to z = 0 touches the
// ground, and a last corner this close to the first closes the wire.
constexpr double kContactShare = 1e-3;
// A feed this share of a segment length before a segment border counts as
// on it: the distance along the wire is summed with rounding.
constexpr double kBorderShare = 1e-9;

std::string format(const char* pattern, double a, double b = 0, double c = 0) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

bool finite(Vec3 p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// The checks that need no segments; empty when all pass.
std::string checkSpec(const WireSpec& wireSpec) {
    if (wireSpec.corners.size() < kMinCorners || wireSpec.corners.size() > kMaxCorners)
        return format("the wire needs 2 to 10 corners, not %.0f",
                      static_cast<double>(wireSpec.corners.size()));
    for (std::size_t i = 0; i < wireSpec.corners.size(); ++i)
        if (!finite(wireSpec.corners[i]))
            return format("corner %.0f has a coordinate that is not a number", i + 1.0);
    if (!std::isfinite(wireSpec.frequencyMHz) || wireSpec.frequencyMHz <= 0)
        return "the frequency must be a positive number of MHz";
    if (!std::isfinite(wireSpec.diameterMm) || wireSpec.diameterMm <= 0)
        return "the wire diameter must be a positive number of mm";
    for (std::size_t i = 1; i < wireSpec.corners.size(); ++i)
        if (norm(wireSpec.corners[i] - wireSpec.corners[i - 1]) == 0)
            return format("corners %.0f and %.0f are the same point", static_cast<double>(i),
                          i + 1.0);
    if (wireSpec.ground == Ground::Real) {
        const Soil& soil = wireSpec.soil;
        if (!std::isfinite(soil.relativePermittivity) || soil.relativePermittivity < 1)
            return "the ground's relative permittivity must be a number of at least 1";
        if (!std::isfinite(soil.conductivity) || soil.conductivity < 0)
            return "the ground's conductivity must be a number of at least 0 S/m";
    }
    return {};
}

} // namespace

double maxSegmentLength(double wavelength) {
    return std::min(wavelength / kSegmentsPerWavelength, kMaxSegmentM);
}

Segmentation segmentWire(const WireSpec& wireSpec) {
    Segmentation out;
    if (std::string reason = checkSpec(wireSpec); !reason.empty()) {
        out.reason = reason;
        return out;
    }
    Segments& w = out.wire;
    w.wavelength = kSpeedOfLight / wireSpec.frequencyMHz;
    w.radius = wireSpec.diameterMm / 2000.0;
    w.ground = wireSpec.ground;
    const double longest = maxSegmentLength(w.wavelength);

    std::vector<Vec3> corners = wireSpec.corners;
    std::vector<std::size_t> counts; // segments per piece
    std::size_t total = 0;
    for (std::size_t i = 1; i < corners.size(); ++i) {
        const double piece = norm(corners[i] - corners[i - 1]);
        // The small allowance keeps a piece of exactly n segment lengths at n.
        const auto n = static_cast<std::size_t>(std::max(1.0, std::ceil(piece / longest - 1e-9)));
        if (piece / static_cast<double>(n) <= kMinSegmentRadii * w.radius) {
            out.reason = format("the piece from corner %.0f to %.0f is too short for a wire "
                                "this thick: segments must be longer than 8 wire radii (%.3g m)",
                                static_cast<double>(i), i + 1.0, kMinSegmentRadii * w.radius);
            return out;
        }
        counts.push_back(n);
        total += n;
        w.length += piece;
    }
    if (total > kMaxSegments) {
        out.reason = format("the wire needs %.0f segments at this frequency; the engine takes at "
                            "most %.0f (a shorter wire or a lower frequency)",
                            static_cast<double>(total), static_cast<double>(kMaxSegments));
        return out;
    }
    if (!std::isfinite(wireSpec.feedM) || wireSpec.feedM < 0 || wireSpec.feedM > w.length) {
        out.reason =
            format("the feed must lie on the wire: 0 to %.2f m from the first corner", w.length);
        return out;
    }

    const double firstContact = kContactShare * norm(corners[1] - corners[0]) / counts.front();
    const double lastContact =
        kContactShare * norm(corners.back() - corners[corners.size() - 2]) / counts.back();
    w.closed = norm(corners.back() - corners.front()) <= std::min(firstContact, lastContact);
    bool groundedStart = false, groundedEnd = false;
    if (wireSpec.ground == Ground::Real) {
        // The Sommerfeld-Norton ground holds for currents above it; a wire
        // into a lossy ground would need the field inside it.
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const bool first = i == 0, last = i + 1 == corners.size();
            const double contact = first ? firstContact : last ? lastContact : 0;
            if (corners[i].z <= contact) {
                out.reason = format("corner %.0f is not above the ground (z = %.3f m); over a "
                                    "real ground the whole wire must be",
                                    i + 1.0, corners[i].z);
                return out;
            }
        }
    }
    if (wireSpec.ground == Ground::Perfect) {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const bool first = i == 0, last = i + 1 == corners.size();
            const double contact = first ? firstContact : last ? lastContact : 0;
            if (corners[i].z < -contact) {
                out.reason =
                    format("corner %.0f lies below the ground (z = %.3f m)", i + 1.0, corners[i].z);
                return out;
            }
            if (corners[i].z <= contact && (w.closed || !(first || last))) {
                out.reason = format("corner %.0f touches the ground; only a free end of the "
                                    "wire may",
                                    i + 1.0);
                return out;
            }
            if (corners[i].z <= contact) {
                corners[i].z = 0; // on the ground, as NEC-2 places such an end
                (first ? groundedStart : groundedEnd) = true;
            }
        }
    }
    if (w.closed) corners.back() = corners.front();
    w.pieceSegments = counts;

    for (std::size_t p = 0; p + 1 < corners.size(); ++p) {
        const Vec3 a = corners[p], b = corners[p + 1];
        const double n = static_cast<double>(counts[p]);
        for (std::size_t k = 0; k < counts[p]; ++k) {
            Segment s;
            s.start = a + (static_cast<double>(k) / n) * (b - a);
            s.end = a + (static_cast<double>(k + 1) / n) * (b - a);
            s.centre = 0.5 * (s.start + s.end);
            s.length = norm(b - a) / n;
            s.direction = (1.0 / norm(b - a)) * (b - a);
            w.segments.push_back(s);
        }
    }
    const int count = static_cast<int>(w.segments.size());
    for (int i = 0; i < count; ++i) {
        w.before.push_back(i - 1);
        w.after.push_back(i + 1 < count ? i + 1 : kFreeEnd);
    }
    w.before.front() = w.closed ? count - 1 : groundedStart ? kGroundEnd : kFreeEnd;
    w.after.back() = w.closed ? 0 : groundedEnd ? kGroundEnd : kFreeEnd;

    // The source is the segment whose stretch of wire [start, end) holds the
    // feed distance; a feed on the border of two segments (within rounding)
    // goes to the later one, and a feed at the very end of the wire to the
    // last segment.
    double pieceStart = 0;
    std::size_t first = 0; // index of the piece's first segment
    w.feedSegment = w.segments.size() - 1;
    for (std::size_t p = 0; p < counts.size(); ++p) {
        const double piece = norm(corners[p + 1] - corners[p]);
        const double n = static_cast<double>(counts[p]);
        const double t = (wireSpec.feedM - pieceStart) / piece * n; // in segments of this piece
        if (t < n - kBorderShare) {
            w.feedSegment = first + static_cast<std::size_t>(std::floor(t + kBorderShare));
            break;
        }
        pieceStart += piece;
        first += counts[p];
    }
    return out;
}

} // namespace kvarn::mom
