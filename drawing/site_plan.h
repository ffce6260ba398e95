#pragma once
// The input of the site plan and the side views: the safety zone, the own
// plot, the antenna and the places of interest, already projected and
// worded. Plain data, so the drawing does not depend on how the zone was
// found.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drawing/field_map.h"

namespace kvarn {

// A point seen from above, in metres.
struct PlanPoint {
    double x = 0, y = 0;
};

// Closed polygons (the last corner joins the first), in metres. Holes may be
// polygons of their own: the fill is even-odd within one outline.
struct PlanOutline {
    std::vector<std::vector<PlanPoint>> polygons;
};

// One band's zone seen from above.
struct PlanZone {
    std::string label;       // "80 m band: 3.650 MHz"
    PlanOutline whole;       // all of the zone
    PlanOutline belowPublic; // the part of it below the public height
    bool largest = false;    // the zone that reaches farthest: outlined and labelled
};

// A place of interest (a balcony, the neighbour's window), in metres.
struct PlanPlace {
    std::string name;
    double x = 0, y = 0, z = 0;
    bool over = false; // the field there is over a limit
};

// The zone of one band or of the whole station seen from above.
struct SitePlan {
    std::string title;    // "Site plan: all bands"
    std::string subtitle; // the model and the limits behind the zone

    std::vector<PlanPoint> boundary; // the own plot, a simple polygon; empty: no site given
    double publicHeight = 3;         // m: below it the zone must keep inside the plot
    double north = 0;                // degrees clockwise from +y to north

    std::vector<WirePoint> wire; // the antenna, corner to corner
    std::optional<WirePoint> feed;
    std::vector<PlanZone> zones; // one per band (station plan) or one (band plan)
    std::vector<PlanPlace> places;

    // Where the part below the public height comes closest to the boundary
    // (or crosses it deepest): the zone point, then the boundary point.
    std::optional<std::pair<PlanPoint, PlanPoint>> margin;
    double marginValue = 0; // m, negative when the zone crosses the boundary

    // The antennas of a station of several, each drawn like the wire above
    // and labelled with its name; with them the wire above may be empty.
    std::vector<AntennaWire> antennas{};
    DrawingWords words{}; // the words the plan prints of its own accord
};

// Which way a side view looks.
enum class SideAxis {
    alongX, // y across, z up
    alongY, // x across, z up
};

// A point of a side view: its horizontal coordinate across the view and its
// height, in metres.
struct SidePoint {
    double across = 0, up = 0;
};

// An antenna of a station of several, projected like the wire of a side
// view, and its name.
struct SideAntenna {
    std::string name;
    std::vector<SidePoint> corners;
    std::optional<SidePoint> feed;
};

struct SidePlace {
    std::string name;
    SidePoint at;
    bool over = false; // as in PlanPlace
};

// The zone of one band (or of the station) seen from the side.
struct SideView {
    std::string title;    // "Side view along x: 80 m band"
    std::string subtitle; // the model and the limits behind the zone
    SideAxis axis = SideAxis::alongX;

    std::vector<std::vector<SidePoint>> zone; // the zone's outline: closed polygons
    std::vector<SidePoint> wire;              // the antenna projected, corner to corner
    std::optional<SidePoint> feed;
    std::vector<SidePlace> places;

    // m: the own plot's extent across; inside it the plot holds at any
    // height, outside it the public height applies. None: no site given,
    // so the public height applies across the whole view.
    std::optional<std::pair<double, double>> plotExtent;
    double publicHeight = 3; // m

    // The antennas of a station of several, each drawn like the wire above
    // and labelled with its name; with them the wire above may be empty.
    std::vector<SideAntenna> antennas{};
    DrawingWords words{}; // the words the view prints of its own accord
};

// What keeps the plan or the view from being drawn (a coordinate or a height
// that is not finite, a negative public height, an extent whose ends are
// swapped), or an empty string when it can be drawn.
std::string sitePlanProblem(const SitePlan& plan);
std::string sideViewProblem(const SideView& view);

} // namespace kvarn
