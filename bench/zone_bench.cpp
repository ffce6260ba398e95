// Times the three-dimensional zones of the example station's three bands
// with the exact standing-wave model, on every core, and prints what each
// search found. The processor time of all threads is shown beside the
// time that passed, which other work on the machine stretches.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

#include "assessment/band_zone_field.h"
#include "assessment/exact_model.h"
#include "assessment/mom_model.h"
#include "commands/example_station.h"
#include "station/station_reader.h"
#include "zone/zone.h"

int main() {
    using namespace kvarn;
    for (const char* example : {kExactExampleStation, kExampleStation}) {
        const Station station = parseStation(example, "example");
        std::vector<zone::Point3> wire;
        for (const CornerPoint& c : station.corners)
            wire.push_back({c.x, c.y, c.z});
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        std::printf("Zones of the example station's bands, %s, %u threads:\n",
                    isExact(station.model) ? "standing-wave model" : "method of moments", threads);
        std::printf("  band MHz  reach m  safety m  horizontal m  lowest m   rays  points  time s  "
                    "cpu s\n");
        double total = 0, totalCpu = 0;
        for (const Band& band : station.bands) {
            const ReferenceLevels limits = *referenceLevels(station.limits, band.frequency);
            std::unique_ptr<BandFieldModel> model;
            if (isExact(station.model))
                model = std::make_unique<ExactBandModel>(station, band, band.power);
            else
                model = std::make_unique<MomBandModel>(station, band, band.power);
            const BandZoneField field(*model, limits);
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const zone::Zone z = zone::findZone(wire, field);
            const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            total += seconds;
            totalCpu += cpu;
            std::printf("  %8.3f  %7.2f  %8.2f  %12.2f  %8.2f  %5zu  %6zu  %6.3f  %5.3f\n",
                        band.frequency, z.reach, z.safetyDistance.value, z.horizontalDistance.value,
                        z.lowestHeight.value, z.rays, z.evaluations, seconds, cpu);
        }
        std::printf("All three bands: %.2f s (%.2f s of processor time)\n", total, totalCpu);
    }
    return 0;
}
