#include "outputs/csv.h"

#include "assessment/shares.h"
#include "base/number_text.h"

namespace kvarn {

std::string csvHeader(const CsvStyle& style, bool antenna) {
    std::string row =
        "frequency_MHz,height_m,x_m,y_m,E_V_per_m,H_A_per_m,E_percent,H_percent,flag,band";
    if (antenna) row += ",antenna";
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

namespace {

// A text field in double quotes, its own quotes doubled.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

namespace {

void appendPlaceRows(std::string& out, const Assessment& assessment, const CsvStyle& style,
                     const std::string* antenna) {
    const char sep = style.separator;
    for (const BandResult& b : assessment.bands) {
        if (!b.stop.empty()) continue;
        for (const PlaceResult& p : b.places) {
            out += quoted(p.name);
            for (double v : {p.at.x, p.at.y, p.at.z, b.band.frequency})
                out += sep + csvNumber(v, style);
            out += sep + std::to_string(b.index + 1);
            for (double v : {p.field.e, p.field.h, p.ePercent, p.hPercent}) {
                out += sep;
                if (p.field.holds) out += csvNumber(v, style);
            }
            out += sep;
            out += csvFlag(!p.field.holds, p.over);
            if (antenna) out += sep + quoted(*antenna);
            out += '\n';
        }
    }
}

std::string placesHeader(const CsvStyle& style, bool antenna) {
    std::string out = "place,x_m,y_m,z_m,frequency_MHz,band,E_V_per_m,H_A_per_m,E_percent,"
                      "H_percent,flag";
    if (antenna) out += ",antenna";
    for (char& c : out)
        if (c == ',') c = style.separator;
    return out + '\n';
}

} // namespace

std::string placesCsv(const Assessment& assessment, const CsvStyle& style) {
    std::string out = placesHeader(style, false);
    appendPlaceRows(out, assessment, style, nullptr);
    return out;
}

std::string placesCsv(const Installation& installation, const SiteAssessment& all,
                      const CsvStyle& style) {
    const bool several = installation.antennas.size() > 1;
    std::string out = placesHeader(style, several);
    for (std::size_t k = 0; k < all.antennas.size(); ++k)
        appendPlaceRows(out, all.antennas[k], style,
                        several ? &installation.antennas[k].antennaName : nullptr);
    return out;
}

void CsvRowSink::point(const PlanePoint& p) {
    const char sep = style_.separator;
    const Shares shares = sharesOf(p.field, band_->limits);
    const bool tooClose = !p.field.holds;
    row_.clear();
    row_ += csvNumber(band_->band.frequency, style_);
    row_ += sep;
    row_ += csvNumber(height_, style_);
    row_ += sep;
    row_ += csvNumber(p.x, style_);
    row_ += sep;
    row_ += csvNumber(p.y, style_);
    row_ += sep;
    for (double v : {p.field.e, p.field.h, shares.e, shares.h}) {
        if (!tooClose) row_ += csvNumber(v, style_);
        row_ += sep;
    }
    row_ += csvFlag(tooClose, shares.over());
    row_ += sep;
    row_ += std::to_string(band_->index + 1);
    if (antennaColumn_) {
        row_ += sep;
        row_ += quoted(antenna_);
    }
    row_ += '\n';
    out_.put(row_);
}

} // namespace kvarn
