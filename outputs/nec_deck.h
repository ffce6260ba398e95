#pragma once
// A station's antenna on one band as a NEC-2 input deck, for users of NEC
// programs to check kvarn's model in the program they know.
//
// The deck lays the wire as kvarn's method of moments cuts it: one GW card
// per straight piece, corner to corner, with the engine's segments (equal,
// no longer than min(lambda/40, 0.5 m)) and the wire's radius; the ground
// as the station gives it (GE 0 in free space, GE 1 with GN 1 for a perfect
// ground, GE 1 with GN 2 and the soil's permittivity and conductivity for
// real soil); a 1 V source (EX 0) on the engine's feed segment; the band's
// frequency (FR); one NE and one NH card per height of the grid (several
// where a row or column count exceeds what a card's field holds), or XQ
// when the station has no grid; EN. CM lines name the station, the band,
// the model, the ground and the wire.
//
// For the exact models the deck shows the wire, not the model: the same
// rule cuts it, it is fed on its first segment (the exact models pin the
// wave at the first corner) and computed in free space, with the station's
// diameter (2 mm: the exact models take none); a repeated corner, a piece
// of no length, is left out. A CM line says so.

#include <cstddef>
#include <string>

#include "station/station.h"

namespace kvarn {

// The deck, or why there is none.
struct NecDeck {
    std::string text;   // the whole deck, lines ending in "\n"; empty when refused
    std::string reason; // empty when written; else one sentence, for the command to show
    bool ok() const { return reason.empty(); }
};

// The deck of band `band` (an index into station.bands). Refused, with the
// reason, for a band the station does not have and for a wire the engine
// cannot cut at the band (too many segments, too thick for its pieces,
// ...): a deck without the wire would check nothing.
NecDeck necDeck(const Station& station, std::size_t band);

} // namespace kvarn
