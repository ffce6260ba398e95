#pragma once
// The input of a field map: one band's field on a horizontal grid of points,
// already computed and reduced to percent of the exposure limit. Plain data,
// so the drawing does not depend on how the values were obtained.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing_words.h"

namespace kvarn {

// A corner of the antenna wire, in metres.
struct WirePoint {
    double x = 0, y = 0, z = 0;
};

// One antenna of a station of several: its wire, corner to corner, where it
// is fed, and the name the drawing labels it with.
struct AntennaWire {
    std::string name;
    std::vector<WirePoint> corners;
    std::optional<WirePoint> feed;
};

struct FieldMap {
    std::string title;     // first title line, e.g. "80 m: 3.650 MHz, 100 W at the feed"
    std::string limitLine; // second title line: the limits the percentages refer to

    std::vector<double> xs; // m, x of each column, left to right (increasing)
    std::vector<double> ys; // m, y of each row, top row first (decreasing)
    double step = 1;        // m, spacing of the grid in x and in y

    // rows * columns values, row-major from the top row: the field as percent
    // of its limit (the larger of E and H, the worst over the heights).
    std::vector<double> percent;
    // Same layout: 1 where the point is too close to the wire for the model,
    // so its value means nothing. Empty when no point is.
    std::vector<std::uint8_t> tooClose;

    std::vector<WirePoint> corners; // the wire, corner to corner
    std::optional<WirePoint> feed;  // where the wire is fed, for a model that knows it

    // Position and value of the highest percentage outside the too-close
    // points; a value that is not finite means there is none to mark.
    double maxX = 0, maxY = 0, maxPercent = 0;

    // The antennas of a station of several, each drawn like the wire above
    // and labelled with its name; with them the wire above may be empty.
    std::vector<AntennaWire> antennas{};
    DrawingWords words{}; // the words the map prints of its own accord

    std::size_t columns() const { return xs.size(); }
    std::size_t rows() const { return ys.size(); }
    bool isTooClose(std::size_t row, std::size_t column) const {
        return !tooClose.empty() && tooClose[row * xs.size() + column] != 0;
    }
    double at(std::size_t row, std::size_t column) const {
        return percent[row * xs.size() + column];
    }
};

// What is wrong with the map's grid, or an empty string when it can be drawn:
// at least one point, a positive step, evenly spaced columns and rows in the
// stated order, value arrays of the grid's size, and finite points on the
// wires.
std::string fieldMapProblem(const FieldMap& map);

} // namespace kvarn
