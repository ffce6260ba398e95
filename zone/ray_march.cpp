#include "zone/ray_march.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kvarn::zone {

namespace {

// Rounds in a row a bracket is narrowed by its probes' slope before the
// guess from its ends (and halving) take over again.
constexpr int kSlopeSteps = 2;
// m: two probes `tolerance` apart settle a bracket, though their distance
// may round a hair above it.
constexpr double kRoundingSlack = 1e-9;

// Where a ray crosses the zone's edge: between a zone point and one outside.
struct Bracket {
    std::size_t task = 0;
    double zone = 0, out = 0; // m along the ray
    ZoneSample atZone, atOut; // the samples there
    bool halve = false;       // the last guess did not halve it: bisect next
    // From the last two probes where both fell on one side: how ln(share)
    // changes along the ray there (per m, NaN without), and the probe
    // nearer the edge, at `anchor` m with share `anchorShare`.
    double slope = NAN;
    double anchor = 0, anchorShare = 0;
    int steps = 0; // rounds in a row that took that slope
};

// Where the share reaches 1 between the ends of the bracket, guessed from
// the shares there as if it changed as a power of the distance along the
// ray from the wire, as the field of a line or a point does; NaN where an
// end has no share to go by.
double guess(const Bracket& b) {
    if (!b.atZone.holds || !b.atOut.holds || !(b.atOut.share > 0) || !(b.atZone.share > 1))
        return NAN;
    const double high = std::log(b.atZone.share), low = std::log(b.atOut.share);
    const double from = std::log(b.zone), to = std::log(b.out);
    return std::exp(from + high / (high - low) * (to - from));
}

// Where the share reaches 1 by the slope of the last two probes, from
// the one nearer the edge: two probes tolerance apart see the field's local
// rate of change far better than the bracket's ends, which may lie metres
// apart; NaN without such a slope, or where it points out of the bracket.
double newtonGuess(const Bracket& b) {
    if (!std::isfinite(b.slope) || b.slope == 0 || b.steps >= kSlopeSteps) return NAN;
    const double g = b.anchor - std::log(b.anchorShare) / b.slope;
    const double lo = std::min(b.zone, b.out), hi = std::max(b.zone, b.out);
    return g > lo && g < hi ? g : NAN;
}

// The march of one ray.
struct Walk {
    double next = 0;     // m: the next sample
    double stop = 0;     // m: the last sample, unless the zone goes on there
    double last = 0;     // m: the last sample taken
    bool lastIn = false; // whether it lies in the zone
    ZoneSample lastSample;
    bool startsIn = false;
    bool started = false;
};

} // namespace

double outsideStep(double distance, double share, double longest) {
    const double room = distance * (1 - std::cbrt(std::max(share, 0.0)));
    return std::clamp(kStepShare * room, kMinStep, longest);
}

namespace {

double longestStep(const ZoneField& field) {
    const double half = 0.5 * field.featureLength();
    return std::isfinite(half) ? std::clamp(half, kMinStep, kMaxStep) : kMinStep;
}

} // namespace

RayMarcher::RayMarcher(const ZoneField& field, const Wires& wires)
    : field_(field), wires_(wires), longest_(longestStep(field)), cleared_(longest_) {}

double groundDistance(const RayLine& line) {
    if (line.direction.z >= 0) return std::numeric_limits<double>::infinity();
    return std::max(line.origin.z, 0.0) / -line.direction.z;
}

void RayMarcher::evaluate(std::span<const Point3> points, std::span<ZoneSample> out) {
    field_.evaluate(points, out);
    evaluations_ += points.size();
}

std::vector<std::vector<ZoneStretch>> RayMarcher::march(std::span<const MarchTask> tasks,
                                                        double tolerance) {
    std::vector<std::vector<ZoneStretch>> stretches(tasks.size());
    std::vector<Walk> walks(tasks.size());
    std::vector<std::vector<std::size_t>> waves(kWaves);
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const MarchTask& t = tasks[i];
        const double end = std::min(t.end, groundDistance(t.line));
        if (!(end >= t.from)) continue; // nothing of the ray above the ground
        walks[i].next = t.from;
        walks[i].stop = std::clamp(t.window, t.from, end);
        waves[std::min<std::size_t>(t.wave, kWaves - 1)].push_back(i);
    }

    // Samples outward, every ray of the round in one batch. A sample below
    // the limits clears the ball its step spans for every ray; the balls
    // of a round are added after it, so that what a ray passes does not
    // depend on the order of the rays within a round.
    std::vector<Bracket> brackets;
    std::vector<Point3> points;
    std::vector<ZoneSample> samples;
    struct Cleared {
        Point3 centre;
        double radius;
    };
    std::vector<Cleared> cleared;
    std::vector<std::size_t> active;
    for (std::vector<std::size_t>& wave : waves) {
        active = std::move(wave);
        while (!active.empty()) {
            points.clear();
            for (std::size_t i : active)
                points.push_back(tasks[i].line.at(walks[i].next));
            samples.assign(points.size(), {});
            evaluate(points, samples);
            cleared.clear();
            std::size_t kept = 0;
            for (std::size_t k = 0; k < active.size(); ++k) {
                const std::size_t i = active[k];
                const MarchTask& t = tasks[i];
                Walk& w = walks[i];
                const bool in = inZone(samples[k]);
                const double r = w.next;
                if (!w.started) {
                    w.startsIn = in, w.started = true;
                } else if (in != w.lastIn) {
                    brackets.push_back(in ? Bracket{i, r, w.last, samples[k], w.lastSample}
                                          : Bracket{i, w.last, r, w.lastSample, samples[k]});
                }
                w.last = r;
                w.lastIn = in;
                w.lastSample = samples[k];
                if (r >= w.stop) {
                    // A window that ends inside the zone goes on to the ray's end.
                    const double end = std::min(t.end, groundDistance(t.line));
                    if (in && w.stop < end)
                        w.stop = end;
                    else
                        continue; // done
                }
                if (t.step > 0) {
                    w.next = std::min(r + t.step, w.stop);
                } else if (in) {
                    w.next = std::min(r + longest_, w.stop);
                } else {
                    const double d = wires_.distance(points[k]);
                    const double step = outsideStep(d, samples[k].share, longest_);
                    cleared.push_back({points[k], step});
                    w.next = std::min(r + step, w.stop);
                    // Space earlier samples cleared needs no sample of its own;
                    // a ray cleared to its last point is done, outside the zone.
                    if (w.next < w.stop) {
                        w.next = cleared_.passFrom(t.line, w.next, w.stop);
                        if (w.next >= w.stop) continue;
                    }
                }
                active[kept++] = i;
            }
            active.resize(kept);
            for (const Cleared& c : cleared)
                cleared_.add(c.centre, c.radius);
        }
    }

    // Every edge narrowed down, again in batches. Where both ends have a
    // share, two points tolerance apart round the guessed crossing settle
    // it at once if the guess is good; else, and where an end has no share,
    // the bracket is halved.
    const double settled = tolerance + kRoundingSlack;
    std::vector<std::size_t> open;
    for (std::size_t b = 0; b < brackets.size(); ++b)
        if (std::abs(brackets[b].zone - brackets[b].out) > settled) open.push_back(b);
    std::vector<std::size_t> firstPoint;
    while (!open.empty()) {
        points.clear();
        firstPoint.clear();
        std::vector<std::array<double, 2>> probes(open.size());
        std::vector<bool> bySlope(open.size());
        for (std::size_t k = 0; k < open.size(); ++k) {
            const Bracket& b = brackets[open[k]];
            const double newton = newtonGuess(b);
            const double g = !std::isnan(newton) ? newton : b.halve ? NAN : guess(b);
            bySlope[k] = !std::isnan(newton);
            const double width = std::abs(b.out - b.zone), toward = b.out > b.zone ? 1 : -1;
            std::array<double, 2>& at = probes[k];
            if (std::isnan(g)) {
                at = {0.5 * (b.zone + b.out), NAN};
            } else {
                // Both probes strictly inside, in order from the zone end.
                const double offset =
                    std::clamp(toward * (g - b.zone), 0.25 * tolerance, width - 0.75 * tolerance);
                at = {b.zone + toward * (offset - 0.5 * tolerance),
                      b.zone + toward * (offset + 0.5 * tolerance)};
                if (toward * (at[0] - b.zone) <= 0) at = {at[1], NAN};
            }
            firstPoint.push_back(points.size());
            for (double r : at)
                if (!std::isnan(r)) points.push_back(tasks[b.task].line.at(r));
        }
        samples.assign(points.size(), {});
        evaluate(points, samples);
        std::size_t kept = 0;
        for (std::size_t k = 0; k < open.size(); ++k) {
            Bracket& b = brackets[open[k]];
            const double before = std::abs(b.out - b.zone);
            // The first probe from the zone end that lies outside the zone
            // ends the bracket; the probes before it are zone points.
            for (int j = 0; j < 2 && !std::isnan(probes[k][static_cast<std::size_t>(j)]); ++j) {
                const ZoneSample& s = samples[firstPoint[k] + static_cast<std::size_t>(j)];
                const double r = probes[k][static_cast<std::size_t>(j)];
                if (inZone(s)) {
                    b.zone = r, b.atZone = s;
                } else {
                    b.out = r, b.atOut = s;
                    break;
                }
            }
            b.halve = std::abs(b.out - b.zone) > 0.5 * before;
            // Two probes on one side give the next guess its slope.
            const std::size_t first = firstPoint[k];
            const double r0 = probes[k][0], r1 = probes[k][1];
            b.slope = NAN;
            if (!std::isnan(r1) && std::abs(b.zone - b.out) > settled) {
                const ZoneSample &s0 = samples[first], &s1 = samples[first + 1];
                if (s0.holds && s1.holds && s0.share > 0 && s1.share > 0 &&
                    inZone(s0) == inZone(s1)) {
                    b.slope = (std::log(s1.share) - std::log(s0.share)) / (r1 - r0);
                    // Both in the zone: the second is the bracket's zone end;
                    // both outside: the first is its other end.
                    b.anchor = inZone(s0) ? r1 : r0;
                    b.anchorShare = inZone(s0) ? s1.share : s0.share;
                    b.steps = bySlope[k] ? b.steps + 1 : 0;
                }
            }
            if (std::abs(b.zone - b.out) > settled) open[kept++] = open[k];
        }
        open.resize(kept);
    }

    // The stretches: the edges of a ray come in order along it, each one
    // an entry or an exit.
    std::vector<double> startOf(tasks.size(), 0);
    for (std::size_t i = 0; i < tasks.size(); ++i)
        if (walks[i].started && walks[i].startsIn) startOf[i] = tasks[i].from;
    std::vector<bool> inside(tasks.size(), false);
    for (std::size_t i = 0; i < tasks.size(); ++i)
        inside[i] = walks[i].started && walks[i].startsIn;
    for (const Bracket& b : brackets) {
        if (b.zone < b.out) {
            stretches[b.task].push_back({startOf[b.task], b.zone});
            inside[b.task] = false;
        } else {
            startOf[b.task] = b.zone;
            inside[b.task] = true;
        }
    }
    for (std::size_t i = 0; i < tasks.size(); ++i)
        if (inside[i]) stretches[i].push_back({startOf[i], walks[i].last});
    return stretches;
}

} // namespace kvarn::zone
