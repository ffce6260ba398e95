#include "report/table_sink.h"

#include <string>

#include <gtest/gtest.h>

namespace kvarn {
namespace {

// A recorded point with this value in mode M.
PointResult pointOf(double x, double value, bool tooclose) {
    PointResult p{x, 0, tooclose, {}};
    p.values[static_cast<std::size_t>(modeIndex('M'))] = value;
    return p;
}

// Two cells of the same point on the console's and the file's table: the
// value rounded to the table's decimals and followed by a blank, or the
// too-close mark of the same width.
TEST(TableSink, CellsOfTheValueTable) {
    struct Case {
        double value;
        bool tooclose;
        const char* consoleCell;
        const char* fileCell;
    };
    const Case cases[] = {
        {0.04, false, "0.0 ", " 0.04 "},     {7.25, false, "7.3 ", " 7.25 "},
        {12.3456, false, "12.3 ", "12.35 "}, {1234.567, false, "1234.6 ", "1234.57 "},
        {0.0, true, " x  ", " xxx  "},
    };
    for (const Case& c : cases) {
        std::string consoleText, fileText;
        StringStream consoleStream(consoleText), fileStream(fileText);
        TableSink consoleTable(consoleStream, kConsoleTable, 'M');
        TableSink fileTable(fileStream, kFileTable, 'M');
        for (double x : {0.0, 1.0}) {
            consoleTable.point(pointOf(x, c.value, c.tooclose));
            fileTable.point(pointOf(x, c.value, c.tooclose));
        }
        EXPECT_EQ(consoleText, std::string(c.consoleCell) + c.consoleCell) << c.value;
        EXPECT_EQ(fileText, std::string(c.fileCell) + c.fileCell) << c.value;
    }
}

// Each row starts with its y right-aligned and two blanks, and ends with the
// line end; the console's labels take three places, the file's four.
TEST(TableSink, RowLabelsAndEnds) {
    struct Case {
        const TableFormat* format;
        double yp;
        const char* row;
    };
    const Case cases[] = {
        {&kConsoleTable, 1.0, "  1  \r\n"},  {&kConsoleTable, -10.0, "-10  \r\n"},
        {&kConsoleTable, 0.4, "  0  \r\n"},  {&kFileTable, -10.0, " -10  \r\n"},
        {&kFileTable, 1234.0, "1234  \r\n"},
    };
    for (const Case& c : cases) {
        std::string text;
        StringStream stream(text);
        TableSink table(stream, *c.format, 'E');
        table.rowBegins(c.yp);
        table.rowEnds(c.yp);
        EXPECT_EQ(text, c.row) << c.yp;
    }
}

} // namespace
} // namespace kvarn
