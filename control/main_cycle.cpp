#include "control/main_cycle.h"

#include "console/line_input.h"
#include "console/text_out.h"
#include "control/calc_params.h"
#include "control/notices.h"
#include "control/report.h"
#include "field/antenna.h"
#include "field/element_field.h"
#include "field/geometry.h"
#include "field/point_value.h"
#include "forms/coordinate_form.h"
#include "forms/parameter_form.h"

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
                  calc.writeFile, calc.fileName, calc.again, totalLength);
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

void progressStep() {
    calc.tnow = readClockTenths();
    std::int32_t elapsed = calc.tnow - calc.tstart;
    // A scan that runs past midnight sees the clock go back: the elapsed time
    // then spans the day boundary, never a negative time.
    if (elapsed < 0) elapsed += kTenthsPerDay;
    calc.rest = static_cast<double>(static_cast<long double>(elapsed) /
                                    (static_cast<long double>(calc.yend) - calc.yp + calc.step) *
                                    (static_cast<long double>(calc.yp) - calc.yanf) / 10.0L);
    long double percent = (static_cast<long double>(calc.yend) + 1 - calc.yp) /
                          (static_cast<long double>(calc.yend) + 1 - calc.yanf) * 100.0L;
    writeText(output, "Berechnet sind ");
    writeReal(output, static_cast<double>(percent), 2, 0);
    writeText(output, " %, verbleibende Zeit: ");
    writeReal(output, calc.rest, 5, 0);
    writeText(output, " Sekunden");
    writeChar(output, '\r');
    endWrite(output);
}

void sumElements() {
    calc.i = 1;
    calc.sums = FieldSums{};
    calc.tooclose = false;
    while (calc.i <= elementCount) {
        elementGeometry();
        elementField();
        accumulateField();
        calc.i = static_cast<std::uint16_t>(calc.i + 1);
    }
}

void scanAndReport() {
    const bool toFile = calc.singleValues && calc.writeFile;
    if (calc.singleValues)
        writeHeader();
    else
        calc.tstart = readClockTenths();

    calc.fmax = 0.0;
    calc.yp = calc.yend;
    while (calc.yp >= calc.yanf) {
        if (calc.singleValues) writeRowLabel();
        calc.xp = calc.xanf;
        while (calc.xp <= calc.xend) {
            sumElements();
            evaluatePoint();
            calc.xp = calc.xp + calc.step;
        }
        if (calc.singleValues)
            writeLineEnd(output);
        else
            progressStep();
        if (toFile) writeLineEnd(calc.outfile);
        calc.yp = calc.yp - calc.step;
    }

    writeLineEnd(output);
    writeSummary(output);
    if (toFile) {
        writeSummary(calc.outfile);
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
