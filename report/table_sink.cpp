#include "report/table_sink.h"

namespace kvarn {

void TableSink::rowBegins(double yp) {
    writeReal(stream_, yp, format_.labelWidth, 0);
    writeText(stream_, "  ");
    endWrite(stream_);
}

void TableSink::point(const PointResult& p) {
    if (p.tooclose) {
        writeText(stream_, format_.tooCloseCell);
    } else {
        writeReal(stream_, p.value(mode_), format_.cellWidth, format_.cellDecimals);
        writeChar(stream_, ' ');
    }
    endWrite(stream_);
}

void TableSink::rowEnds(double) {
    writeLineEnd(stream_);
}

} // namespace kvarn
