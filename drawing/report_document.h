#pragma once
// The input of a printed report: plain text blocks, field maps, site plans
// and side views, already
// worded, in the order they are printed. The drawing lays them out on pages;
// what they say is decided by whoever fills them in.

#include <string>
#include <variant>
#include <vector>

#include "drawing/drawing_words.h"
#include "drawing/field_map.h"
#include "drawing/map_text.h"
#include "drawing/site_plan.h"

namespace kvarn {

struct ReportHeading {
    std::string text;
    bool large = false; // the document's title rather than a section's
};

struct ReportParagraph {
    std::string text;
    bool bold = false;
};

// A paragraph with a bullet before it.
struct ReportBullet {
    std::string text;
};

// Labelled values, one under the other: the labels in a column of their own,
// the values wrapped beside them.
struct ReportFacts {
    std::vector<std::pair<std::string, std::string>> items;
};

struct ReportTableRow {
    std::vector<std::string> cells;
    bool bold = false; // a row that must stand out, also in black and white
};

// A table whose columns take the width of their widest cell; a table wider
// than the page is set in a smaller size.
struct ReportTable {
    std::vector<std::string> headings;
    std::vector<Align> align; // per column; columns without one are left aligned
    std::vector<ReportTableRow> rows;
};

// A field map as wide as the page and at most `height` points high; the
// space below the drawn map is left to the blocks that follow.
struct ReportMap {
    FieldMap map;
    double height = 400;
};

// A site plan laid out as wide as the page and `height` points high (a page
// at most); on the page it takes only the height it uses, so that what
// follows starts below its foot.
struct ReportSitePlan {
    SitePlan plan;
    double height = 400;
};

// A side view of the zone, laid out like a site plan; a flat view uses far
// less than its height.
struct ReportSideView {
    SideView view;
    double height = 380;
};

// The list of the document's parts, as a table: each part that has a title,
// the page it starts on and the pages it takes, under the headings of the
// document's words. The pages fill it in; it may stand in any part, also in
// one it lists.
struct ReportContents {
    std::string text{}; // a section heading above the list, "Contents"; empty: none
};

using ReportBlock =
    std::variant<ReportHeading, ReportParagraph, ReportBullet, ReportFacts, ReportTable, ReportMap,
                 ReportSitePlan, ReportSideView, ReportContents>;

// Blocks that start on a new page and flow over as many pages as they need.
struct ReportPart {
    std::vector<ReportBlock> blocks;
    std::string title{}; // its row in the list of parts; empty: not listed
};

struct ReportDocument {
    std::string title;  // the PDF's title
    std::string footer; // printed at the foot of every page, beside "page n of m"
    std::vector<ReportPart> parts;
    // The foot's page number and the list's headings; the drawings carry
    // words of their own.
    DrawingWords words{};
};

} // namespace kvarn
