#include "outputs/nec_deck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "assessment/power_chain.h"
#include "field/grid.h"
#include "mom/wire.h"
#include "outputs/nec_cards.h"
#include "station/model_names.h"
#include "station/moment_spec.h"

namespace kvarn {

namespace {

constexpr double kSourceVolts = 1.0; // V, of the EX card's source

// A number for the comments: up to seven significant digits, as typed.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

std::string point(const mom::Vec3& p) {
    return "(" + number(p.x) + ", " + number(p.y) + ", " + number(p.z) + ")";
}

// "0.5", "0.5 and 2", "0.5, 1 and 2".
std::string listed(const std::vector<double>& values) {
    std::string text;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) text += k + 1 == values.size() ? " and " : ", ";
        text += number(values[k]);
    }
    return text;
}

NecDeck refused(std::string reason) {
    return {{}, std::move(reason)};
}

// The wire the deck lays, as the engine takes it: the station's own for
// the method of moments; for the exact models fed at the first corner in
// free space, a corner that repeats the one before left out.
struct DeckWire {
    mom::WireSpec wireSpec;
    std::vector<std::size_t> leftOut; // station corner numbers (from 1) left out
};

DeckWire deckWire(const Station& station, double frequency) {
    DeckWire wire{momSpec(station, frequency), {}};
    if (!isExact(station.model)) return wire;
    wire.wireSpec.feedM = 0;
    wire.wireSpec.ground = mom::Ground::FreeSpace;
    wire.wireSpec.corners.clear();
    for (std::size_t k = 0; k < station.corners.size(); ++k) {
        const CornerPoint& c = station.corners[k];
        const mom::Vec3 p{c.x, c.y, c.z};
        if (!wire.wireSpec.corners.empty() && norm(p - wire.wireSpec.corners.back()) == 0)
            wire.leftOut.push_back(k + 1);
        else
            wire.wireSpec.corners.push_back(p);
    }
    return wire;
}

bool gridLays(const Station& station) {
    const Grid& g = station.grid;
    return rangeInOrder(g.xanf, g.xend) && rangeInOrder(g.yanf, g.yend) && stepAccepted(g.step) &&
           gridAdvances(g) &&
           std::all_of(station.heights.begin(), station.heights.end(),
                       [](double h) { return std::isfinite(h); });
}

std::string modelComment(const Station& station) {
    const std::string named = " (model = \"" + std::string(modelName(station.model)) + "\")";
    if (!isExact(station.model))
        return "Model: kvarn's method of moments" + named +
               ", NEC-2's thin-wire formulation: this deck is the model kvarn computes, segment "
               "for segment.";
    const std::string wave = station.model == ModelKind::shortWire
                                 ? "one half wave over the whole wire"
                                 : "a standing wave of the real wavelength";
    return "Model: the " + std::string(modelTitle(station.model)) + named +
           ", an exact model, not a method-of-moments model: it lays " + wave +
           " on 1 m elements, pinned at the first corner, in free space. This deck shows the "
           "wire, not that model: NEC-2 computes the wire's own currents from a source on its "
           "first segment, and its fields differ from the model's.";
}

std::string groundComment(const Station& station) {
    if (isExact(station.model))
        return "Ground: free space (GE 0, no GN card), as the exact models compute.";
    switch (station.ground) {
    case GroundKind::perfect:
        return "Ground: perfect ground at z = 0 (GE 1, GN 1).";
    case GroundKind::real:
        return "Ground: " + groundText(station) +
               ", NEC-2's Sommerfeld-Norton ground (GE 1, GN 2).";
    case GroundKind::free:
        break;
    }
    return "Ground: free space (GE 0, no GN card).";
}

std::string cornersComment(const Station& station, const DeckWire& wire) {
    std::string text = "Corners (m):";
    for (std::size_t k = 0; k < station.corners.size(); ++k) {
        const CornerPoint& c = station.corners[k];
        text += " " + std::to_string(k + 1) + " " + point({c.x, c.y, c.z}) +
                (k + 1 < station.corners.size() ? "," : ".");
    }
    if (wire.leftOut.empty()) return text + " GW tag n runs from corner n to corner n + 1.";
    text += " Left out, as repeating the corner before:";
    for (std::size_t k : wire.leftOut)
        text += " " + std::to_string(k);
    return text + "; the GW tags run along the other corners in order.";
}

std::string wireComment(const Station& station, const mom::Segments& w) {
    std::string text = "Wire: " + number(station.wireDiameterMm) + " mm diameter (radius " +
                       number(w.radius) + " m)";
    if (isExact(station.model)) text += ", taken for the exact models, which take none";
    return text + "; " + std::to_string(w.segments.size()) +
           " segments by kvarn's method-of-moments rule: equal on each piece, no longer than " +
           "min(lambda/40, 0.5 m) = " + number(mom::maxSegmentLength(w.wavelength)) + " m" +
           (isExact(station.model) ? ", not the model's 1 m elements." : ".");
}

std::string feedComment(const Station& station, std::size_t tag, std::size_t segment) {
    const std::string on = "GW tag " + std::to_string(tag) + ", segment " +
                           std::to_string(segment) + ": a " + number(kSourceVolts) +
                           " V source (EX 0)";
    if (isExact(station.model))
        return "Feed: " + on + " next to the first corner, where the exact models pin the wave.";
    return "Feed: " + number(station.feed) + " m along the wire from corner 1, on " + on + ".";
}

std::string bandComment(const Band& band) {
    const std::string share =
        band.transmitShare != 1 ? ", time share " + number(band.transmitShare) : "";
    return "Band: " + number(band.frequency) + " MHz, " + number(band.power) +
           " W at the transmitter, mode factor " + number(band.modeFactor) + share + ", loss " +
           number(band.lossDb) + " dB: " + number(feedPower(band)) + " W at the feed.";
}

std::string scaleComment(const Band& band) {
    return "NEC-2 gives the fields of the " + number(kSourceVolts) +
           " V source as peak values; times sqrt(" + number(feedPower(band)) +
           " W / input power) / sqrt(2) they are RMS values at the power at the feed, as kvarn "
           "gives them.";
}

std::string gridComment(const Station& station, const GridAxes& axes) {
    if (axes.points() == 0) return "No grid: XQ computes the currents and the feed impedance.";
    std::string text = "Grid: x " + number(axes.xs.front()) + " to " + number(axes.xs.back()) +
                       " m, y " + number(axes.ys.back()) + " to " + number(axes.ys.front()) +
                       " m, step " + number(station.grid.step) + " m (" +
                       std::to_string(axes.columns()) + " x " + std::to_string(axes.rows()) +
                       " points) at z = " + listed(station.heights) +
                       " m: an NE and an NH card per height";
    const auto most = static_cast<std::size_t>(kNecLargestCount);
    if (axes.columns() > most || axes.rows() > most)
        text += ", split into cards of at most " + std::to_string(most) + " columns and rows";
    return text + ".";
}

// The NE and NH cards of the grid at every height.
std::string nearFieldCards(const Station& station, const GridAxes& axes) {
    const std::vector<double>& xs = axes.xs;
    const std::vector<double> ys(axes.ys.rbegin(), axes.ys.rend()); // lowest row first
    const double step = station.grid.step;
    const auto most = static_cast<std::size_t>(kNecLargestCount);
    std::string cards;
    for (double height : station.heights)
        for (std::size_t column = 0; column < xs.size(); column += most)
            for (std::size_t row = 0; row < ys.size(); row += most) {
                const auto columns = static_cast<long>(std::min(most, xs.size() - column));
                const auto rows = static_cast<long>(std::min(most, ys.size() - row));
                for (const char* name : {"NE", "NH"})
                    cards += necControlCard(name, {0, columns, rows, 1},
                                            {xs[column], ys[row], height, step, step, 0.0}) +
                             "\n";
            }
    return cards;
}

// One GW card per straight piece of the cut wire, corner to corner.
std::string wireCards(const mom::Segments& w) {
    std::string cards;
    std::size_t first = 0; // the piece's first segment
    for (std::size_t piece = 0; piece < w.pieceSegments.size(); ++piece) {
        const std::size_t count = w.pieceSegments[piece];
        const mom::Vec3 a = w.segments[first].start, e = w.segments[first + count - 1].end;
        cards += necGeometryCard("GW", {static_cast<long>(piece + 1), static_cast<long>(count)},
                                 {a.x, a.y, a.z, e.x, e.y, e.z, w.radius}) +
                 "\n";
        first += count;
    }
    return cards;
}

// GE, and GN over a ground. GE 1 over a ground: NEC-2 then joins a wire
// end at z = 0 to its image (as the engine does) and refuses a wire below
// the ground.
std::string groundCards(const mom::WireSpec& wireSpec) {
    if (wireSpec.ground == mom::Ground::FreeSpace) return necGeometryCard("GE", {0}) + "\n";
    const std::string ge = necGeometryCard("GE", {1}) + "\n";
    if (wireSpec.ground == mom::Ground::Perfect) return ge + necControlCard("GN", {1}) + "\n";
    return ge +
           necControlCard("GN", {2, 0, 0, 0},
                          {wireSpec.soil.relativePermittivity, wireSpec.soil.conductivity}) +
           "\n";
}

} // namespace

NecDeck necDeck(const Station& station, std::size_t band) {
    if (band >= station.bands.size())
        return refused("the station has " + std::to_string(station.bands.size()) +
                       " band(s); there is no band " + std::to_string(band + 1));
    const Band& b = station.bands[band];
    const std::string which =
        "band " + std::to_string(band + 1) + " (" + number(b.frequency) + " MHz)";
    const DeckWire wire = deckWire(station, b.frequency);
    const mom::Segmentation cut = mom::segmentWire(wire.wireSpec);
    if (!cut.ok()) return refused("no NEC-2 deck for " + which + ": " + cut.reason);
    const bool hasGrid = station.hasGrid && !station.heights.empty();
    if (hasGrid && !gridLays(station))
        return refused("no NEC-2 deck for " + which +
                       ": the station's grid has a range out of order, a step that is not above "
                       "0 or a coordinate that is not a number");
    const mom::Segments& w = cut.wire;
    const GridAxes axes = hasGrid ? layGrid(station.grid) : GridAxes{};

    // The piece (GW tag) and the segment within it that carry the source.
    std::size_t feedTag = 1, feedSegment = w.feedSegment + 1;
    for (std::size_t count : w.pieceSegments) {
        if (feedSegment <= count) break;
        feedSegment -= count;
        ++feedTag;
    }

    std::string deck = necComment(
        "kvarn station \"" + station.title + "\"" +
        (station.antennaName.empty() ? "" : ", antenna \"" + station.antennaName + "\"") +
        ", band " + std::to_string(band + 1) + " of " + std::to_string(station.bands.size()) +
        " (" + number(b.frequency) +
        " MHz): NEC-2 input deck written by "
        "kvarn " KVARN_VERSION ", to check kvarn's model in a NEC-2 "
        "program.");
    for (const std::string& comment :
         {bandComment(b), modelComment(station), groundComment(station),
          cornersComment(station, wire), wireComment(station, w),
          feedComment(station, feedTag, feedSegment), scaleComment(b), gridComment(station, axes)})
        deck += necComment(comment);
    deck += "CE\n";
    deck += wireCards(w) + groundCards(wire.wireSpec);
    deck += necControlCard("EX", {0, static_cast<long>(feedTag), static_cast<long>(feedSegment), 0},
                           {kSourceVolts, 0.0}) +
            "\n";
    deck += necControlCard("FR", {0, 1, 0, 0}, {b.frequency, 0.0}) + "\n";
    // Without a grid no NE card sets NEC-2 computing; XQ does.
    deck += axes.points() > 0 ? nearFieldCards(station, axes) : necControlCard("XQ", {0}) + "\n";
    deck += necControlCard("EN", {}) + "\n";
    return {deck, {}};
}

} // namespace kvarn
