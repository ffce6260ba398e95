#include "report/report_format.h"

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

void writeTitleAndUnit(TextStream& f, const ReportHead& head, bool inFile) {
    writeText(f, modeTitle(head.fieldMode));
    writeLineEnd(f);
    writeText(f, modeUnit(head.fieldMode, inFile));
    writeText(f, head.title);
    writeText(f, " bei ");
    writeReal(f, head.power, 4, 0);
    writeText(f, " W und ");
    writeReal(f, head.freq, 7, 3);
    writeText(f, " MHz");
    writeLineEnd(f);
}

// The column values by the scan's own rule, so every row has as many cells
// as the header has columns.
void writeColumns(TextStream& f, const Grid& grid, int width) {
    for (double x : layGrid(grid).xs) {
        writeReal(f, x, width, 0);
        writeChar(f, ' ');
    }
    writeLineEnd(f);
    writeLineEnd(f);
}

void writeCorner(TextStream& f, const CornerPoint& p) {
    writeReal(f, p.x, 7, 1);
    writeReal(f, p.y, 7, 1);
    writeReal(f, p.z, 7, 1);
    writeLineEnd(f);
}

} // namespace

void writeConsoleHeader(TextStream& f, const ReportHead& head) {
    writeTitleAndUnit(f, head, false);
    writeLineEnd(f);
    writeText(f, "y\\x  ");
    writeColumns(f, head.grid, 3);
}

void writeFileHeader(TextStream& f, const ReportHead& head) {
    writeLineEnd(f);
    writeTitleAndUnit(f, head, true);
    writeLineEnd(f);
    writeText(f, "Antennen-Eckpunkt-Koordinaten [m]:");
    writeLineEnd(f);
    for (const CornerPoint& p : head.corners)
        writeCorner(f, p);
    writeLineEnd(f);
    writeText(f, "Berechnungshoehe:");
    writeReal(f, head.height, 5, 1);
    writeChar(f, 'm');
    writeLineEnd(f);
    writeLineEnd(f);
    writeText(f, " y\\x  ");
    writeColumns(f, head.grid, 5);
}

void writeSummaryLine(TextStream& f, double xmax, double ymax, double fmax) {
    writeText(f, "Maximalwert bei x: ");
    writeReal(f, xmax, 5, 2);
    writeText(f, " ; y: ");
    writeReal(f, ymax, 5, 2);
    writeText(f, " : ");
    writeReal(f, fmax, 5, 2);
    writeLineEnd(f);
}

} // namespace kvarn
