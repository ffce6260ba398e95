#include "mom/near_field.h"

#include <algorithm>
#include <cmath>

#include "mom/constants.h"
#include "mom/threads.h"

namespace kvarn::mom {

namespace {

// Distance from p to the segment from a to b.
double distanceToSegment(Vec3 p, Vec3 a, Vec3 b) {
    const Vec3 ab = b - a;
    const double t = std::clamp(dot(p - a, ab) / dot(ab, ab), 0.0, 1.0);
    return norm(p - (a + t * ab));
}

} // namespace

NearField::NearField(const Segments& wire, const Currents& currents, const GroundModel& ground)
    : segments_(wire.segments), currents_(currents.segments), ground_(ground),
      wavelength_(wire.wavelength), radius_(wire.radius),
      feed_(wire.segments[currents.feedSegment].centre),
      feedLength_(wire.segments[currents.feedSegment].length) {
    for (const Segment& s : wire.segments)
        segs_.push_back(inWavelengths(s, wire.wavelength));
    if (wire.before.front() == kFreeEnd) {
        freeEnds_.push_back(wire.segments.front().start);
        endLengths_.push_back(wire.segments.front().length);
    }
    if (wire.after.back() == kFreeEnd) {
        freeEnds_.push_back(wire.segments.back().end);
        endLengths_.push_back(wire.segments.back().length);
    }
}

bool NearField::holds(Vec3 p) const {
    if (ground_.kind != Ground::FreeSpace && p.z < 0) return false;
    if (norm(p - feed_) < kHoldsFeedSegments * feedLength_) return false;
    for (std::size_t i = 0; i < freeEnds_.size(); ++i)
        if (norm(p - freeEnds_[i]) < kHoldsEndSegments * endLengths_[i]) return false;
    for (const Segment& s : segments_)
        if (distanceToSegment(p, s.start, s.end) < kHoldsWireRadii * radius_) return false;
    return true;
}

FieldPoint NearField::at(Vec3 p) const {
    const Vec3 q = (1 / wavelength_) * p;
    // A point inside the wire sees the field on its surface, as in NEC-2.
    double ai = 0;
    for (const Segment& s : segments_)
        if (distanceToSegment(p, s.start, s.end) < radius_) {
            ai = radius_ / wavelength_;
            break;
        }
    FieldPoint out;
    // Inside a real ground this model gives no field.
    if (ground_.kind == Ground::Real && p.z < 0) {
        out.holds = false;
        return out;
    }
    for (std::size_t j = 0; j < segs_.size(); ++j) {
        const SegmentCurrent& c = currents_[j];
        // E and H in one go where they share the ground's integration.
        const TermFieldsEH f = ai == 0 ? fieldEH(segs_[j], q, ground_)
                                       : TermFieldsEH{fieldE(segs_[j], q, ai, ground_),
                                                      fieldH(segs_[j], q, ai, ground_)};
        out.e += c.a * f.e.constant + c.b * f.e.sine + c.c * f.e.cosine;
        out.h += c.a * f.h.constant + c.b * f.h.sine + c.c * f.h.cosine;
    }
    // The formulas give wavelengths times V/m and A/m.
    out.e = (1 / wavelength_) * out.e;
    out.h = (1 / wavelength_) * out.h;
    out.eRms = std::sqrt(normSquared(out.e) / 2);
    out.hRms = std::sqrt(normSquared(out.h) / 2);
    out.holds = holds(p);
    return out;
}

void NearField::evaluate(std::span<const Vec3> points, std::span<FieldPoint> out,
                         unsigned threads) const {
    parallelFor(points.size(), threads, [&](std::size_t i) { out[i] = at(points[i]); });
}

std::vector<double> NearField::currentMomentBounds() const {
    std::vector<double> moments;
    for (std::size_t j = 0; j < segs_.size(); ++j) {
        const SegmentCurrent& c = currents_[j];
        // segs_ in wavelengths: k (l / 2) = pi l.
        const double largest = std::abs(c.a) +
                               std::abs(c.b) * std::sin(std::min(kPi * segs_[j].length, kPi / 2)) +
                               std::abs(c.c);
        moments.push_back(largest * segments_[j].length);
    }
    return moments;
}

double NearField::holdsBeyond() const {
    double d = std::max(kHoldsFeedSegments * feedLength_, kHoldsWireRadii * radius_);
    for (double l : endLengths_)
        d = std::max(d, kHoldsEndSegments * l);
    return d;
}

} // namespace kvarn::mom
