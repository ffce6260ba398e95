#include "zone/ray_set.h"

#include <algorithm>

namespace kvarn::zone {

double rayEnd(const RayLine& line, double reach) {
    return std::min(reach, groundDistance(line));
}

long RaySet::normalQ(std::size_t patch, long ip, long iq) const {
    const Patch& pa = patches_[patch];
    const long spanQ = pa.cellsQ * kFinest;
    if (pa.periodicQ) iq = ((iq % spanQ) + spanQ) % spanQ;
    // A cap's poles are one ray each, whatever the angle psi.
    if (pa.kind == PatchKind::cap && (ip == 0 || ip == pa.cellsP * kFinest)) iq = 0;
    return iq;
}

std::uint64_t RaySet::key(std::size_t patch, long ip, long iq) const {
    return (static_cast<std::uint64_t>(patch) << 48) | (static_cast<std::uint64_t>(ip) << 24) |
           static_cast<std::uint64_t>(normalQ(patch, ip, iq));
}

std::size_t RaySet::find(std::size_t patch, long ip, long iq) const {
    return index_.at(key(patch, ip, iq));
}

std::size_t RaySet::ray(std::size_t patch, long ip, long iq, double window, double inside) {
    const Patch& pa = patches_[patch];
    iq = normalQ(patch, ip, iq);
    const std::uint64_t k = key(patch, ip, iq);
    if (const auto found = index_.find(k); found != index_.end()) {
        const std::size_t i = found->second;
        if (i >= marched_) {
            MarchTask& t = tasks_[i - marched_];
            t.window = std::max(t.window, window);
            t.from = std::min(t.from, std::max(inside, kRayStart));
        }
        return i;
    }
    SearchRay r;
    r.patch = patch;
    r.p = static_cast<double>(ip) / static_cast<double>(pa.cellsP * kFinest);
    r.q = static_cast<double>(iq) / static_cast<double>(pa.cellsQ * kFinest);
    r.line = pa.at(r.p, r.q);
    r.end = rayEnd(r.line, reach_);
    const std::size_t i = rays_.size();
    rays_.push_back(r);
    index_.emplace(k, i);
    MarchTask task{r.line, std::max(inside, kRayStart), window, r.end};
    // The coarse rays march in waves from a sparse lattice to the full one,
    // so that the later ones pass much of the space the earlier ones showed
    // below the limits: every fourth ray either way, the centres of the
    // squares they span, the middles of those squares' sides; then the same
    // a level finer: the rays odd either way, and the rest.
    if (ip % kFinest == 0 && iq % kFinest == 0) {
        const long m = ip / kFinest, n = iq / kFinest;
        if (m % 2 != 0 || n % 2 != 0)
            task.wave = m % 2 != 0 && n % 2 != 0 ? 3 : 4;
        else if (m % 4 == 0 && n % 4 == 0)
            task.wave = 0;
        else
            task.wave = m % 4 != 0 && n % 4 != 0 ? 1 : 2;
    }
    tasks_.push_back(task);
    return i;
}

void RaySet::march() {
    auto zones = marcher_.march(tasks_);
    // A ray that starts out in the zone, as its neighbours said, is in it
    // from the wire; one that does not is marched again from the wire.
    std::vector<MarchTask> again;
    std::vector<std::size_t> which;
    for (std::size_t k = 0; k < zones.size(); ++k) {
        const MarchTask& t = tasks_[k];
        auto& zone = zones[k];
        if (t.from > kRayStart) {
            if (!zone.empty() && zone.front().from == t.from) {
                zone.front().from = kRayStart;
            } else {
                again.push_back(t);
                again.back().from = kRayStart;
                which.push_back(k);
            }
        }
    }
    auto redone = marcher_.march(again);
    for (std::size_t k = 0; k < which.size(); ++k)
        zones[which[k]] = std::move(redone[k]);
    for (std::size_t k = 0; k < zones.size(); ++k)
        rays_[marched_ + k].zone = std::move(zones[k]);
    tasks_.clear();
    marched_ = rays_.size();
}

} // namespace kvarn::zone
