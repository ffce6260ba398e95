#pragma once
// A raster mask of a projection of the zone: square cells, each set where
// the zone covers it, and its outline as closed polygons.

#include <cstdint>
#include <span>
#include <vector>

#include "zone/geometry.h"

namespace kvarn::zone {

struct Raster {
    double x0 = 0, y0 = 0;           // m: the lower left corner of cell (0, 0)
    double cell = 0;                 // m: the side of a cell
    int nx = 0, ny = 0;              // cells across and up
    std::vector<std::uint8_t> cells; // row after row from y0 up: 1 where the zone is

    bool at(int i, int j) const {
        return i >= 0 && j >= 0 && i < nx && j < ny &&
               cells[static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) +
                     static_cast<std::size_t>(i)] != 0;
    }
    // m: the centre of cell (i, j).
    Point2 centre(int i, int j) const { return {x0 + (i + 0.5) * cell, y0 + (j + 0.5) * cell}; }
};

// Sets the cells whose centres lie in the convex polygon (counter-clockwise,
// as convexHull gives it), and the cells of its corners, so that a piece
// narrower than a cell still shows.
void fillConvex(Raster& raster, std::span<const Point2> hull);

// The outline of the set cells: closed polygons (the last corner joins the
// first) along the cells' edges, cut diagonally at their corners, each
// with the set cells on its left: outer edges counter-clockwise, holes
// clockwise. Diagonal neighbours count as joined.
std::vector<std::vector<Point2>> outlines(const Raster& raster);

} // namespace kvarn::zone
