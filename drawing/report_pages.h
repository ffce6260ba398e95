#pragma once
// The pages of a printed report: each part from the top of a new page, its
// blocks one below the other, a new page where the next one does not fit,
// and a foot with the page number on every page. Black text and rules only,
// so that a print without colour loses nothing but the maps' colours.

#include <cairo.h>

#include "drawing/report_document.h"

namespace kvarn {

// The page in points (1/72 inch); A4 portrait unless told otherwise.
struct PageGeometry {
    double width = 595.28, height = 841.89;
    double marginX = 56.7;      // 20 mm left and right
    double marginTop = 51.0;    // 18 mm
    double marginBottom = 68.0; // 24 mm, the foot stands in it
};

// Draws `document` page after page, ending each with cairo_show_page, and
// returns the number of pages. The feet read "page 2 of 5", or "page 2"
// when `totalPages` is 0. Without `drawMaps` the maps, site plans and side
// views only take their place, which lays the pages out the same for
// counting them.
int drawReportPages(cairo_t* cr, const ReportDocument& document, const PageGeometry& page,
                    int totalPages, bool drawMaps = true);

} // namespace kvarn
