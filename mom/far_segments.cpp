#include "mom/far_segments.h"

#include <algorithm>
#include <cmath>

#include "mom/constants.h"

namespace kvarn::mom {

namespace {

// The ladder: kStepsPerOctave steps to a doubling of the distance, from
// kFormBeyond segment lengths out to kLadderEnd wavelengths (the engine
// lumps a segment from one wavelength on; beyond the ladder's end its last
// step holds, what a form misses falling with the distance).
constexpr int kStepsPerOctave = 4;
constexpr double kQuarterOctave[] = {1.189207115002721, 1.414213562373095, 1.681792830507429};
constexpr double kLadderEnd = 2; // wavelengths
// The engine's field of a segment differs from the integrals it stands for
// by its rule for the constant term's smooth remainder, (k length)^4 / 4320
// of that remainder by its own account (below 2e-7 on segments of at most a
// fortieth of a wavelength), and by roundings: this share of the constant
// term's field (that remainder's whole), and kRoundingShare of the whole
// segment's, cover both many times over.
constexpr double kEngineShare = 1e-6;
constexpr double kRoundingShare = 1e-9;

Vec3 mirroredDirection(Vec3 d) {
    return {d.x, d.y, -d.z};
}

FieldBounds operator+(FieldBounds a, FieldBounds b) {
    return {a.e + b.e, a.h + b.h};
}
FieldBounds operator*(double s, FieldBounds a) {
    return {s * a.e, s * a.h};
}

// The first step from which on every step is enough.
int firstOfLast(const std::vector<bool>& enough) {
    int from = static_cast<int>(enough.size());
    while (from > 0 && enough[static_cast<std::size_t>(from - 1)])
        --from;
    return from;
}

} // namespace

FarSegments::FarSegments(const Segments& wire, const std::vector<SegmentCurrent>& currents,
                         Complex imageFactor)
    : toImage_(-imageFactor), imageSize_(std::abs(imageFactor)) {
    const double k = kTwoPi / wire.wavelength;
    const std::size_t count = wire.segments.size();
    for (std::size_t j = 0; j < count; ++j) {
        const Segment& s = wire.segments[j];
        const SegmentCurrent& c = currents[j];
        Far f;
        const double sine = std::sin(0.5 * k * s.length), cosine = std::cos(0.5 * k * s.length);
        f.start = c.a - c.b * sine + c.c * cosine;
        f.end = c.a + c.b * sine + c.c * cosine;
        f.joinsNext = j + 1 < count && wire.after[j] == static_cast<int>(j + 1) &&
                      wire.before[j + 1] == static_cast<int>(j);
        const Vec3 imageCentre = mirrored(s.centre),
                   imageDirection = mirroredDirection(s.direction);
        for (int n = kFewestNodes; n <= kMostNodes; ++n) {
            const auto at = static_cast<std::size_t>(n);
            f.direct[at] = nodeForm(s.centre, s.direction, s.length, k, c.a, c.b, c.c, n);
            f.image[at] = nodeForm(imageCentre, imageDirection, s.length, k, toImage_ * c.a,
                                   toImage_ * c.b, toImage_ * c.c, n);
            f.directSc[at] = nodeForm(s.centre, s.direction, s.length, k, 0, c.b, c.c, n);
            f.imageSc[at] = nodeForm(imageCentre, imageDirection, s.length, k, 0, toImage_ * c.b,
                                     toImage_ * c.c, n);
        }

        // What the forms miss, step by step. n nodes are enough for a step
        // when their error there is below kNodeShare of the segment's field
        // at its far end, where a point of the step may lie.
        const double aAbs = std::abs(c.a), bcAbs = std::abs(c.b) + std::abs(c.c);
        const double ends = std::abs(f.start) + std::abs(f.end);
        f.ladderStart = kFormBeyond * s.length;
        const int steps = std::max(
            2, static_cast<int>(std::ceil(
                   kStepsPerOctave * std::log2(kLadderEnd * wire.wavelength / f.ladderStart))) +
                   1);
        std::array<std::vector<bool>, kMostNodes + 1> wholeEnough, sineCosineEnough;
        for (int i = 0; i < steps; ++i) {
            const double d = f.ladderStart * std::exp2(static_cast<double>(i) / kStepsPerOctave);
            const double beyond =
                f.ladderStart * std::exp2(static_cast<double>(i + 1) / kStepsPerOctave);
            const FieldBounds all = segmentFieldBound(s.length, d, k, aAbs, bcAbs, ends);
            const FieldBounds allBeyond = segmentFieldBound(s.length, beyond, k, aAbs, bcAbs, ends);
            const FieldBounds constant = segmentFieldBound(s.length, d, k, aAbs, 0, 0);
            Step step;
            for (int n = kFewestNodes; n <= kMostNodes; ++n) {
                const auto at = static_cast<std::size_t>(n);
                const FieldBounds form = nodeFormError(s.length, d, k, aAbs, bcAbs, n);
                step.whole[at] = form + kEngineShare * constant + kRoundingShare * all;
                wholeEnough[at].push_back(form.e <= kNodeShare * allBeyond.e &&
                                          form.h <= kNodeShare * allBeyond.h);
                const double h = nodeFormError(s.length, d, k, 0, bcAbs, n).h;
                step.sineCosine[at] = {kRoundingShare * all.e, h + kRoundingShare * all.h};
                sineCosineEnough[at].push_back(h <= kNodeShare * allBeyond.h);
            }
            f.steps.push_back(step);
        }
        for (int n = kFewestNodes; n <= kMostNodes; ++n) {
            const auto at = static_cast<std::size_t>(n);
            f.wholeFrom[at] = firstOfLast(wholeEnough[at]);
            f.sineCosineFrom[at] = firstOfLast(sineCosineEnough[at]);
        }
        segments_.push_back(std::move(f));
    }
    for (std::size_t j = 0; j + 1 < count; ++j)
        if (segments_[j].joinsNext)
            segments_[j].netToNext = std::abs(segments_[j].end - segments_[j + 1].start);
}

int FarSegments::stepOf(const Far& f, double distance) const {
    if (!(distance >= f.ladderStart)) return -1;
    // floor(4 log2(distance / start)) from the ratio's exponent and mantissa.
    int exponent = 0;
    const double mantissa = 2 * std::frexp(distance / f.ladderStart, &exponent); // in [1, 2)
    const int i = kStepsPerOctave * (exponent - 1) + (mantissa >= kQuarterOctave[0]) +
                  (mantissa >= kQuarterOctave[1]) + (mantissa >= kQuarterOctave[2]);
    return std::min(i, static_cast<int>(f.steps.size()) - 1);
}

FarSegments::Choice FarSegments::whole(std::size_t j, double distance, bool image) const {
    const Far& f = segments_[j];
    const int i = stepOf(f, distance);
    if (i < 0) return {};
    for (int n = kFewestNodes; n <= kMostNodes; ++n) {
        const auto at = static_cast<std::size_t>(n);
        if (i >= f.wholeFrom[at])
            return {n, (image ? imageSize_ : 1.0) * f.steps[static_cast<std::size_t>(i)].whole[at]};
    }
    return {};
}

FarSegments::Choice FarSegments::sineCosineH(std::size_t j, double distance, bool image) const {
    const Far& f = segments_[j];
    const int i = stepOf(f, distance);
    if (i < 0) return {};
    for (int n = kFewestNodes; n <= kMostNodes; ++n) {
        const auto at = static_cast<std::size_t>(n);
        if (i >= f.sineCosineFrom[at])
            return {n, (image ? imageSize_ : 1.0) *
                           f.steps[static_cast<std::size_t>(i)].sineCosine[at]};
    }
    return {};
}

const std::vector<NodeCurrent>& FarSegments::nodes(std::size_t j, bool image, int n) const {
    const Far& f = segments_[j];
    return (image ? f.image : f.direct)[static_cast<std::size_t>(n)];
}

const std::vector<NodeCurrent>& FarSegments::sineCosineNodes(std::size_t j, bool image,
                                                             int n) const {
    const Far& f = segments_[j];
    return (image ? f.imageSc : f.directSc)[static_cast<std::size_t>(n)];
}

Complex FarSegments::start(std::size_t j, bool image) const {
    return image ? toImage_ * segments_[j].start : segments_[j].start;
}

Complex FarSegments::end(std::size_t j, bool image) const {
    return image ? toImage_ * segments_[j].end : segments_[j].end;
}

double FarSegments::netToNext(std::size_t j, bool image) const {
    return (image ? imageSize_ : 1.0) * segments_[j].netToNext;
}

} // namespace kvarn::mom
