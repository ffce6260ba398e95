#include "mom/near_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

Complex imageFactorOf(const GroundModel& ground) {
    return ground.correction ? ground.correction->imageFactor() : Complex{1, 0};
}

// A point this share of a wavelength short of one from a segment's centre
// may be where the engine lumps it: its own test decides.
constexpr double kLumpMargin = 1e-9;
// Two sums of the same fields in another order differ by roundings far
// below this share of their terms.
constexpr double kRoundingShare = 1e-9;

// The terms' field times their currents, times `factor`, and the sum of
// the terms' sizes for currents of sizes a, b and c.
CVec3 withCurrents(const TermFields& f, const SegmentCurrent& c, Complex factor) {
    return factor * (c.a * f.constant + c.b * f.sine + c.c * f.cosine);
}
double termSizes(const TermFields& f, const std::array<double, 3>& sizes) {
    return sizes[0] * std::sqrt(normSquared(f.constant)) +
           sizes[1] * std::sqrt(normSquared(f.sine)) + sizes[2] * std::sqrt(normSquared(f.cosine));
}

} // namespace

NearField::NearField(const Segments& wire, const Currents& currents, const GroundModel& ground)
    : segments_(wire.segments), currents_(currents.segments), ground_(ground),
      wavelength_(wire.wavelength), radius_(wire.radius),
      feed_(wire.segments[currents.feedSegment].centre),
      feedLength_(wire.segments[currents.feedSegment].length), imageFactor_(imageFactorOf(ground)),
      far_(wire, currents.segments, imageFactor_) {
    for (const Segment& s : wire.segments) {
        segs_.push_back(inWavelengths(s, wire.wavelength));
        images_.push_back(imageOf(segs_.back()));
    }
    for (const SegmentCurrent& c : currents_)
        currentSizes_.push_back({std::abs(c.a), std::abs(c.b), std::abs(c.c)});
    if (wire.before.front() == kFreeEnd) {
        freeEnds_.push_back(wire.segments.front().start);
        endLengths_.push_back(wire.segments.front().length);
    }
    if (wire.after.back() == kFreeEnd) {
        freeEnds_.push_back(wire.segments.back().end);
        endLengths_.push_back(wire.segments.back().length);
    }
}

double NearField::nearestSegment(Vec3 p) const {
    double nearest = std::numeric_limits<double>::infinity();
    for (const Segment& s : segments_)
        nearest = std::min(nearest, distanceToSegment(p, s.start, s.end));
    return nearest;
}

bool NearField::holds(Vec3 p) const {
    return holds(p, nearestSegment(p));
}

bool NearField::holds(Vec3 p, double nearest) const {
    if (ground_.kind != Ground::FreeSpace && p.z < 0) return false;
    if (norm(p - feed_) < kHoldsFeedSegments * feedLength_) return false;
    for (std::size_t i = 0; i < freeEnds_.size(); ++i)
        if (norm(p - freeEnds_[i]) < kHoldsEndSegments * endLengths_[i]) return false;
    return !(nearest < kHoldsWireRadii * radius_);
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

namespace {

// How fromBelow takes a segment, or its image, at a point.
enum class Take : unsigned char {
    engine, // the engine's own field
    lumped, // the engine's lumped field, H of the sine and cosine terms by nodes
    form,   // the node form
};

struct Part {
    Take take = Take::engine;
    int nodes = 0;
    double distance = 0; // m
    FieldBounds missed;
};

struct Plan {
    Part direct, image;
};

} // namespace

FieldPoint NearField::fromBelow(Vec3 p) const {
    // Below a ground, and inside the wire, the engine's way alone.
    if (ground_.kind != Ground::FreeSpace && p.z < 0) return at(p);
    const std::size_t count = segments_.size();
    thread_local std::vector<Plan> plans;
    plans.resize(count);
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t j = 0; j < count; ++j) {
        plans[j].direct.distance = distanceToSegment(p, segments_[j].start, segments_[j].end);
        nearest = std::min(nearest, plans[j].direct.distance);
    }
    if (nearest < radius_) return at(p);
    const bool overGround = ground_.kind != Ground::FreeSpace;

    // How each part is taken.
    const double lumped = (1 - kLumpMargin) * wavelength_;
    auto plan = [&](std::size_t j, Part& part, Vec3 centre, bool image) {
        const Vec3 r = p - centre;
        const FarSegments::Choice c = dot(r, r) >= lumped * lumped
                                          ? far_.sineCosineH(j, part.distance, image)
                                          : far_.whole(j, part.distance, image);
        part.take = c.nodes == 0                   ? Take::engine
                    : dot(r, r) >= lumped * lumped ? Take::lumped
                                                   : Take::form;
        part.nodes = c.nodes;
        part.missed = c.missed;
    };
    for (std::size_t j = 0; j < count; ++j) {
        const Segment& s = segments_[j];
        plan(j, plans[j].direct, s.centre, false);
        if (!overGround) continue;
        plans[j].image.distance = distanceToSegment(p, mirrored(s.start), mirrored(s.end));
        plan(j, plans[j].image, mirrored(s.centre), true);
        // The ground's own part is integrated finely near the image, measured
        // against the segment's and the image's own fields: there the
        // engine takes all of the segment.
        if (ground_.correction && plans[j].image.take == Take::engine)
            plans[j].direct.take = Take::engine;
    }

    const double k = kTwoPi / wavelength_;
    const Vec3 q = (1 / wavelength_) * p;
    const Complex perWavelength = 1 / wavelength_;
    const Complex toImage = -imageFactor_ * perWavelength;
    const double imageSize = std::abs(imageFactor_);
    CVec3 e, h;
    double missedE = 0, missedH = 0;
    // Adds a part as the engine (or its lumped field) gives it; the lumped
    // field's roundings are in the part's bound.
    auto engine = [&](std::size_t j, bool image, Part& part) {
        const SegmentInWavelengths& s = image ? images_[j] : segs_[j];
        const Complex factor = image ? toImage : perWavelength;
        const SegmentCurrent& c = currents_[j];
        TermFields te, th;
        CVec3 constantH;
        if (part.take == Take::lumped && lumpedEH(s, q, te, constantH)) {
            e += withCurrents(te, c, factor);
            h += factor * c.a * constantH;
            return;
        }
        part.take = Take::engine;
        segmentEH(s, q, te, th);
        e += withCurrents(te, c, factor);
        h += withCurrents(th, c, factor);
        const double share = kRoundingShare * (image ? imageSize : 1) / wavelength_;
        missedE += share * termSizes(te, currentSizes_[j]);
        missedH += share * termSizes(th, currentSizes_[j]);
    };
    for (std::size_t j = 0; j < count; ++j) {
        const Segment& s = segments_[j];
        const SegmentCurrent& c = currents_[j];
        Plan& pl = plans[j];
        if (ground_.correction && pl.image.take == Take::engine) {
            const TermFieldsEH t = fieldEH(segs_[j], q, ground_);
            e += withCurrents(t.e, c, perWavelength);
            h += withCurrents(t.h, c, perWavelength);
            missedE += kRoundingShare / wavelength_ * termSizes(t.e, currentSizes_[j]);
            missedH += kRoundingShare / wavelength_ * termSizes(t.h, currentSizes_[j]);
            continue;
        }
        const Vec3 imageCentre = mirrored(s.centre),
                   imageDirection{s.direction.x, s.direction.y, -s.direction.z};
        for (bool image : {false, true}) {
            if (image && !overGround) break;
            Part& part = image ? pl.image : pl.direct;
            const Vec3 centre = image ? imageCentre : s.centre;
            const Vec3 direction = image ? imageDirection : s.direction;
            if (part.take != Take::form) engine(j, image, part);
            if (part.take == Take::lumped)
                addNodeH(far_.sineCosineNodes(j, image, part.nodes), centre, direction, p, k, h);
            else if (part.take == Take::form)
                addNodeField(far_.nodes(j, image, part.nodes), centre, direction, p, k, e, h);
            if (part.take != Take::engine) {
                missedE += part.missed.e;
                missedH += part.missed.h;
            }
        }
        if (ground_.correction) {
            // The ground's own part alone: beyond kFormBeyond segment lengths
            // of the image its integration does not look at the fields it is
            // added to.
            TermFields te{}, th{};
            ground_.correction->addEH(segs_[j], q, te, th);
            e += withCurrents(te, c, perWavelength);
            h += withCurrents(th, c, perWavelength);
            missedE += kRoundingShare / wavelength_ * termSizes(te, currentSizes_[j]);
            missedH += kRoundingShare / wavelength_ * termSizes(th, currentSizes_[j]);
        }
    }

    // The charges the node forms leave at their ends: where two forms of one
    // chain meet, their difference, which is bounded instead.
    for (bool image : {false, true}) {
        if (image && !overGround) break;
        for (std::size_t j = 0; j < count; ++j) {
            const Part& part = image ? plans[j].image : plans[j].direct;
            if (part.take != Take::form) continue;
            const Segment& s = segments_[j];
            auto formAt = [&](std::size_t i) {
                return (image ? plans[i].image : plans[i].direct).take == Take::form;
            };
            if (j > 0 && far_.joinsNext(j - 1) && formAt(j - 1)) {
                const double d = part.distance;
                missedE += kWaveImpedance / (4 * kPi * k) * far_.netToNext(j - 1, image) *
                           std::sqrt(1 + k * k * d * d) / (d * d);
            } else {
                addChargeField(image ? mirrored(s.start) : s.start, -far_.start(j, image), p, k, e);
            }
            if (!(far_.joinsNext(j) && formAt(j + 1)))
                addChargeField(image ? mirrored(s.end) : s.end, far_.end(j, image), p, k, e);
        }
    }

    FieldPoint out;
    out.e = e;
    out.h = h;
    out.eRms = std::max(0.0, std::sqrt(normSquared(e)) - missedE) / std::sqrt(2.0);
    out.hRms = std::max(0.0, std::sqrt(normSquared(h)) - missedH) / std::sqrt(2.0);
    out.holds = holds(p, nearest);
    return out;
}

void NearField::evaluateFromBelow(std::span<const Vec3> points, std::span<FieldPoint> out,
                                  unsigned threads) const {
    parallelFor(points.size(), threads, [&](std::size_t i) { out[i] = fromBelow(points[i]); });
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
