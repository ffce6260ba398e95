#include "assessment/site_assessment.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "assessment/shares.h"
#include "assessment/site_zone.h"

namespace kvarn {

namespace {

// The quotients of the grid for a site whose antennas send at the same
// time: for the antenna under way the largest (field / limit)^2 over its
// bands at every point of every plane, added into the site's sums when the
// antenna is done. Passes everything on to the antenna's own outputs.
class GridQuotients : public AssessmentOutputs, private PlaneSink {
  public:
    GridQuotients(std::size_t planes, std::size_t points)
        : points_(points), antennaE_(planes * points), antennaH_(planes * points),
          siteE_(planes * points), siteH_(planes * points), tooClose_(planes * points) {}

    void antennaBegins(AssessmentOutputs* inner) {
        inner_ = inner;
        std::fill(antennaE_.begin(), antennaE_.end(), 0.0);
        std::fill(antennaH_.begin(), antennaH_.end(), 0.0);
    }
    void antennaEnds() {
        for (std::size_t k = 0; k < siteE_.size(); ++k) {
            siteE_[k] += antennaE_[k];
            siteH_[k] += antennaH_[k];
        }
    }

    void bandBegins(const BandResult& band) override {
        band_ = &band;
        plane_ = 0;
        started_ = false;
        if (inner_) inner_->bandBegins(band);
    }
    PlaneSink* points() override { return this; }
    ReportStreams* reports() override { return inner_ ? inner_->reports() : nullptr; }
    void bandStopped(const BandResult& band) override {
        if (inner_) inner_->bandStopped(band);
    }
    void bandEnds(const BandResult& band) override {
        if (inner_) inner_->bandEnds(band);
    }

    // The sums at plane p, point k.
    double e(std::size_t p, std::size_t k) const { return siteE_[p * points_ + k]; }
    double h(std::size_t p, std::size_t k) const { return siteH_[p * points_ + k]; }
    bool tooClose(std::size_t p, std::size_t k) const { return tooClose_[p * points_ + k] != 0; }

  private:
    void planeBegins(double height) override {
        if (started_) ++plane_;
        started_ = true;
        cell_ = plane_ * points_;
        if (PlaneSink* inner = inner_ ? inner_->points() : nullptr) inner->planeBegins(height);
    }
    void rowBegins(double y) override {
        if (PlaneSink* inner = inner_ ? inner_->points() : nullptr) inner->rowBegins(y);
    }
    void point(const PlanePoint& p) override {
        if (cell_ < antennaE_.size()) {
            if (!p.field.holds) {
                tooClose_[cell_] = 1;
            } else {
                const Shares s = sharesOf(p.field, band_->limits);
                antennaE_[cell_] = std::max(antennaE_[cell_], (s.e / 100) * (s.e / 100));
                antennaH_[cell_] = std::max(antennaH_[cell_], (s.h / 100) * (s.h / 100));
            }
            ++cell_;
        }
        if (PlaneSink* inner = inner_ ? inner_->points() : nullptr) inner->point(p);
    }
    void rowEnds(double y) override {
        if (PlaneSink* inner = inner_ ? inner_->points() : nullptr) inner->rowEnds(y);
    }

    std::size_t points_;
    std::vector<double> antennaE_, antennaH_, siteE_, siteH_;
    std::vector<std::uint8_t> tooClose_;
    AssessmentOutputs* inner_ = nullptr;
    const BandResult* band_ = nullptr;
    std::size_t plane_ = 0, cell_ = 0;
    bool started_ = false;
};

// The places' quotients from every antenna's bands.
std::vector<PlaceQuotients> placeQuotients(const Installation& installation,
                                           const std::vector<Assessment>& antennas,
                                           bool simultaneous) {
    std::vector<PlaceQuotients> places;
    for (const Place& p : installation.first().places)
        places.push_back({p.name, {p.x, p.y, p.z}, 0, 0, true});
    for (const Assessment& a : antennas)
        for (std::size_t k = 0; k < places.size(); ++k) {
            double e = 0, h = 0;
            for (const BandResult& b : a.bands) {
                if (!b.stop.empty() || k >= b.places.size()) continue;
                const PlaceResult& r = b.places[k];
                places[k].holds = places[k].holds && r.field.holds;
                e = std::max(e, (r.ePercent / 100) * (r.ePercent / 100));
                h = std::max(h, (r.hPercent / 100) * (r.hPercent / 100));
            }
            places[k].e = simultaneous ? places[k].e + e : std::max(places[k].e, e);
            places[k].h = simultaneous ? places[k].h + h : std::max(places[k].h, h);
        }
    return places;
}

// The map of the summed quotients: at every point the root of the larger
// sum as per cent of its limit, the worst over the planes.
void quotientMap(SiteResult& site, const GridQuotients& q, const Station& first,
                 const GridAxes& axes) {
    FieldMap& map = site.map;
    map.step = first.grid.step;
    map.xs = axes.xs;
    map.ys = axes.ys;
    map.percent.assign(axes.points(), 0.0);
    map.tooClose.assign(axes.points(), 0);
    for (const CornerPoint& c : first.corners)
        map.corners.push_back({c.x, c.y, c.z});
    bool found = false;
    for (std::size_t p = 0; p < first.heights.size(); ++p)
        for (std::size_t k = 0; k < axes.points(); ++k) {
            if (q.tooClose(p, k)) {
                map.tooClose[k] = 1;
                ++site.tooClosePoints;
                continue;
            }
            site.gridE = std::max(site.gridE, q.e(p, k));
            site.gridH = std::max(site.gridH, q.h(p, k));
            map.percent[k] =
                std::max(map.percent[k], 100 * std::sqrt(std::max(q.e(p, k), q.h(p, k))));
        }
    map.maxPercent = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t k = 0; k < axes.points(); ++k)
        if (!map.tooClose[k] && (!found || map.percent[k] > map.maxPercent)) {
            found = true;
            map.maxPercent = map.percent[k];
            map.maxX = axes.xs[k % axes.columns()];
            map.maxY = axes.ys[k / axes.columns()];
        }
}

// A station of one antenna: its site's zone is the union of its bands'.
void oneAntennaZone(SiteResult& site, const Assessment& a, const Station& station) {
    ZoneResult& z = site.zone;
    bool searched = false;
    for (const BandResult& b : a.bands) {
        if (!b.stop.empty()) continue;
        if (!b.zone.problem.empty()) {
            z.problem = b.zone.problem;
            continue;
        }
        searched = true;
        const ZoneResult& bz = b.zone;
        if (bz.empty) continue;
        if (z.empty || bz.safetyDistance.value > z.safetyDistance.value)
            z.safetyDistance = bz.safetyDistance;
        if (z.empty || bz.horizontalDistance.value > z.horizontalDistance.value)
            z.horizontalDistance = bz.horizontalDistance;
        if (z.empty || bz.lowest.value < z.lowest.value) z.lowest = bz.lowest;
        z.reach = std::max(z.reach, bz.reach);
        z.empty = false;
    }
    if (!searched && z.problem.empty()) z.problem = "no band's computation completed";
    if (!z.problem.empty() || !station.plot()) return;
    AreaResult area;
    for (const BandResult& b : a.bands) {
        if (!b.area || !b.stop.empty()) continue;
        area.inside = area.inside && b.area->inside;
        if (b.area->margin && (!area.margin || *b.area->margin < *area.margin)) {
            area.margin = b.area->margin;
            area.zonePoint = b.area->zonePoint;
            area.boundaryPoint = b.area->boundaryPoint;
        }
    }
    site.area = area;
}

} // namespace

SiteAssessment
assessInstallation(const Installation& installation, const AssessOptions& options,
                   const std::function<AssessmentOutputs*(const Station& antenna)>& outputsFor) {
    SiteAssessment all;
    const Station& first = installation.first();
    const bool simultaneous = installation.simultaneous() && installation.antennas.size() > 1;
    const GridAxes axes = first.hasGrid ? layGrid(first.grid) : GridAxes{};
    const bool several = installation.antennas.size() > 1;
    GridQuotients quotients(simultaneous ? first.heights.size() : 0,
                            simultaneous ? axes.points() : 0);
    // The site's zone is searched in the field of every band of every
    // antenna: their models are kept until then.
    std::vector<AntennaModels> models(installation.antennas.size());
    for (std::size_t a = 0; a < installation.antennas.size(); ++a) {
        const Station& antenna = installation.antennas[a];
        AssessmentOutputs* outputs = outputsFor ? outputsFor(antenna) : nullptr;
        AssessOptions own = options;
        if (several) {
            models[a].resize(antenna.bands.size());
            own.keepModel = [&models, a](std::size_t band, std::unique_ptr<BandFieldModel> model) {
                models[a][band] = std::move(model);
            };
        }
        if (simultaneous) {
            quotients.antennaBegins(outputs);
            all.antennas.push_back(assessStation(antenna, own, &quotients));
            quotients.antennaEnds();
        } else {
            all.antennas.push_back(assessStation(antenna, own, outputs));
        }
        all.stopped = all.stopped || all.antennas.back().stopped;
    }
    SiteResult& site = all.site;
    site.simultaneous = simultaneous;
    site.places = placeQuotients(installation, all.antennas, simultaneous);
    if (simultaneous && first.hasGrid) quotientMap(site, quotients, first, axes);
    if (several) {
        BandZone zone = siteZone(installation, models, simultaneous, options.zoneOutlines);
        site.zone = std::move(zone.zone);
        site.area = zone.area;
    } else {
        oneAntennaZone(site, all.antennas.front(), first);
    }
    // With a plot the site complies when its zone lies in the controllable
    // area. Without: one transmitter at a time, when every antenna does; at
    // the same time, when the summed exposure keeps its limits on the grid.
    if (first.plot())
        site.complies = site.zone.problem.empty() && site.area && site.area->inside &&
                        (!site.area->margin || *site.area->margin > 0);
    else if (simultaneous)
        site.complies = site.gridE <= 1 && site.gridH <= 1 && site.tooClosePoints == 0;
    else
        site.complies = std::all_of(all.antennas.begin(), all.antennas.end(),
                                    [](const Assessment& a) { return a.complies; });
    all.complies = site.complies && !all.stopped;
    return all;
}

} // namespace kvarn
