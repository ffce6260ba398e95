// Times the three-dimensional zones of the example station's three bands
// with the exact standing-wave model and with the method of moments over
// perfect ground and over average real soil, on every core, and prints what
// each search found. The processor time of all threads is shown beside the
// time that passed, which other work on the machine stretches.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "assessment/band_zone_field.h"
#include "assessment/exact_model.h"
#include "assessment/mom_model.h"
#include "assessment/power_chain.h"
#include "assessment/shares.h"
#include "commands/example_station.h"
#include "mom/analysis.h"
#include "station/moment_spec.h"
#include "station/station_reader.h"
#include "zone/zone.h"

namespace {

using namespace kvarn;

// The method of moments over average soil, as the assessment takes it over
// perfect ground: the currents solved at the band's feed power, the share
// of the band's limits, and the model's bound far out.
class RealSoilZoneField : public zone::ZoneField {
  public:
    RealSoilZoneField(const Station& station, const Band& band, const ReferenceLevels& limits)
        : limits_(limits) {
        mom::WireSpec spec = momSpec(station, band.frequency);
        spec.ground = mom::Ground::Real;
        spec.soil = {13, 0.005};
        analysis_ = mom::analyseWire(spec, feedPower(band));
    }
    void evaluate(std::span<const zone::Point3> points,
                  std::span<zone::ZoneSample> out) const override {
        std::vector<mom::Vec3> at;
        for (const zone::Point3& p : points)
            at.push_back({p.x, p.y, p.z});
        std::vector<mom::FieldPoint> fields(at.size());
        analysis_.field->evaluateFromBelow(at, fields);
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const FieldValue v{fields[k].eRms, fields[k].hRms, fields[k].holds};
            out[k] = points[k].z < 0 ? zone::ZoneSample{0, true}
                     : v.holds       ? zone::ZoneSample{sharesOf(v, limits_).worst() / 100, true}
                                     : zone::ZoneSample{0, false};
        }
    }
    double shareBound(double distance) const override {
        const mom::NearField& f = *analysis_.field;
        if (distance < f.holdsBeyond()) return INFINITY;
        double moments = 0;
        for (double m : f.currentMomentBounds())
            moments += m;
        moments *= 1 / std::sqrt(2.0) / (4 * M_PI) * 2;
        const double k = 2 * M_PI / f.wavelength();
        const double omegaEps0 = k * 299792458 * 8.8541878128e-12;
        const double x = k * distance;
        const double across = std::sqrt(std::max(4 * (1 + x * x), x * x * x * x - x * x + 1));
        const double e = moments * across / (omegaEps0 * distance * distance * distance);
        const double h = moments * std::sqrt(1 + x * x) / (distance * distance);
        return std::max(e / limits_.e, h / limits_.h) * (1 + 1e-6);
    }
    double featureLength() const override { return analysis_.field->wavelength() / 4; }

  private:
    mom::WireAnalysis analysis_;
    ReferenceLevels limits_;
};

using FieldOfBand =
    std::function<std::unique_ptr<zone::ZoneField>(const Band&, const ReferenceLevels&)>;

void timeZones(const Station& station, const char* what, const FieldOfBand& fieldOf) {
    std::vector<zone::Point3> wire;
    for (const CornerPoint& c : station.corners)
        wire.push_back({c.x, c.y, c.z});
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::printf("Zones of the example station's bands, %s, %u threads:\n", what, threads);
    std::printf("  band MHz  reach m  safety m  horizontal m  lowest m   rays  points  time s  "
                "cpu s\n");
    double total = 0, totalCpu = 0;
    for (const Band& band : station.bands) {
        const ReferenceLevels limits = *referenceLevels(station.limits, band.frequency);
        const std::unique_ptr<zone::ZoneField> field = fieldOf(band, limits);
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const zone::Zone z = zone::findZone(wire, *field);
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += seconds;
        totalCpu += cpu;
        std::printf("  %8.3f  %7.2f  %8.3f  %12.3f  %8.3f  %5zu  %6zu  %6.3f  %5.3f\n",
                    band.frequency, z.reach, z.safetyDistance.value, z.horizontalDistance.value,
                    z.lowestHeight.value, z.rays, z.evaluations, seconds, cpu);
    }
    std::printf("All three bands: %.2f s (%.2f s of processor time)\n", total, totalCpu);
}

} // namespace

int main() {
    using namespace kvarn;
    // The models' own fields, kept alive beside the zone fields that see them.
    std::vector<std::unique_ptr<BandFieldModel>> models;
    const Station exact = parseStation(kExactExampleStation, "example");
    timeZones(exact, "standing-wave model", [&](const Band& band, const ReferenceLevels& limits) {
        models.push_back(std::make_unique<ExactBandModel>(exact, band, band.power));
        return std::make_unique<BandZoneField>(*models.back(), limits);
    });
    const Station moments = parseStation(kExampleStation, "example");
    timeZones(moments, "method of moments over perfect ground",
              [&](const Band& band, const ReferenceLevels& limits) {
                  models.push_back(std::make_unique<MomBandModel>(moments, band, band.power));
                  return std::make_unique<BandZoneField>(*models.back(), limits);
              });
    timeZones(moments, "method of moments over average soil",
              [&](const Band& band, const ReferenceLevels& limits) {
                  return std::make_unique<RealSoilZoneField>(moments, band, limits);
              });
    return 0;
}
