#pragma once
// A station as its owner describes it: the wire, the grid of points where
// people can be, the bands with their powers, the reports to write and the
// limit set to assess against.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "field/antenna.h"
#include "field/grid.h"
#include "field/modes.h"
#include "limits/reference_levels.h"

namespace kvarn {

// How the field is computed: one of the exact models of the interactive
// programs (the standing wave, the short model), or the method of moments,
// which computes the wire's own currents from where it is fed.
enum class ModelKind : std::uint8_t { standingWave, shortWire, methodOfMoments };

// The exact model of a kind; the standing wave for the method of moments,
// which has none.
AntennaModel exactModel(ModelKind kind);
inline bool isExact(ModelKind kind) {
    return kind != ModelKind::methodOfMoments;
}

// What lies under the antenna, for the method of moments.
enum class GroundKind : std::uint8_t {
    free,    // free space: no ground
    perfect, // a perfectly conducting plane at z = 0
    real,    // real soil below z = 0: a lossy half space (the Sommerfeld-Norton solution)
};

// The electrical constants of real soil.
struct Soil {
    std::string name;            // the named soil it was given as; empty: given by its values
    double permittivity = 13;    // relative, above 1
    double conductivity = 0.005; // S/m, 0 or more
};

// One band: a frequency and the power chain from the transmitter to the feed.
struct Band {
    double frequency = 0;     // MHz
    double power = 0;         // W at the transmitter
    double modeFactor = 1;    // peak to mean power of the operating mode, 0 < f <= 1
    double lossDb = 0;        // dB of feed line, connector and tuner loss, >= 0
    double transmitShare = 1; // share of any 6 minutes the transmitter sends, 0 < s <= 1
};

// The operator's plot and the controllable area around it.
struct Site {
    std::vector<std::pair<double, double>> boundary; // m, x y of its corners seen from above
    double publicHeight = 3;                         // m: outside the boundary the
                                                     // controllable area begins this high
    double north = 0;                                // degrees clockwise from the +y axis to north
    std::string operatorName, callsign, address;     // for the record; may be empty
    bool simultaneous = false; // the antennas send at the same time: their exposures add
};

// The language of the table, the maps and the printed report.
enum class Language : std::uint8_t { de, en };

// A point where people are, named in the record.
struct Place {
    std::string name;           // 1 to 40 characters
    double x = 0, y = 0, z = 0; // m
};

// One antenna of a station, with what the station gives every antenna: the
// grid, the site and its places, the ground, the limits, the language. A
// station file with one antenna gives one such record; the whole pipeline
// of the assessment works on it.
struct Station {
    std::string title = "antenne";                     // report title, stem of output names
    std::string antennaName;                           // 1 to 40 characters; empty: the
                                                       // station's only antenna, unnamed
    Language language = Language::en;                  // the reader makes it "de" with the
                                                       // 26. BImSchV unless told
    ModelKind model = ModelKind::standingWave;         // how the field is computed
    std::vector<CornerPoint> corners;                  // m, 2 to 10
    double wireLength = 0;                             // m; the exact models count whole metres
    double feed = 0;                                   // m along the wire to the feed (moments)
    double wireDiameterMm = 2.0;                       // mm (moments)
    GroundKind ground = GroundKind::free;              // (moments)
    Soil soil;                                         // for a real ground
    ModeSet reportModes = modeBit('E') | modeBit('M'); // the report files to write
    bool hasGrid = true;                               // a grid may be left out with a site
    Grid grid;                                         // m
    std::vector<double> heights;                       // m, one or more with a grid
    std::optional<Site> site;                          // the plot, when given
    std::vector<Place> places;                         //

    // The site when it gives the own plot: the controllable area to judge
    // the zone against; nullptr without one.
    const Site* plot() const { return site && !site->boundary.empty() ? &*site : nullptr; }
    std::vector<Band> bands;               // one or more
    LimitSet limits = LimitSet::bimschv26; //
};

// What a station file describes: one or more antennas on one site.
struct Installation {
    std::vector<Station> antennas; // one or more, each with the station's shared settings

    const Station& first() const { return antennas.front(); }
    bool simultaneous() const { return first().site && first().site->simultaneous; }
};

} // namespace kvarn
