#include "control/report.h"

#include "control/calc_params.h"
#include "field/antenna.h"

namespace kvarn {

Grid passGrid() {
    return {calc.xanf, calc.xend, calc.yanf, calc.yend, calc.step};
}

ReportHead passHead() {
    return {calc.fieldMode,   calc.fileName, calc.power, calc.freq,
            antennaCorners(), calc.height,   passGrid()};
}

void writeHeader() {
    const ReportHead head = passHead();
    TextFileStream console(output);
    writeConsoleHeader(console, head);
    if (!calc.writeFile) return;
    createTextFile(calc.outfile, calc.fileName);
}

void writeSummary(TextFile& f) {
    TextFileStream stream(f);
    writeSummaryLine(stream, calc.xmax, calc.ymax, calc.fmax);
}

} // namespace kvarn
