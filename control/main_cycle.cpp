#include "control/main_cycle.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/real_format.h"
#include "console/line_input.h"
#include "console/runtime_error.h"
#include "console/text_out.h"
#include "control/calc_params.h"
#include "control/cth_stop.h"
#include "control/notices.h"
#include "control/report.h"
#include "field/antenna.h"
#include "field/scan.h"
#include "forms/coordinate_form.h"
#include "forms/parameter_form.h"
#include "report/maximum_sink.h"
#include "report/report_file_sink.h"
#include "report/table_sink.h"

namespace kvarn {

void setInitialValues() {
    calc.again = false;
    calc.freq = 3.65;
    calc.power = 100.0;
    calc.xanf = 0.0;
    calc.xend = 0.0;
    calc.yanf = 0.0;
    calc.yend = 0.0;
    calc.step = 1.0;
    calc.height = 2.0;
    calc.fieldMode = 'E';
    calc.singleValues = true;
    calc.writeFile = false;
}

bool enterInput() {
    if (!calc.again) coordinateForm(xa, ya, za, xe, ye, ze, segCount, totalLength);
    parameterForm(calc.freq, calc.lambda, calc.omega, calc.power, calc.xanf, calc.xend, calc.yanf,
                  calc.yend, calc.step, calc.height, calc.fieldMode, calc.singleValues,
                  calc.writeFile, calc.fileName, calc.again, totalLength, variant().model);
    return variant().discretize();
}

std::int32_t tenthsOfDay(const TimeOfDay& t) {
    std::int64_t count = std::int64_t{t.hour} * 36000 + std::int64_t{t.minute} * 600 +
                         std::int64_t{t.second} * 10 + t.hundredth / 10;
    return static_cast<std::int32_t>(count);
}

std::int32_t readClockTenths() {
    TimeOfDay t = timeOfDay();
    calc.hour = t.hour;
    calc.minute = t.minute;
    calc.second = t.second;
    calc.hundredth = t.hundredth;
    return tenthsOfDay(t);
}

void progressStep(double yp) {
    calc.tnow = readClockTenths();
    std::int32_t elapsed = calc.tnow - calc.tstart;
    // A scan that runs past midnight sees the clock go back: the elapsed time
    // then spans the day boundary, never a negative time.
    if (elapsed < 0) elapsed += kTenthsPerDay;
    // The last row's sum may lie a little below yanf (rowLaid lays it all the
    // same); below it no metres of rows are left.
    const long double metresLeft = std::max(static_cast<long double>(yp) - calc.yanf, 0.0L);
    calc.rest = static_cast<double>(static_cast<long double>(elapsed) /
                                    (static_cast<long double>(calc.yend) - yp + calc.step) *
                                    metresLeft / 10.0L);
    long double percent = (static_cast<long double>(calc.yend) + 1 - yp) /
                          (static_cast<long double>(calc.yend) + 1 - calc.yanf) * 100.0L;
    writeText(output, "Berechnet sind ");
    writeReal(output, static_cast<double>(percent), 2, 0);
    writeText(output, " %, verbleibende Zeit: ");
    writeReal(output, calc.rest, 5, 0);
    writeText(output, " Sekunden");
    writeChar(output, '\r');
    endWrite(output);
}

namespace {

// After each row of a maximum-only scan, the progress line.
class ProgressLine : public PointSink {
  public:
    void point(const PointResult&) override {}
    void rowEnds(double yp) override { progressStep(yp); }
};

} // namespace

PointInputs passInputs() {
    return {&elements, elementCount, calc.lambda, calc.omega, calc.height, calc.fieldMode};
}

void scanAndReport() {
    const bool toFile = calc.singleValues && calc.writeFile;
    if (calc.singleValues)
        writeHeader();
    else
        calc.tstart = readClockTenths();

    calc.fmax = 0.0;
    MaximumSink maximum(calc.fieldMode, calc.fmax, calc.xmax, calc.ymax);
    TextFileStream console(output);
    TableSink consoleTable(console, kConsoleTable, calc.fieldMode);
    ProgressLine progress;
    TextFileStream file(calc.outfile);
    std::optional<ReportFileSink> fileReport;
    if (toFile) fileReport.emplace(file, passHead(), calc.xmax, calc.ymax);
    // In this order: the console's row end or progress line comes before
    // the file's row end, as each point's console cell before its file cell.
    std::vector<PointSink*> sinks{&maximum};
    sinks.push_back(calc.singleValues ? static_cast<PointSink*>(&consoleTable) : &progress);
    if (toFile) sinks.push_back(&*fileReport);

    const ScanOutcome outcome =
        scanGrid(passGrid(), passInputs(), {modeBit(calc.fieldMode), Kernel::fast, 0}, sinks);
    if (outcome.cthStop) stopOnCthRange();
    if (outcome.notFinite)
        runtimeError(kInvalidFloatOperation, "invalid floating-point operation: the field at x " +
                                                 formatReal(outcome.xp, 0, 2) + ", y " +
                                                 formatReal(outcome.yp, 0, 2) +
                                                 " is no finite number");

    writeLineEnd(output);
    writeSummary(output);
    if (toFile) {
        fileReport->finish();
        closeFile(calc.outfile);
    }
}

void askAgain() {
    writeText(output, "weitere Berechnung (j/n)? ");
    endWrite(output);
    calc.answer = readFirstChar();
    calc.again = toUpper(calc.answer) == 'J';
}

int runProgram(const ProgramVariant& v) {
    selectVariant(v);
    showNotice();
    setInitialValues();
    do {
        if (enterInput()) scanAndReport();
        askAgain();
    } while (calc.again);
    return 0;
}

} // namespace kvarn
