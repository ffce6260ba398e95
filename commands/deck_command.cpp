#include "commands/deck_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands/complaints.h"
#include "commands/exit_status.h"
#include "outputs/nec_deck.h"

namespace kvarn {

namespace {

// "\"Dipol\", \"GP\"".
std::string namesOf(const Installation& installation) {
    std::string names;
    for (const Station& antenna : installation.antennas)
        names += (names.empty() ? "\"" : ", \"") + antenna.antennaName + "\"";
    return names;
}

// The antenna the request names, or the only one; nullptr after saying why.
const Station* chosenAntenna(const Installation& installation, const DeckRequest& request) {
    if (!request.antenna) {
        if (installation.antennas.size() == 1) return &installation.first();
        complain("the station has " + std::to_string(installation.antennas.size()) +
                 " antennas: name one with --antenna (" + namesOf(installation) + ")");
        return nullptr;
    }
    for (const Station& antenna : installation.antennas)
        if (antenna.antennaName == *request.antenna) return &antenna;
    complain(installation.antennas.size() == 1 && installation.first().antennaName.empty()
                 ? "the station's only antenna has no name: leave out --antenna"
                 : "the station has no antenna \"" + *request.antenna + "\"; it has " +
                       namesOf(installation));
    return nullptr;
}

} // namespace

int runDeck(const DeckRequest& request) {
    const std::optional<Installation> read = readStationOrComplain(request.stationPath);
    if (!read) return kStatusBadInput;
    const Installation& installation = *read;
    const Station* antenna = chosenAntenna(installation, request);
    if (antenna == nullptr) return kStatusBadInput;
    const std::size_t bands = antenna->bands.size();
    if (!request.band && bands > 1) {
        complain("the antenna has " + std::to_string(bands) +
                 " bands: choose one with --band 1 to " + std::to_string(bands));
        return kStatusBadInput;
    }
    const long band = request.band.value_or(1);
    if (band < 1 || static_cast<std::size_t>(band) > bands) {
        complain("there is no band " + std::to_string(band) + "; the antenna has " +
                 (bands == 1
                      ? std::string("1 band: --band 1")
                      : std::to_string(bands) + " bands: --band 1 to " + std::to_string(bands)));
        return kStatusBadInput;
    }
    const NecDeck deck = necDeck(*antenna, static_cast<std::size_t>(band - 1));
    if (!deck.ok()) {
        complain(deck.reason);
        return kStatusBadInput;
    }
    std::fputs(deck.text.c_str(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        complain(std::string("cannot write to standard output: ") + std::strerror(errno));
        return kStatusOutputFailed;
    }
    return kStatusComplies;
}

} // namespace kvarn
