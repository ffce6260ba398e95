#pragma once
// The value table of a single-value pass as a point sink: a row label, one
// cell per point (the value of one mode) and a line end per row, on one text
// stream.

#include "base/text_stream.h"
#include "field/point_sink.h"

namespace kvarn {

// The number formats of one stream's table.
struct TableFormat {
    int labelWidth;           // the row label yp, width:0, then two blanks
    int cellWidth;            // each value, width:decimals, then a blank
    int cellDecimals;         //
    const char* tooCloseCell; // in place of a value too close to the wire
};

// Console: labels 3:0, cells 3:1 or " x  ".
inline constexpr TableFormat kConsoleTable{3, 3, 1, " x  "};
// File: labels 4:0, cells 5:2 or " xxx  ".
inline constexpr TableFormat kFileTable{4, 5, 2, " xxx  "};

class TableSink : public PointSink {
  public:
    TableSink(TextStream& stream, const TableFormat& format, char mode)
        : stream_(stream), format_(format), mode_(mode) {}
    void rowBegins(double yp) override;
    void point(const PointResult& p) override;
    void rowEnds(double yp) override;

  private:
    TextStream& stream_;
    TableFormat format_;
    char mode_; // whose values the cells show
};

} // namespace kvarn
