#pragma once
// `kvarn deck`: writes the NEC-2 input deck of one antenna of a station on
// one band to standard output.

#include <optional>
#include <string>

namespace kvarn {

struct DeckRequest {
    std::string stationPath;            // the station file, "-" for standard input
    std::optional<std::string> antenna; // by name; needed when the station has several
    std::optional<long> band;           // from 1; needed when the antenna has several
};

// Returns the exit status (commands/exit_status.h): 0 with the deck
// written, 2 for a bad station file or a choice it does not have (the
// choices listed), 3 when standard output cannot take the deck.
int runDeck(const DeckRequest& request);

} // namespace kvarn
