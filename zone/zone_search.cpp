// The search: coarse rays over every patch, marched out to the reach; cells
// of four neighbouring rays cut where the zone's edge changes between them;
// the extremes; the zone as one convex piece per cell and stretch.
//
// How far out: every coarse ray is marched to the reach, the distance from
// the antenna from which on the field's own bound of the share is below 1
// (outerReach). The bound holds at every point at least that far from the
// antenna, and every point nearer lies on a ray from its nearest point of
// the nearest wire, so no part of the zone lies beyond the reach and none
// within it is left unvisited: the march does not stop where the share
// first falls below 1 (it only passes, without samples of its own, the
// space round earlier samples that their steps vouch for), and a lobe
// beyond a gap is found. For the standing-wave
// model the bound is the sum of its elements' largest fields at that
// distance; the example station's reach is 12.7 m on 80 m, 7.3 m on 40 m
// and 5.0 m on 20 m.
#include <algorithm>
#include <cmath>
#include <utility>

#include "zone/extremes.h"
#include "zone/ray_set.h"
#include "zone/reach.h"
#include "zone/zone.h"

namespace kvarn::zone {

namespace {

// A cell is cut across where two neighbouring rays' zone points lie
// farther apart than a chord whose sagitta on a sphere round the wire
// through them is kEdgeSagitta, and at least kMaxEdge: the pieces between
// them then follow the edge of a zone as round as that sphere, the
// sphere within 2.1 m of a wire's elements included, to within 0.02 m.
// Where the zone begins or ends between two rays, or changes its number of
// stretches, it is cut until they are kMinEdge apart.
constexpr double kEdgeSagitta = 0.02; // m
constexpr double kMaxEdge = 0.6;      // m
constexpr double kMinEdge = 0.1;      // m
// A ray added between others is marched out to this much beyond the
// farthest zone point of the rays around it (and on while it is still in
// the zone there); they were marched to the reach and vouch for the rest.
// Where they are all in the zone from the wire on, it starts this much
// short of the nearest of their first edges.
constexpr double kWindowMargin = 0.2; // m
constexpr double kInsideMargin = 0.3; // m

// A cell: the lattice rectangle [p0, p1] x [q0, q1] of a patch.
struct Cell {
    std::size_t patch = 0;
    long p0 = 0, q0 = 0, p1 = 0, q1 = 0;
};

// Whether the edge between neighbouring rays a and b needs a ray between.
bool edgeNeedsRay(const SearchRay& a, const SearchRay& b) {
    if (!a.hasZone() && !b.hasZone()) return false;
    if (a.hasZone() != b.hasZone()) {
        const double r = std::max(a.outer(), b.outer());
        return norm(a.line.at(r) - b.line.at(r)) > kMinEdge;
    }
    double apart = 0;
    bool tooFar = false;
    const std::size_t common = std::min(a.zone.size(), b.zone.size());
    for (std::size_t k = 0; k < common; ++k)
        for (auto end : {&ZoneStretch::from, &ZoneStretch::to}) {
            const double ra = a.zone[k].*end, rb = b.zone[k].*end;
            const double d = norm(a.line.at(ra) - b.line.at(rb));
            apart = std::max(apart, d);
            // The chord of sagitta s on a sphere of radius R: sqrt(8 s R).
            const double radius = std::min(ra, rb);
            tooFar = tooFar || d > std::max(kMaxEdge, std::sqrt(8 * kEdgeSagitta * radius));
        }
    if (tooFar) return true;
    return a.zone.size() != b.zone.size() && apart > kMinEdge;
}

// Whether the ray is in the zone from the wire on.
bool fromWire(const SearchRay& r) {
    return r.hasZone() && r.zone.front().from == kRayStart;
}

struct Corners {
    std::size_t c00, c10, c01, c11; // ray indices: (p0, q0), (p1, q0), (p0, q1), (p1, q1)
};

Corners cornersOf(const RaySet& rays, const Cell& c) {
    return {rays.find(c.patch, c.p0, c.q0), rays.find(c.patch, c.p1, c.q0),
            rays.find(c.patch, c.p0, c.q1), rays.find(c.patch, c.p1, c.q1)};
}

std::vector<Cell> coarseCells(RaySet& rays) {
    std::vector<Cell> cells;
    for (std::size_t k = 0; k < rays.patches().size(); ++k) {
        const Patch& patch = rays.patches()[k];
        for (long i = 0; i <= patch.cellsP; ++i)
            for (long j = 0; j <= patch.cellsQ; ++j)
                rays.ray(k, i * kFinest, j * kFinest, rays.reach());
        for (long i = 0; i < patch.cellsP; ++i)
            for (long j = 0; j < patch.cellsQ; ++j)
                cells.push_back(
                    {k, i * kFinest, j * kFinest, (i + 1) * kFinest, (j + 1) * kFinest});
    }
    rays.march();
    return cells;
}

// Cuts the cells where their rays disagree, round after round, until none
// needs it or the lattice is exhausted.
std::vector<Cell> refine(RaySet& rays, std::vector<Cell> cells) {
    for (;;) {
        std::vector<Cell> next;
        bool cut = false;
        for (const Cell& c : cells) {
            const Corners k = cornersOf(rays, c);
            const SearchRay &a = rays[k.c00], &b = rays[k.c10], &d = rays[k.c01], &e = rays[k.c11];
            const bool cutP = c.p1 - c.p0 > 1 && (edgeNeedsRay(a, b) || edgeNeedsRay(d, e));
            const bool cutQ = c.q1 - c.q0 > 1 && (edgeNeedsRay(a, d) || edgeNeedsRay(b, e));
            if (!cutP && !cutQ) {
                next.push_back(c);
                continue;
            }
            cut = true;
            const double window =
                std::max({a.outer(), b.outer(), d.outer(), e.outer()}) + kWindowMargin;
            double inside = kRayStart;
            if (fromWire(a) && fromWire(b) && fromWire(d) && fromWire(e))
                inside = std::min({a.zone[0].to, b.zone[0].to, d.zone[0].to, e.zone[0].to}) -
                         kInsideMargin;
            const long pm = cutP ? (c.p0 + c.p1) / 2 : c.p1;
            const long qm = cutQ ? (c.q0 + c.q1) / 2 : c.q1;
            const long ps[3] = {c.p0, pm, c.p1};
            const long qs[3] = {c.q0, qm, c.q1};
            const int np = cutP ? 2 : 1, nq = cutQ ? 2 : 1;
            for (int i = 0; i < np; ++i)
                for (int j = 0; j < nq; ++j) {
                    const Cell child{c.patch, ps[i], qs[j], cutP ? ps[i + 1] : c.p1,
                                     cutQ ? qs[j + 1] : c.q1};
                    for (long p : {child.p0, child.p1})
                        for (long q : {child.q0, child.q1})
                            rays.ray(child.patch, p, q, window, inside);
                    next.push_back(child);
                }
        }
        rays.march();
        cells = std::move(next);
        if (!cut) return cells;
    }
}

// One convex piece per cell and stretch: the k-th stretch of each of the
// cell's rays that has one.
std::vector<ZonePiece> piecesOf(const RaySet& rays, std::span<const Cell> cells) {
    std::vector<ZonePiece> pieces;
    for (const Cell& c : cells) {
        const Corners k = cornersOf(rays, c);
        const SearchRay* corner[4] = {&rays[k.c00], &rays[k.c10], &rays[k.c11], &rays[k.c01]};
        std::size_t layers = 0;
        for (const SearchRay* r : corner)
            layers = std::max(layers, r->zone.size());
        for (std::size_t layer = 0; layer < layers; ++layer) {
            ZonePiece piece;
            for (const SearchRay* r : corner)
                if (layer < r->zone.size()) {
                    piece.corners[piece.count++] = r->line.at(r->zone[layer].from);
                    piece.corners[piece.count++] = r->line.at(r->zone[layer].to);
                }
            pieces.push_back(piece);
        }
    }
    return pieces;
}

std::string antennaProblem(std::span<const std::vector<Point3>> antennas) {
    if (antennas.empty()) return "there is no antenna";
    for (const std::vector<Point3>& antenna : antennas) {
        if (antenna.empty()) return "an antenna has no corners";
        for (const Point3& c : antenna) {
            if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z))
                return "a corner of the antenna is not a finite number";
            if (c.z < 0) return "a corner of the antenna lies below the ground";
        }
    }
    return "";
}

} // namespace

Zone findZone(std::span<const Point3> antenna, const ZoneField& field) {
    const std::vector<std::vector<Point3>> one{std::vector<Point3>(antenna.begin(), antenna.end())};
    return findZone(std::span<const std::vector<Point3>>(one), field);
}

Zone findZone(std::span<const std::vector<Point3>> antennas, const ZoneField& field) {
    Zone zone;
    zone.problem = antennaProblem(antennas);
    if (!zone.problem.empty()) return zone;
    const std::optional<double> reach = outerReach(field);
    if (!reach) {
        zone.problem = "the field's bound does not fall below the limits within 1000 m of the "
                       "antenna";
        return zone;
    }
    zone.reach = *reach;
    // Every antenna casts its own rays: a point within the reach of the
    // nearest wire lies on a ray from that wire's nearest point. Rays lie
    // as far apart at the reach as the longest step along them.
    std::vector<std::vector<Point3>> lines;
    for (const std::vector<Point3>& antenna : antennas)
        lines.push_back(distinctCorners(antenna));
    const Wires wires(std::move(lines));
    RayMarcher marcher(field, wires);
    std::vector<Patch> patches;
    for (const std::vector<Point3>& line : wires.lines()) {
        const std::vector<Patch> own = rayPatches(line, zone.reach, marcher.longest());
        patches.insert(patches.end(), own.begin(), own.end());
    }
    RaySet rays(patches, zone.reach, marcher);
    const std::vector<Cell> cells = refine(rays, coarseCells(rays));
    zone.rays = rays.all().size();
    zone.empty = std::none_of(rays.all().begin(), rays.all().end(),
                              [](const SearchRay& r) { return r.hasZone(); });
    if (!zone.empty) {
        const Extremes e = findExtremes(rays, marcher, wires);
        zone.safetyDistance = e.safetyDistance;
        zone.horizontalDistance = e.horizontalDistance;
        zone.lowestHeight = e.lowestHeight;
        zone.rays += e.probes;
        zone.pieces = piecesOf(rays, cells);
    }
    zone.evaluations = marcher.evaluations();
    return zone;
}

} // namespace kvarn::zone
