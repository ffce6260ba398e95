#include "mom/real_ground.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include "ground/segment_ground_field.h"
#include "mom/constants.h"
#include "mom/threads.h"

namespace kvarn::mom {

namespace {

// H from the curl of E, both in the unit of the segment fields (lengths in
// wavelengths): H = curl E / (-j omega mu) = j curl E / (2 pi eta).
const Complex kCurlToH{0, 1 / (kTwoPi * kWaveImpedance)};

constexpr std::size_t kKeptBands = 8;

ground::Segment segmentOf(const SegmentInWavelengths& s) {
    return {{s.centre.x, s.centre.y, s.centre.z},
            {s.direction.x, s.direction.y, s.direction.z},
            s.length};
}

CVec3 vectorOf(const ground::FieldVec3& v, Complex scale = 1.0) {
    return {scale * v[0], scale * v[1], scale * v[2]};
}

void add(TermFields& to, const ground::SegmentGroundField& f, Complex scale = 1.0) {
    to.constant += vectorOf(f.constant, scale);
    to.sine += vectorOf(f.sine, scale);
    to.cosine += vectorOf(f.cosine, scale);
}

} // namespace

RealGround::RealGround(const Soil& soil, double frequencyMHz, unsigned threads)
    : ground_({soil.relativePermittivity, soil.conductivity, frequencyMHz},
              resolveThreads(threads)) {}

Complex RealGround::imageFactor() const {
    return ground_.constants().frati;
}

void RealGround::addE(const SegmentInWavelengths& source, Vec3 p, double ai, TermFields& e) const {
    add(e, ground::segmentGroundField(ground_, segmentOf(source), {p.x, p.y, p.z}, ai,
                                      std::sqrt(normSquared(e.constant))));
}

void RealGround::addEH(const SegmentInWavelengths& source, Vec3 p, TermFields& e,
                       TermFields& h) const {
    const ground::SegmentGroundFieldAndCurl f = ground::segmentGroundFieldAndCurl(
        ground_, segmentOf(source), {p.x, p.y, p.z}, std::sqrt(normSquared(e.constant)));
    add(e, f.field);
    add(h, f.curl, kCurlToH);
}

std::shared_ptr<const RealGround> realGroundFor(const Soil& soil, double frequencyMHz,
                                                unsigned threads) {
    struct Band {
        Soil soil;
        double frequencyMHz;
        std::shared_ptr<const RealGround> ground;
    };
    static std::mutex mutex;
    static std::deque<Band> kept; // the most recent first
    const std::scoped_lock lock(mutex);
    const auto same = [&](const Band& b) {
        return b.soil.relativePermittivity == soil.relativePermittivity &&
               b.soil.conductivity == soil.conductivity && b.frequencyMHz == frequencyMHz;
    };
    if (const auto it = std::find_if(kept.begin(), kept.end(), same); it != kept.end()) {
        const Band band = *it;
        kept.erase(it);
        kept.push_front(band);
        return band.ground;
    }
    auto ground = std::make_shared<const RealGround>(soil, frequencyMHz, threads);
    kept.push_front({soil, frequencyMHz, ground});
    if (kept.size() > kKeptBands) kept.pop_back();
    return ground;
}

GroundModel groundModel(const WireSpec& wireSpec, unsigned threads) {
    if (wireSpec.ground != Ground::Real) return {wireSpec.ground, nullptr};
    return {Ground::Real, realGroundFor(wireSpec.soil, wireSpec.frequencyMHz, threads)};
}

} // namespace kvarn::mom
