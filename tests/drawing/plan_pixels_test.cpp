// Site plans and side views drawn into memory and read back pixel by pixel.

#include <cairo.h>
#include <cmath>
#include <functional>
#include <numbers>

#include <gtest/gtest.h>

#include "drawing/draw_side_view.h"
#include "drawing/draw_site_plan.h"
#include "drawing/plan_marks.h"
#include "drawing/plan_support.h"

namespace kvarn {
namespace {

using test::Pixels;

// A drawing on a white image of `width` x `height` pixels.
class Canvas {
  public:
    Canvas(int width, int height)
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
          cr_(cairo_create(surface_)), area_{0, 0, static_cast<double>(width),
                                             static_cast<double>(height)} {}
    ~Canvas() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    PlanLayout plan(const SitePlan& p) { return finish(drawSitePlan(cr_, p, area_)); }
    PlanLayout side(const SideView& v) { return finish(drawSideView(cr_, v, area_)); }
    Pixels pixels() const { return Pixels(surface_); }

  private:
    PlanLayout finish(const PlanLayout& layout) {
        EXPECT_EQ(cairo_status(cr_), CAIRO_STATUS_SUCCESS);
        return layout;
    }
    cairo_surface_t* surface_;
    cairo_t* cr_;
    Rect area_;
};

// The first run of dark pixels met from (x, y) on in steps of (dx, dy): how
// many steps to its first pixel, and its length; a length of 0 when none is
// met within `limit` steps.
struct DarkRun {
    int first = 0, length = 0;
    double middle() const { return length > 0 ? first + (length - 1) / 2.0 : std::nan(""); }
};
DarkRun darkRun(const Pixels& p, double x, double y, int dx, int dy, int limit) {
    DarkRun run;
    while (run.first < limit && !p.dark(x + run.first * dx, y + run.first * dy))
        ++run.first;
    while (run.first + run.length < limit &&
           p.dark(x + (run.first + run.length) * dx, y + (run.first + run.length) * dy))
        ++run.length;
    return run;
}

TEST(SitePlanPixels, SquarePlotIsASquareOfTheScalesSide) {
    // Wide and tall pages: the key beside the plot, then below it.
    const struct { int width, height; } pages[] = {{1000, 700}, {600, 900}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.width);
        Canvas canvas(page.width, page.height);
        SitePlan plan;
        plan.boundary = test::square(0, 0, 20, 20);
        const PlanLayout layout = canvas.plan(plan);
        const MapLayout& l = layout.frame;
        const Pixels p = canvas.pixels();
        // From the middle of the plot out to the boundary's line in each
        // direction: the pixel distances between the lines' middles.
        const double cx = std::round(l.toX(10)), cy = std::round(l.toY(10));
        const int limit = static_cast<int>(15 * l.scale);
        const double width =
            darkRun(p, cx, cy, 1, 0, limit).middle() + darkRun(p, cx, cy, -1, 0, limit).middle();
        const double height =
            darkRun(p, cx, cy, 0, 1, limit).middle() + darkRun(p, cx, cy, 0, -1, limit).middle();
        EXPECT_NEAR(width, height, 1.0);
        EXPECT_NEAR(width, 20 * l.scale, 1.5);
        EXPECT_GT(width, 0.3 * std::min(page.width, page.height));
    }
}

TEST(SitePlanPixels, ZoneIsFilledLightlyItsPartBelowThePublicHeightDarker) {
    Canvas canvas(1000, 700);
    const MapLayout l = canvas.plan(test::squarePlan()).frame;
    const Pixels p = canvas.pixels();
    const auto grey = [&](double x, double y) { return p.grey(l.toX(x), l.toY(y)); };
    EXPECT_NEAR(grey(14, 7), kZoneGrey, 0.01) << "the zone";
    EXPECT_NEAR(grey(13.5, 13.5), 1, 0.01) << "the zone's hole";
    EXPECT_NEAR(grey(2, 18), 1, 0.01) << "the plot outside the zone";
    EXPECT_LT(grey(0, 10), 0.1) << "the boundary";
    EXPECT_LT(grey(16, 10), 0.1) << "the zone's edge";
    // Averaged over a block, as hatching alternates black and grey: the part
    // below the public height is darker than the rest by far.
    double below = 0, rest = 0;
    int n = 0;
    for (double x = 6.5; x < 9.5; x += 0.05)
        for (double y = 6.5; y < 9.5; y += 0.05, ++n) {
            below += grey(x, y);
            rest += grey(x + 5, y + 0.1);
        }
    EXPECT_LT(below / n, rest / n - 0.25);
    EXPECT_GT(below / n, 0.2) << "not a black block either";
}

TEST(SitePlanPixels, NorthArrowPointsWhereNorthIs) {
    for (const double north : {0.0, 30.0, 90.0, 180.0, 270.0}) {
        SCOPED_TRACE(north);
        Canvas canvas(1000, 700);
        SitePlan plan = test::squarePlan();
        plan.north = north;
        const PlanLayout layout = canvas.plan(plan);
        const Pixels p = canvas.pixels();
        const double a = north * std::numbers::pi / 180;
        const double dx = std::sin(a), dy = -std::cos(a), r = layout.northRadius;
        const auto at = [&](double along, double across) {
            return p.grey(layout.northX + along * dx * r - across * dy * r,
                          layout.northY + along * dy * r + across * dx * r);
        };
        EXPECT_LT(at(0.55, 0), 0.1) << "the black head towards north";
        EXPECT_GT(at(-0.55, 0), 0.9) << "the white tail away from it";
        EXPECT_GT(at(0, 0.7), 0.9) << "nothing a quarter turn off";
        EXPECT_GT(at(0, -0.7), 0.9) << "nothing a quarter turn off";
    }
}

TEST(SitePlanPixels, MarginLineJoinsTheZoneToTheBoundary) {
    for (const bool margin : {true, false}) {
        SCOPED_TRACE(margin);
        Canvas canvas(1000, 700);
        SitePlan plan = test::squarePlan();
        if (!margin) plan.margin.reset();
        const MapLayout l = canvas.plan(plan).frame;
        const Pixels p = canvas.pixels();
        for (const double y : {1.0, 2.0, 3.0})
            EXPECT_EQ(p.dark(l.toX(10), l.toY(y)), margin) << "y " << y;
    }
}

TEST(SideViewPixels, GroundAndPublicHeightLinesAtTheirHeightsToOneScale) {
    const struct {
        bool plot;
        bool publicOverThePlot;
    } cases[] = {{true, false}, {false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plot);
        Canvas canvas(1200, 800);
        SideView view = test::squareSideView();
        if (!c.plot) view.plotExtent.reset();
        const MapLayout l = canvas.side(view).frame;
        const Pixels p = canvas.pixels();
        // Left of the plot: the ground, met going up from the plot's foot,
        // and the public height's dashes, met going down from 4.5 m, each
        // line centred on its height.
        const double x = l.toX(l.left + 0.5);
        const double foot = l.plot.y + l.plot.height - 3;
        const double groundY =
            foot - darkRun(p, x, foot, 0, -1, static_cast<int>(l.plot.height)).middle();
        EXPECT_NEAR(groundY, l.toY(0), 1.5);
        double publicY = std::nan("");
        for (double across = l.left + 0.1; across < l.left + 1 && std::isnan(publicY);
             across += 0.05)
            publicY =
                l.toY(4.5) +
                darkRun(p, l.toX(across), l.toY(4.5), 0, 1, static_cast<int>(2 * l.scale)).middle();
        EXPECT_NEAR(publicY, l.toY(3), 1.5);
        // Over the plot the public height does not apply.
        bool over = false;
        for (double across = 1; across < 19; across += 0.05)
            over = over || p.dark(l.toX(across), l.toY(3));
        EXPECT_EQ(over, c.publicOverThePlot);
        if (!c.plot) continue;
        // The plot's extent as a bar under the ground: its pixels per metre
        // across equal the pixels per metre up between the two lines.
        const DarkRun bar =
            darkRun(p, l.plot.x + 3, l.toY(0) + 0.35 * l.em, 1, 0, static_cast<int>(l.plot.width));
        EXPECT_NEAR(l.plot.x + 3 + bar.first, l.toX(0), 1.5);
        const double across = bar.length / 20.0;
        const double up = (groundY - publicY) / 3.0;
        EXPECT_NEAR(across / up, 1.0, 0.03);
    }
}

TEST(SitePlanPixels, EveryAntennaIsDrawnAlongItsWire) {
    // Without the plan's own wire, which the furnished plan has.
    SitePlan plan = test::furnishedPlan();
    plan.wire.clear();
    plan.feed.reset();
    plan.antennas = {{"north", {{2, 18, 8}, {18, 18, 8}}, {}},
                     {"east", {{30, 0, 4}, {30, 20, 9}}, {}}};
    Canvas canvas(1600, 1100);
    const MapLayout l = canvas.plan(plan).frame;
    const Pixels p = canvas.pixels();
    for (const AntennaWire& a : plan.antennas)
        for (const double t : {0.1, 0.4, 0.9}) {
            const WirePoint &from = a.corners[0], &to = a.corners[1];
            EXPECT_TRUE(
                p.dark(l.toX(from.x + t * (to.x - from.x)), l.toY(from.y + t * (to.y - from.y))))
                << a.name << " at " << t;
        }
    // Where the plan's own wire ran, nothing is drawn.
    EXPECT_FALSE(p.dark(l.toX(15), l.toY(10)));
}

TEST(PlanLayout, ShowsEverythingInsideTheArea) {
    SitePlan bare;
    SitePlan wireOnly;
    wireOnly.wire = {{-50, 3, 10}, {50, 3, 10}};
    SitePlan far = test::furnishedPlan();
    far.places.push_back({"far", 300, -40, 2, false});
    SitePlan antennas = test::squarePlan();
    antennas.antennas = {{"near", {{2, 2, 8}, {18, 2, 8}}, {}}, {"far", {{90, 70, 5}}, {}}};
    const struct {
        const char* name;
        SitePlan plan;
        Rect area;
    } cases[] = {
        {"nothing", bare, {0, 0, 1600, 1100}},
        {"a flat wire", wireOnly, {0, 0, 1600, 1100}},
        {"furnished", test::furnishedPlan(), {0, 0, 841.89, 595.28}},
        {"a far place on a report page", far, {56, 300, 482, 400}},
        {"antennas, one far, without the wire", antennas, {0, 0, 1600, 1100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PlanLayout layout = layoutSitePlan(c.plan, c.area);
        const MapLayout& l = layout.frame;
        const PlanExtent e = sitePlanExtent(c.plan);
        std::vector<PlanPoint> points = c.plan.boundary;
        for (const WirePoint& w : c.plan.wire)
            points.push_back({w.x, w.y});
        for (const AntennaWire& a : c.plan.antennas)
            for (const WirePoint& w : a.corners)
                points.push_back({w.x, w.y});
        for (const PlanPlace& place : c.plan.places)
            points.push_back({place.x, place.y});
        for (const PlanPoint& q : points) {
            EXPECT_GT(l.toX(q.x), l.plot.x);
            EXPECT_LT(l.toX(q.x), l.plot.x + l.plot.width);
            EXPECT_GT(l.toY(q.y), l.plot.y);
            EXPECT_LT(l.toY(q.y), l.plot.y + l.plot.height);
        }
        EXPECT_NEAR(l.toX(e.right), l.plot.x + l.plot.width, 1e-9);
        EXPECT_NEAR(l.toY(e.bottom), l.plot.y + l.plot.height, 1e-9);
        EXPECT_GE(l.plot.x, c.area.x);
        EXPECT_GE(l.plot.y, c.area.y);
        EXPECT_LE(l.bottom, c.area.y + c.area.height + 1e-9);
        EXPECT_LE(layout.northX + layout.northRadius, c.area.x + c.area.width);
        // The key keeps off the plot.
        const bool beside = layout.keyX >= l.plot.x + l.plot.width;
        EXPECT_TRUE(beside || layout.keyY >= l.plot.y + l.plot.height);
    }
}

} // namespace
} // namespace kvarn
