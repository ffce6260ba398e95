#include "zone/extremes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kvarn::zone {

namespace {

// Local searches per extreme: from the best ray and from up to two more
// whose best points lie apart from it and score nearly as well, so that a
// second maximum a little lower on the coarse rays is not passed over.
constexpr std::size_t kStarts = 3;
constexpr double kStartSpread = 0.3;     // m below the best score
constexpr double kStartSeparation = 0.5; // m between the starts' points
// A probe ray marches this far in and out around the best point's distance
// along its ray (and on while in the zone): the rays it lies between vouch
// for the rest of it. It takes the smallest step all the way, so that it
// sees a zone as thin as that along it: near a sharp edge of the zone,
// where the extremes may lie, the zone is thin along every ray.
constexpr double kProbeBack = 0.3;  // m
constexpr double kProbeAhead = 0.3; // m
constexpr int kMaxRounds = 80;
constexpr double kGain = 1e-9; // m: a probe must score this much better to move there

struct Best {
    double score = 0;
    Point3 at;
    double r = 0; // m along its ray
};

// The best zone point of a ray for an extreme: an end of one of its
// stretches (along a ray the height changes linearly and the distances
// grow outward, so the ends hold the extremes).
std::optional<Best> bestOf(Extreme extreme, const Wires& antenna, const RayLine& line,
                           std::span<const ZoneStretch> zone) {
    std::optional<Best> best;
    for (const ZoneStretch& s : zone)
        for (double r : {s.from, s.to}) {
            const Point3 p = line.at(r);
            const double score = extremeScore(extreme, antenna, p);
            if (!best || score > best->score) best = Best{score, p, r};
        }
    return best;
}

struct LocalSearch {
    Extreme extreme = Extreme::distance;
    std::size_t patch = 0;
    double p = 0, q = 0;   // where the best ray lies
    double dp = 0, dq = 0; // the steps to its neighbours
    Best best;
    int rounds = 0;
    bool done = false;
};

struct Neighbour {
    double p = 0, q = 0;
};

// The patch parameters of a step from (p, q): p held within [0, 1], q
// wrapped round where it is periodic.
Neighbour stepped(const Patch& patch, double p, double q) {
    p = std::clamp(p, 0.0, 1.0);
    q = patch.periodicQ ? q - std::floor(q) : std::clamp(q, 0.0, 1.0);
    return {p, q};
}

// m: how far apart the rays at (p, q) and a step from it are at distance r.
double stepLength(const Patch& patch, double p, double q, double dp, double dq, double r) {
    const Neighbour n = stepped(patch, p + dp, q + dq);
    return norm(patch.at(n.p, n.q).at(r) - patch.at(p, q).at(r));
}

std::vector<LocalSearch> starts(const RaySet& rays, const Wires& antenna) {
    std::vector<LocalSearch> searches;
    for (Extreme extreme : {Extreme::distance, Extreme::horizontal, Extreme::lowest}) {
        struct Ranked {
            Best best;
            std::size_t ray;
        };
        std::vector<Ranked> ranked;
        for (std::size_t i = 0; i < rays.all().size(); ++i)
            if (const auto b = bestOf(extreme, antenna, rays[i].line, rays[i].zone))
                ranked.push_back({*b, i});
        std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
            return a.best.score > b.best.score;
        });
        std::vector<Point3> taken;
        for (const Ranked& r : ranked) {
            if (taken.size() == kStarts || r.best.score < ranked.front().best.score - kStartSpread)
                break;
            // Nothing lies below the ground: a zone on it is at its lowest.
            if (extreme == Extreme::lowest && r.best.at.z <= 0) break;
            if (std::any_of(taken.begin(), taken.end(),
                            [&](Point3 t) { return norm(t - r.best.at) < kStartSeparation; }))
                continue;
            taken.push_back(r.best.at);
            const SearchRay& ray = rays[r.ray];
            const Patch& patch = rays.patches()[ray.patch];
            LocalSearch s;
            s.extreme = extreme;
            s.patch = ray.patch;
            s.p = ray.p;
            s.q = ray.q;
            s.dp = 0.5 / patch.cellsP;
            s.dq = 0.5 / patch.cellsQ;
            s.best = r.best;
            searches.push_back(s);
        }
    }
    return searches;
}

} // namespace

double extremeScore(Extreme extreme, const Wires& antenna, Point3 p) {
    switch (extreme) {
    case Extreme::distance:
        return antenna.distance(p);
    case Extreme::horizontal:
        return antenna.planDistance(p);
    case Extreme::lowest:
        return -p.z;
    }
    return 0;
}

Extremes findExtremes(const RaySet& rays, RayMarcher& marcher, const Wires& antenna) {
    std::vector<LocalSearch> searches = starts(rays, antenna);
    Extremes out;
    // The searches move in step, the probes of all of them in one batch.
    for (;;) {
        struct Probe {
            std::size_t search;
            Neighbour at;
        };
        std::vector<MarchTask> tasks;
        std::vector<Probe> probes;
        for (std::size_t k = 0; k < searches.size(); ++k) {
            const LocalSearch& s = searches[k];
            if (s.done) continue;
            const Patch& patch = rays.patches()[s.patch];
            const double moves[4][2] = {{s.dp, 0}, {-s.dp, 0}, {0, s.dq}, {0, -s.dq}};
            for (const auto& m : moves) {
                const Neighbour n = stepped(patch, s.p + m[0], s.q + m[1]);
                if (n.p == s.p && n.q == s.q) continue; // held at the patch's edge
                MarchTask t;
                t.line = patch.at(n.p, n.q);
                t.end = rayEnd(t.line, rays.reach());
                t.from = std::max(kRayStart, s.best.r - kProbeBack);
                t.window = s.best.r + kProbeAhead;
                t.step = kMinStep;
                tasks.push_back(t);
                probes.push_back({k, n});
            }
        }
        if (tasks.empty()) break;
        const auto zones = marcher.march(tasks, kExtremeTolerance);
        out.probes += tasks.size();
        std::vector<bool> moved(searches.size(), false);
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            LocalSearch& s = searches[probes[i].search];
            const auto b = bestOf(s.extreme, antenna, tasks[i].line, zones[i]);
            if (!b || b->score <= s.best.score + kGain) continue;
            s.best = *b;
            s.p = probes[i].at.p;
            s.q = probes[i].at.q;
            moved[probes[i].search] = true;
        }
        for (std::size_t k = 0; k < searches.size(); ++k) {
            LocalSearch& s = searches[k];
            if (s.done) continue;
            if (!moved[k]) {
                s.dp *= 0.5;
                s.dq *= 0.5;
            }
            const Patch& patch = rays.patches()[s.patch];
            const bool fine = stepLength(patch, s.p, s.q, s.dp, 0, s.best.r) < kLocalStep &&
                              stepLength(patch, s.p, s.q, 0, s.dq, s.best.r) < kLocalStep;
            s.done = (fine && !moved[k]) || ++s.rounds >= kMaxRounds;
        }
    }

    // The best over the rays, and over the local searches that went on from them.
    auto best = [&](Extreme extreme) {
        std::optional<Best> b;
        for (const SearchRay& r : rays.all())
            if (const auto c = bestOf(extreme, antenna, r.line, r.zone);
                c && (!b || c->score > b->score))
                b = c;
        for (const LocalSearch& s : searches)
            if (s.extreme == extreme && s.best.score > b->score) b = s.best;
        return *b;
    };
    const Best distance = best(Extreme::distance);
    const Best horizontal = best(Extreme::horizontal);
    const Best lowest = best(Extreme::lowest);
    out.safetyDistance = {distance.score, distance.at};
    out.horizontalDistance = {horizontal.score, horizontal.at};
    // A ray's end on the ground may come out a rounding below it.
    Point3 low = lowest.at;
    low.z = std::max(low.z, 0.0);
    out.lowestHeight = {low.z, low};
    return out;
}

} // namespace kvarn::zone
