#include "control/report.h"

#include "control/calc_params.h"
#include "field/antenna.h"
#include "field/grid.h"

namespace kvarn {

const char* modeTitle(char mode) {
    switch (mode) {
    case 'R':
        return "Berechnet wird elektrische Feldstaerke, radiale Komponente";
    case 'T':
        return "Berechnet wird elektrische Feldstaerke, tangentiale Komponente";
    case 'M':
        return "Berechnet wird magnetische Feldstaerke";
    case 'Z':
        return "Berechnet wird elektrische Feldstaerke aus der magnetischen";
    default:
        return "Berechnet wird elektrische Feldstaerke, gesamt";
    }
}

const char* modeUnit(char mode, bool inFile) {
    if (mode == 'M') return "in 10mA/m fuer ";
    if (mode == 'Z' && inFile) return " in V/m fuer ";
    return "in V/m fuer ";
}

namespace {

void writeTitleAndUnit(TextFile& f, bool inFile) {
    writeText(f, modeTitle(calc.fieldMode));
    writeLineEnd(f);
    writeText(f, modeUnit(calc.fieldMode, inFile));
    writeText(f, calc.fileName);
    writeText(f, " bei ");
    writeReal(f, calc.power, 4, 0);
    writeText(f, " W und ");
    writeReal(f, calc.freq, 7, 3);
    writeText(f, " MHz");
    writeLineEnd(f);
}

// The column values by the scan's own rule, so every row has as many cells
// as the header has columns.
void writeColumns(TextFile& f, int width) {
    const Grid grid = passGrid();
    for (double x = grid.xanf; columnLaid(grid, x); x = x + grid.step) {
        writeReal(f, x, width, 0);
        writeChar(f, ' ');
    }
    writeLineEnd(f);
    writeLineEnd(f);
}

void writeCorner(TextFile& f, double x, double y, double z) {
    writeReal(f, x, 7, 1);
    writeReal(f, y, 7, 1);
    writeReal(f, z, 7, 1);
    writeLineEnd(f);
}

} // namespace

Grid passGrid() {
    return {calc.xanf, calc.xend, calc.yanf, calc.yend, calc.step};
}

void writeHeader() {
    writeTitleAndUnit(output, false);
    writeLineEnd(output);
    writeText(output, "y\\x  ");
    writeColumns(output, 3);
    if (!calc.writeFile) return;

    TextFile& f = calc.outfile;
    createTextFile(f, calc.fileName);
    writeLineEnd(f);
    writeTitleAndUnit(f, true);
    writeLineEnd(f);
    writeText(f, "Antennen-Eckpunkt-Koordinaten [m]:");
    writeLineEnd(f);
    writeCorner(f, xa[1], ya[1], za[1]);
    for (int j = 1; j <= segCount; ++j)
        writeCorner(f, xe[j], ye[j], ze[j]);
    writeLineEnd(f);
    writeText(f, "Berechnungshoehe:");
    writeReal(f, calc.height, 5, 1);
    writeChar(f, 'm');
    writeLineEnd(f);
    writeLineEnd(f);
    writeText(f, " y\\x  ");
    writeColumns(f, 5);
}

void writeSummary(TextFile& f) {
    writeText(f, "Maximalwert bei x: ");
    writeReal(f, calc.xmax, 5, 2);
    writeText(f, " ; y: ");
    writeReal(f, calc.ymax, 5, 2);
    writeText(f, " : ");
    writeReal(f, calc.fmax, 5, 2);
    writeLineEnd(f);
}

} // namespace kvarn
