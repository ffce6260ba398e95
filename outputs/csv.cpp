#include "outputs/csv.h"

#include "outputs/file_names.h"

namespace kvarn {

std::string csvHeader(const CsvStyle& style) {
    std::string row =
        "frequency_MHz,height_m,x_m,y_m,E_V_per_m,H_A_per_m,E_percent,H_percent,flag,band";
    for (char& c : row)
        if (c == ',') c = style.separator;
    return row + "\n";
}

std::string csvNumber(double v, const CsvStyle& style) {
    std::string text = shortestNumber(v);
    for (char& c : text)
        if (c == '.') c = style.decimal;
    return text;
}

std::string_view csvFlag(bool tooclose, bool over) {
    return tooclose ? "too_close" : over ? "over" : "ok";
}

void appendCsvRow(std::string& out, const CsvStyle& style, double frequency, double height,
                  double x, double y, bool tooclose, double e, double h, double ePercent,
                  double hPercent, std::size_t band) {
    const char sep = style.separator;
    out += csvNumber(frequency, style);
    out += sep;
    out += csvNumber(height, style);
    out += sep;
    out += csvNumber(x, style);
    out += sep;
    out += csvNumber(y, style);
    out += sep;
    for (double v : {e, h, ePercent, hPercent}) {
        if (!tooclose) out += csvNumber(v, style);
        out += sep;
    }
    out += csvFlag(tooclose, ePercent > 100 || hPercent > 100);
    out += sep;
    out += std::to_string(band);
    out += '\n';
}

} // namespace kvarn
