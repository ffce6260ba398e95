#pragma once
// The key of a site plan or side view: one entry for each kind of mark the
// drawing shows, and none for what it does not.

#include <cairo.h>
#include <string>
#include <vector>

#include "drawing/plan_layout.h"
#include "drawing/site_plan.h"

namespace kvarn {

enum class PlanMark {
    boundary,     // the own plot's boundary
    zone,         // the zone's light fill
    belowPublic,  // the zone below the public height
    largestZone,  // the edge of the zone that reaches farthest
    otherZone,    // the edge of another band's zone
    wire,         // the wire (with its corner heights in the plan)
    feed,         // the feed
    place,        // a place within the limits
    placeOver,    // a place over a limit
    margin,       // the smallest margin, or the deepest crossing
    publicHeight, // the public height's line
    plotExtent,   // the own plot's extent on the ground
};

struct KeyEntry {
    PlanMark mark;
    std::string text; // lines broken with '\n'
};

std::vector<KeyEntry> sitePlanKey(const SitePlan& plan);
std::vector<KeyEntry> sideViewKey(const SideView& view);

// The lines of text of each entry, for the layout.
std::vector<int> keyLines(const std::vector<KeyEntry>& entries);

// Draws the entries at the layout's key place, a sample of each mark beside
// its text.
void drawPlanKey(cairo_t* cr, const std::vector<KeyEntry>& entries, const PlanLayout& layout);

} // namespace kvarn
