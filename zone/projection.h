#pragma once
// Projections of the zone for drawings: raster masks and their outlines,
// seen from above (all of the zone, or the part below the public height)
// and from the side.

#include <cstddef>
#include <vector>

#include "zone/raster.h"
#include "zone/zone.h"

namespace kvarn::zone {

enum class View {
    top,      // from above: x across, y up
    topBelow, // from above, the part of the zone below the public height
    alongX,   // looking along x: y across, z up
    alongY,   // looking along y: x across, z up
};

// The height below which the zone must keep inside the own plot.
inline constexpr double kPublicHeight = 3.0; // m

// Cells of kMaskCell, doubled as often as needed to keep a mask within
// kMaxMaskCells (16 MB).
inline constexpr double kMaskCell = 0.05; // m
inline constexpr std::size_t kMaxMaskCells = std::size_t{1} << 24;

struct Projection {
    Raster mask;                               // in the view's two coordinates
    std::vector<std::vector<Point2>> outlines; // of the mask, m
};

// The zone seen in the view: every piece's convex hull, projected, filled
// into a mask one cell wider than the zone all round. An empty zone (or no
// zone below the public height) gives an empty mask without cells.
Projection project(const Zone& zone, View view, double publicHeight = kPublicHeight);

} // namespace kvarn::zone
