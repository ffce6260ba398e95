// Times the three-dimensional zones of the example station's three bands
// with the exact standing-wave model and with the method of moments over
// perfect ground and over average real soil, on every core, and prints what
// each search found. The processor time of all threads is shown beside the
// time that passed, which other work on the machine stretches.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "assessment/band_zone_field.h"
#include "assessment/exact_model.h"
#include "assessment/mom_model.h"
#include "commands/example_station.h"
#include "station/station_reader.h"
#include "zone/zone.h"

namespace {

using namespace kvarn;

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
    // The example over average soil, as it comes, and over perfect ground.
    const Station real = parseStation(kExampleStation, "example");
    Station perfect = real;
    perfect.ground = GroundKind::perfect;
    const struct {
        const Station* station;
        const char* what;
    } grounds[] = {{&perfect, "method of moments over perfect ground"},
                   {&real, "method of moments over average soil"}};
    for (const auto& g : grounds)
        timeZones(*g.station, g.what, [&](const Band& band, const ReferenceLevels& limits) {
            models.push_back(std::make_unique<MomBandModel>(*g.station, band, band.power));
            return std::make_unique<BandZoneField>(*models.back(), limits);
        });
    return 0;
}
