#pragma once
// The report of an interactive pass: the pass's record as a report head,
// the header on the console and in the output file, the summary line.

#include "console/text_out.h"
#include "field/grid.h"
#include "report/report_format.h"

namespace kvarn {

// The pass of calc and the program's antenna as a report head, and its grid.
ReportHead passHead();
Grid passGrid();
// Console header of a single-value pass; when calc.writeFile is set it then
// creates calc.outfile (named calc.fileName), for the scan's report-file
// sink to write.
void writeHeader();
// The summary line of calc.xmax, calc.ymax and calc.fmax.
void writeSummary(TextFile& f);

} // namespace kvarn
