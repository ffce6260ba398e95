#include "report/report_file_sink.h"

namespace kvarn {

ReportFileSink::ReportFileSink(TextStream& stream, const ReportHead& head, double startX,
                               double startY)
    : stream_(stream), xmax_(startX), ymax_(startY), table_(stream, kFileTable, head.fieldMode),
      maximum_(head.fieldMode, fmax_, xmax_, ymax_) {
    writeFileHeader(stream_, head);
}

void ReportFileSink::finish() {
    writeSummaryLine(stream_, xmax_, ymax_, fmax_);
}

} // namespace kvarn
