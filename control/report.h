#pragma once
// The report of a pass: header, row labels and summary line, on the console
// and in the output file.

#include "console/text_out.h"

namespace kvarn {

// Console header of a single-value pass; when calc.writeFile is set it then
// creates calc.outfile (named calc.fileName) and writes the file header. The
// file stays open for the scan.
void writeHeader();

// The label of row calc.yp: console 3:0, file 4:0 when the file is open,
// each followed by two blanks.
void writeRowLabel();

// "Maximalwert bei x: " with calc.xmax, calc.ymax and calc.fmax, line end.
void writeSummary(TextFile& f);

// The title line and the unit text of a field mode (the file's unit text of
// mode 'Z' starts with a blank).
const char* modeTitle(char mode);
const char* modeUnit(char mode, bool inFile);

} // namespace kvarn
