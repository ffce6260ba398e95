#pragma once
// The report of a pass as both kinds of program write it: header and
// summary line, on the console and in the output file. The table between
// them is written by the table sinks. The formats are written from an
// explicit record, so that the batch program's report files are the
// interactive programs' very files.

#include <string>
#include <vector>

#include "base/text_stream.h"
#include "field/antenna.h"
#include "field/grid.h"

namespace kvarn {

// What a report's header shows.
struct ReportHead {
    char fieldMode = 'E';             // 'R', 'T', 'E', 'M' or 'Z'
    std::string title;                // the antenna's title: the output file name as typed
    double power = 0;                 // W
    double freq = 0;                  // MHz
    std::vector<CornerPoint> corners; // the wire, m (the file header lists them)
    double height = 0;                // m
    Grid grid;                        // the column header's x values
};

// The console header: title and unit line, an empty line, the column header.
void writeConsoleHeader(TextStream& f, const ReportHead& head);
// The file header: an empty line, title and unit line, the corners, the
// height, the column header.
void writeFileHeader(TextStream& f, const ReportHead& head);
// "Maximalwert bei x: ", xmax 5:2, " ; y: ", ymax 5:2, " : ", fmax 5:2, line end.
void writeSummaryLine(TextStream& f, double xmax, double ymax, double fmax);

// The title line and the unit text of a field mode (the file's unit text of
// mode 'Z' starts with a blank).
const char* modeTitle(char mode);
const char* modeUnit(char mode, bool inFile);

} // namespace kvarn
