#include "assessment/site_zone_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarn {

namespace {

// As for a band: the models' arithmetic and their bounds round differently.
constexpr double kRoundingMargin = 1e-6;

} // namespace

SiteZoneField::SiteZoneField(std::vector<SiteSource> sources, std::size_t antennas,
                             bool simultaneous)
    : sources_(std::move(sources)), antennas_(antennas), simultaneous_(simultaneous) {}

SiteZoneField::Quotients SiteZoneField::combine(const std::vector<Quotients>& perAntenna) const {
    Quotients all;
    for (const Quotients& q : perAntenna) {
        all.holds = all.holds && q.holds;
        all.e = simultaneous_ ? all.e + q.e : std::max(all.e, q.e);
        all.h = simultaneous_ ? all.h + q.h : std::max(all.h, q.h);
    }
    return all;
}

std::vector<SiteZoneField::Quotients>
SiteZoneField::quotients(std::span<const Point3> points) const {
    std::vector<std::vector<Quotients>> perAntenna(points.size(),
                                                   std::vector<Quotients>(antennas_));
    std::vector<FieldValue> values(points.size());
    for (const SiteSource& source : sources_) {
        source.model->evaluateFromBelow(points, values);
        for (std::size_t k = 0; k < points.size(); ++k) {
            Quotients& q = perAntenna[k][source.antenna];
            const FieldValue& v = values[k];
            if (!v.holds) {
                q.holds = false;
                continue;
            }
            const double e = v.e / source.limits.e, h = v.h / source.limits.h;
            q.e = std::max(q.e, e * e);
            q.h = std::max(q.h, h * h);
        }
    }
    std::vector<Quotients> out(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        out[k] = combine(perAntenna[k]);
    return out;
}

void SiteZoneField::evaluate(std::span<const zone::Point3> points,
                             std::span<zone::ZoneSample> out) const {
    std::vector<Point3> at(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        at[k] = {points[k].x, points[k].y, points[k].z};
    const std::vector<Quotients> q = quotients(at);
    for (std::size_t k = 0; k < points.size(); ++k) {
        // Below the ground there is no one to protect.
        if (points[k].z < 0)
            out[k] = {0, true};
        else if (q[k].holds)
            out[k] = {std::sqrt(std::max(q[k].e, q[k].h)), true};
        else
            out[k] = {0, false};
    }
}

double SiteZoneField::shareBound(double distance) const {
    // A point this far from every antenna is this far from each: each
    // band's own bound holds there, and they combine as the quotients do.
    std::vector<Quotients> perAntenna(antennas_);
    for (const SiteSource& source : sources_) {
        const FieldBound b = source.model->boundBeyond(distance);
        const double e = b.e / source.limits.e, h = b.h / source.limits.h;
        Quotients& q = perAntenna[source.antenna];
        q.e = std::max(q.e, e * e);
        q.h = std::max(q.h, h * h);
    }
    const Quotients all = combine(perAntenna);
    return std::sqrt(std::max(all.e, all.h)) * (1 + kRoundingMargin);
}

double SiteZoneField::featureLength() const {
    double shortest = std::numeric_limits<double>::infinity();
    for (const SiteSource& source : sources_)
        shortest = std::min(shortest, source.model->featureLength());
    return std::isfinite(shortest) ? shortest : 1.0;
}

} // namespace kvarn
