#pragma once
// Text set to a width on cairo's toy text API: paragraphs broken into lines,
// and tables whose columns are as wide as their widest cell.

#include <cairo.h>
#include <string>
#include <vector>

#include "drawing/map_text.h"
#include "drawing/report_document.h"

namespace kvarn {

// `text` broken at spaces into lines no wider than `width`; a word wider
// than that on its own is cut between its characters. Runs of spaces count
// as one; an empty text gives no lines.
std::vector<std::string> wrapText(cairo_t* cr, const std::string& text, const TextStyle& style,
                                  double width);

// Where the columns of a table go.
struct TableLayout {
    double size = 10;             // the font size the table is set in
    double rowHeight = 14;        // baseline to baseline
    std::vector<double> left;     // left edge of each column's text
    std::vector<double> width;    // width of each column's text
    double x = 0, totalWidth = 0; // the table's left edge and width, padding included
};

// The columns of `table` from `x` on, in `size` or, when the table would be
// wider than `width`, in the size that makes it fit.
TableLayout layoutTable(cairo_t* cr, const ReportTable& table, double size, double x, double width);

// One row of cells with its baseline at `baseline`, each aligned in its
// column as the table says.
void drawTableRow(cairo_t* cr, const TableLayout& layout, const ReportTable& table,
                  const std::vector<std::string>& cells, bool bold, double baseline);

} // namespace kvarn
