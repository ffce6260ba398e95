#include "commands/complaints.h"

#include <cstdio>
#include <vector>

#include "base/printable_text.h"
#include "station/station_reader.h"

namespace kvarn {

namespace {

// Faults of a station file listed before the rest are only counted: the
// first ones tell what to mend, a flood of them only scrolls it away.
constexpr std::size_t kFaultsListed = 20;

} // namespace

void complain(const std::string& message) {
    std::fprintf(stderr, "kvarn: %s\n", printable(message).c_str());
}

std::optional<Installation> readStationOrComplain(const std::string& path) {
    try {
        return readInstallation(path);
    } catch (const StationError& e) {
        const std::vector<std::string>& faults = e.faults();
        for (std::size_t k = 0; k < faults.size() && k < kFaultsListed; ++k)
            complain(faults[k]);
        if (faults.size() > kFaultsListed)
            complain("and " + std::to_string(faults.size() - kFaultsListed) + " more faults");
        return std::nullopt;
    }
}

} // namespace kvarn
