#pragma once
// The report file of one pass as a sink: the file header as soon as it is
// made, a table row for every row of the scan, and at the end the summary
// line of its own maximum. The interactive programs' output file and the
// batch program's report files are both written by it.

#include "base/text_stream.h"
#include "report/maximum_sink.h"
#include "report/report_format.h"
#include "report/table_sink.h"

namespace kvarn {

class ReportFileSink : public PointSink {
  public:
    // Writes the file header. The maximum starts at 0, at (startX, startY):
    // where a pass with no point above 0 reports it.
    ReportFileSink(TextStream& stream, const ReportHead& head, double startX = 0,
                   double startY = 0);

    void rowBegins(double yp) override { table_.rowBegins(yp); }
    void point(const PointResult& p) override {
        maximum_.point(p);
        table_.point(p);
    }
    void rowEnds(double yp) override { table_.rowEnds(yp); }

    // The summary line: where the largest value lies, and the value.
    void finish();

  private:
    TextStream& stream_;
    double fmax_ = 0, xmax_ = 0, ymax_ = 0;
    TableSink table_;
    MaximumSink maximum_;
};

} // namespace kvarn
