#pragma once
// The pages of a printed report: each part from the top of a new page, its
// blocks one below the other, a new page where the next one does not fit,
// and a foot with the page number on every page. Black text and rules only,
// so that a print without colour loses nothing but the maps' colours.

#include <cairo.h>
#include <vector>

#include "drawing/report_document.h"

namespace kvarn {

// The page in points (1/72 inch); A4 portrait unless told otherwise.
struct PageGeometry {
    double width = 595.28, height = 841.89;
    double marginX = 56.7;      // 20 mm left and right
    double marginTop = 51.0;    // 18 mm
    double marginBottom = 68.0; // 24 mm, the foot stands in it
};

// Where one part of a document lies: the page it starts on, counted from 1,
// and the pages it takes.
struct PartPages {
    int first = 0;
    int count = 0;
    bool operator==(const PartPages&) const = default;
};

// Where the pages of a document went.
struct ReportPagination {
    int total = 0;                // pages in all; 0: not counted yet
    std::vector<PartPages> parts; // one for each part of the document, in its order
    bool operator==(const ReportPagination&) const = default;
};

// Draws `document` page after page, ending each with cairo_show_page, and
// returns where its parts went. `known` is what an earlier pass found: with
// it the feet read "page 2 of 5" and the list of parts gives its numbers;
// without it (a total of 0) the feet read "page 2" and the list shows
// zeros in their place. Without `drawMaps` the maps, site plans and side
// views only take their place, which lays the pages out the same for
// counting them.
ReportPagination drawReportPages(cairo_t* cr, const ReportDocument& document,
                                 const PageGeometry& page, const ReportPagination& known,
                                 bool drawMaps = true);

} // namespace kvarn
