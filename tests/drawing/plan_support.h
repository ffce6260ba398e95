#pragma once
// Small site plans and side views for the drawing tests: a square plot of
// 20 m, square zones, a wire and two places, each easy to find in pixels.

#include <cairo.h>
#include <cstdint>
#include <vector>

#include "drawing/rgb.h"
#include "drawing/site_plan.h"

namespace kvarn::test {

// The corners of the square from (x0, y0) to (x1, y1), counter-clockwise.
inline std::vector<PlanPoint> square(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// A plot of 20 m x 20 m; the zone a square from 4 to 16 m with a hole from
// 12 to 15 m, its part below the public height the square from 6 to 10 m;
// the smallest margin from (10, 4) down to (10, 0).
inline SitePlan squarePlan() {
    SitePlan plan;
    plan.title = "Site plan: test band";
    plan.subtitle = "test model, test limits";
    plan.boundary = square(0, 0, 20, 20);
    PlanZone zone{"80 m band: 3.650 MHz", {}, {}, true};
    zone.whole.polygons = {square(4, 4, 16, 16), square(12, 12, 15, 15)};
    zone.belowPublic.polygons = {square(6, 6, 10, 10)};
    plan.zones = {zone};
    plan.margin = {{{10, 4}, {10, 0}}};
    plan.marginValue = 4;
    return plan;
}

// The same plan with a wire, its feed and two places, one over a limit.
inline SitePlan furnishedPlan() {
    SitePlan plan = squarePlan();
    plan.wire = {{5, 5, 8}, {15, 5, 10}, {15, 15, 10}};
    plan.feed = WirePoint{5, 5, 8};
    plan.places = {{"Balcony", 18, 18, 4.5, false}, {"Bench", 2, 10, 1, true}};
    return plan;
}

// Looking along x at the same station: the plot from 0 to 20 m across, the
// zone between 5 and 12 m high.
inline SideView squareSideView() {
    SideView view;
    view.title = "Side view along x: test band";
    view.subtitle = "test model, test limits";
    view.zone = {{{4, 5}, {16, 5}, {16, 12}, {4, 12}}};
    view.wire = {{5, 8}, {5, 10}, {15, 10}};
    view.feed = SidePoint{5, 8};
    view.places = {{"Balcony", {18, 4.5}, false}};
    view.plotExtent = std::pair{0.0, 20.0};
    return view;
}

// Reads an RGB24 image surface back.
class Pixels {
  public:
    explicit Pixels(cairo_surface_t* surface) : surface_(surface) { cairo_surface_flush(surface); }
    Rgb at(double x, double y) const {
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<int>(y) * stride);
        const std::uint32_t p = row[static_cast<int>(x)];
        return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                static_cast<std::uint8_t>(p)};
    }
    // 0 black to 1 white.
    double grey(double x, double y) const {
        const Rgb c = at(x, y);
        return (0.299 * c.r + 0.587 * c.g + 0.114 * c.b) / 255;
    }
    bool dark(double x, double y) const { return grey(x, y) < 0.25; }

  private:
    cairo_surface_t* surface_;
};

} // namespace kvarn::test
