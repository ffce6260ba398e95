#pragma once
// The engine in one call: a wire and a power in, the feed figures and a
// near field ready for any point out. The stages it runs one after the
// other (segmentWire, expandCurrent, fillInteractionMatrix, Solver,
// NearField) are there to be taken on their own as well.

#include <optional>
#include <string>

#include "mom/near_field.h"
#include "mom/wire.h"

namespace kvarn::mom {

struct FeedSummary {
    std::size_t segments = 0; // number of segments
    Complex impedance;        // ohm, at the feed: R + jX
    double swr = 0;           // on a 50 ohm line
    double inputPower = 0;    // W, as asked
    double maxCurrentRms = 0; // A, RMS, the largest at a segment centre
};

struct WireAnalysis {
    std::string reason; // empty when the wire was analysed; else why not
    FeedSummary summary;
    std::optional<NearField> field;
    bool ok() const { return reason.empty(); }
};

// Analyses the wire for `watts` of input power on `threads` threads (0:
// momThreads()).
WireAnalysis analyseWire(const WireSpec& wireSpec, double watts, unsigned threads = 0);

} // namespace kvarn::mom
