#include "zone/ray_march.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarn::zone {

namespace {

// Where a ray crosses the zone's edge: between a zone point and one outside.
struct Bracket {
    std::size_t task = 0;
    double zone = 0, out = 0; // m along the ray
};

// The march of one ray.
struct Walk {
    double next = 0;     // m: the next sample
    double stop = 0;     // m: the last sample, unless the zone goes on there
    double last = 0;     // m: the last sample taken
    bool lastIn = false; // whether it lies in the zone
    bool startsIn = false;
    bool started = false;
    bool done = false;
};

} // namespace

double outsideStep(double distance, double share) {
    const double room = distance * (1 - std::cbrt(std::max(share, 0.0)));
    return std::clamp(kStepShare * room, kMinStep, kMaxStep);
}

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
    std::vector<std::size_t> active;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const MarchTask& t = tasks[i];
        const double end = std::min(t.end, groundDistance(t.line));
        if (!(end >= t.from)) continue; // nothing of the ray above the ground
        walks[i].next = t.from;
        walks[i].stop = std::clamp(t.window, t.from, end);
        active.push_back(i);
    }

    // Samples outward, every ray of the round in one batch.
    std::vector<Bracket> brackets;
    std::vector<Point3> points;
    std::vector<ZoneSample> samples;
    while (!active.empty()) {
        points.clear();
        for (std::size_t i : active)
            points.push_back(tasks[i].line.at(walks[i].next));
        samples.assign(points.size(), {});
        evaluate(points, samples);
        std::size_t kept = 0;
        for (std::size_t k = 0; k < active.size(); ++k) {
            const std::size_t i = active[k];
            Walk& w = walks[i];
            const bool in = inZone(samples[k]);
            const double r = w.next;
            if (!w.started)
                w.startsIn = in, w.started = true;
            else if (in != w.lastIn)
                brackets.push_back(in ? Bracket{i, r, w.last} : Bracket{i, w.last, r});
            w.last = r;
            w.lastIn = in;
            if (r >= w.stop) {
                // A window that ends inside the zone goes on to the ray's end.
                const double end = std::min(tasks[i].end, groundDistance(tasks[i].line));
                if (in && w.stop < end)
                    w.stop = end;
                else {
                    w.done = true;
                    continue;
                }
            }
            const double step =
                tasks[i].step > 0 ? tasks[i].step
                : in              ? kZoneStep
                     : outsideStep(distanceToPolyline(antenna_, points[k]), samples[k].share);
            w.next = std::min(r + step, w.stop);
            active[kept++] = i;
        }
        active.resize(kept);
    }

    // Bisection of every edge, again in batches.
    std::vector<std::size_t> open;
    for (std::size_t b = 0; b < brackets.size(); ++b)
        if (std::abs(brackets[b].zone - brackets[b].out) > tolerance) open.push_back(b);
    while (!open.empty()) {
        points.clear();
        for (std::size_t b : open)
            points.push_back(
                tasks[brackets[b].task].line.at(0.5 * (brackets[b].zone + brackets[b].out)));
        samples.assign(points.size(), {});
        evaluate(points, samples);
        std::size_t kept = 0;
        for (std::size_t k = 0; k < open.size(); ++k) {
            Bracket& b = brackets[open[k]];
            const double mid = 0.5 * (b.zone + b.out);
            (inZone(samples[k]) ? b.zone : b.out) = mid;
            if (std::abs(b.zone - b.out) > tolerance) open[kept++] = open[k];
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
