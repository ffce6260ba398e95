#pragma once
// The points of an assessment as comma-separated values: one row per band,
// height and point, the band's number in the station file last (two bands
// may share a frequency). The German form separates with ';' and writes decimal
// commas, as spreadsheets set to German read them.

#include <string>
#include <string_view>

namespace kvarn {

struct CsvStyle {
    char separator; // between fields
    char decimal;   // the decimal mark
};
inline constexpr CsvStyle kCsv{',', '.'};
inline constexpr CsvStyle kCsvDe{';', ','};

// The header row, with its line end.
std::string csvHeader(const CsvStyle& style);

// A number in the fewest digits that read back as the same double.
std::string csvNumber(double v, const CsvStyle& style);

// How a point stands: "ok", "over" (a field above its limit) or "too_close"
// (the model gives no value there).
std::string_view csvFlag(bool tooclose, bool over);

// One row; a point too close has empty field values. band counts from 1.
void appendCsvRow(std::string& out, const CsvStyle& style, double frequency, double height,
                  double x, double y, bool tooclose, double e, double h, double ePercent,
                  double hPercent, std::size_t band);

} // namespace kvarn
