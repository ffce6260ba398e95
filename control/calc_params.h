#pragma once
// The calculation state of the interactive programs: one record with static
// lifetime that the forms, the main cycle and the report read and write
// directly. The antenna data live beside it (field/antenna.h); the work of a
// single point lives in a record of its own (field/point_work.h).

#include <cstdint>
#include <string>

#include "console/text_out.h"

namespace kvarn {

struct CalcParams {
    // Input parameters, written by the parameter form unless noted.
    double freq = 0;           // MHz, transmitter frequency
    double lambda = 0;         // m, 300000000.0 / freq / 1000000.0
    double omega = 0;          // rad/s, freq * 6.28318 * 1000000.0
    double power = 0;          // W, never negative
    double xanf = 0;           // m, x of the first (left) column
    double xend = 0;           // m, x limit of the last column, >= xanf
    double yanf = 0;           // m, y limit of the lowest row, <= yend
    double yend = 0;           // m, y of the first (top) row
    double step = 0;           // m, grid spacing in x and y
    double height = 0;         // m, z of every grid point
    char fieldMode = 0;        // 'R', 'T', 'E', 'M' or 'Z'
    bool singleValues = false; // true: value table; false: maximum only
    bool writeFile = false;    // copy the report into the output file (single values only)
    std::string fileName;      // output file name and antenna title, at most 255 characters
    bool again = false;        // true from the second pass on (set by the main cycle)

    // The maximum of the scan.
    double fmax = 0;           // largest value of the pass, V/m or 10 mA/m
    double xmax = 0, ymax = 0; // m, position of fmax (never reset)

    // Clock and dialogue state.
    std::uint16_t hour = 0, minute = 0, second = 0, hundredth = 0; // time of day as last read
    std::int32_t tstart = 0; // tenths of a second since midnight, before the scan
    std::int32_t tnow = 0;   // tenths of a second since midnight, after each row
    double rest = 0;         // s, estimated remaining time of the scan
    char answer = 0;         // first character of the last yes/no reply
    TextFile outfile;        // the output file
};

extern CalcParams calc;

// The zero-filled state of program start.
void resetCalcParams();

} // namespace kvarn
