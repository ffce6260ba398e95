#pragma once
// The report of a pass: header and summary line, on the console and in the
// output file. The table between them is written by the table sinks.

#include "console/text_out.h"
#include "field/grid.h"

namespace kvarn {

// Console header of a single-value pass; when calc.writeFile is set it then
// creates calc.outfile (named calc.fileName) and writes the file header. The
// file stays open for the scan.
void writeHeader();

// The grid of the pass, from calc.
Grid passGrid();

// "Maximalwert bei x: " with calc.xmax, calc.ymax and calc.fmax, line end.
void writeSummary(TextFile& f);

// The title line and the unit text of a field mode (the file's unit text of
// mode 'Z' starts with a blank).
const char* modeTitle(char mode);
const char* modeUnit(char mode, bool inFile);

} // namespace kvarn
