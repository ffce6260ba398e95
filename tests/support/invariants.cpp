#include "support/invariants.h"

#include <algorithm>
#include <cmath>

#include "control/calc_params.h"
#include "field/finite_input.h"
#include "field/frequency.h"
#include "field/grid.h"
#include "field/wire_length.h"

namespace kvarn::testing {

namespace {

std::string text(double v) {
    return std::to_string(v);
}

} // namespace

std::string screenBroken(const Screen& s) {
    if (s.width < 1 || s.height < 1 || s.cells.size() != std::size_t(s.width) * s.height)
        return "screen of " + std::to_string(s.width) + "x" + std::to_string(s.height) + " with " +
               std::to_string(s.cells.size()) + " cells";
    if (s.winLeft < 1 || s.winTop < 1 || s.winLeft > s.winRight || s.winTop > s.winBottom ||
        s.winRight > s.width || s.winBottom > s.height)
        return "window " + std::to_string(s.winLeft) + "," + std::to_string(s.winTop) + "-" +
               std::to_string(s.winRight) + "," + std::to_string(s.winBottom) +
               " outside the screen";
    if (s.curX < s.winLeft || s.curX > s.winRight || s.curY < s.winTop || s.curY > s.winBottom)
        return "cursor " + std::to_string(s.curX) + "," + std::to_string(s.curY) +
               " outside the window";
    return "";
}

std::string coordinateResultBroken(double segments, double length) {
    if (segments < 1 || segments > kMaxCorners - 1 || segments != std::trunc(segments))
        return "segment count " + text(segments);
    if (!wireLengthAccepted(length)) return "total length " + text(length);
    if (wireLength(antennaCorners()) != length)
        return "total length " + text(length) + " for corners of " +
               text(wireLength(antennaCorners()));
    return "";
}

std::string parameterResultBroken(double length, AntennaModel model) {
    for (double v : {calc.freq, calc.power, calc.xanf, calc.xend, calc.yanf, calc.yend, calc.step,
                     calc.height, calc.lambda, calc.omega})
        if (!isFiniteInput(v)) return "a value that is no finite number: " + text(v);
    if (!rangeInOrder(calc.xanf, calc.xend))
        return "xanf " + text(calc.xanf) + " above xend " + text(calc.xend);
    if (!rangeInOrder(calc.yanf, calc.yend))
        return "yanf " + text(calc.yanf) + " above yend " + text(calc.yend);
    if (!stepAccepted(calc.step)) return "step " + text(calc.step);
    if (calc.power < 0) return "power " + text(calc.power);
    if (!frequencyAccepted(calc.freq, length, model))
        return "frequency " + text(calc.freq) + " MHz refused for " + text(length) + " m";
    if (std::string("RTEMZ").find(calc.fieldMode) == std::string::npos || calc.fieldMode == 0)
        return std::string("field mode '") + calc.fieldMode + "'";
    if (calc.fileName.empty() || calc.fileName.size() > 12)
        return "file name \"" + calc.fileName + "\"";
    return "";
}

std::string elementTableBroken(double length, bool built) {
    if (elementCount > kMaxElements) return "element count " + std::to_string(elementCount);
    if (built && elementCount != length)
        return "element count " + std::to_string(elementCount) + " for " + text(length) + " m";
    return "";
}

std::string nonFiniteShown(const Screen& s, int first, int last) {
    auto is = [&](int col, int row, const char* word) {
        for (int k = 0; k < 3; ++k)
            if (s.at(col + k, row).ch != static_cast<std::uint8_t>(word[k])) return false;
        return true;
    };
    for (int row = std::max(first, 1); row <= std::min(last, s.height); ++row)
        for (int col = 1; col + 2 <= s.width; ++col)
            if (is(col, row, "Nan") || is(col, row, "Inf")) {
                std::string line;
                for (int c = 1; c <= s.width; ++c)
                    line += static_cast<char>(s.at(c, row).ch);
                return "row " + std::to_string(row) + " shows \"" + line + "\"";
            }
    return "";
}

void CheckingConsole::check(const Screen& s, int firstRow, int lastRow) {
    if (!broken_.empty()) return;
    broken_ = screenBroken(s);
    if (broken_.empty()) broken_ = nonFiniteShown(s, firstRow, lastRow);
}

void CheckingConsole::show(const Screen& s) {
    MemoryConsole::show(s);
    check(s, s.curY - 1, s.curY);
}

std::uint8_t CheckingConsole::nextKey() {
    if (broken_.empty()) broken_ = screenBroken(screen);
    return MemoryConsole::nextKey();
}

const std::string& CheckingConsole::broken() {
    check(screen, 1, screen.height);
    return broken_;
}

} // namespace kvarn::testing
