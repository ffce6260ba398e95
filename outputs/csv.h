#pragma once
// The points of an assessment as comma-separated values: one row per band,
// height and point, the band's number in the station file last (two bands
// may share a frequency). The German form separates with ';' and writes
// decimal commas, as spreadsheets set to German read them.

#include <string>
#include <string_view>

#include "assessment/band_result.h"
#include "assessment/field_model.h"
#include "assessment/site_assessment.h"
#include "base/text_stream.h"

namespace kvarn {

struct CsvStyle {
    char separator; // between fields
    char decimal;   // the decimal mark
};
inline constexpr CsvStyle kCsv{',', '.'};
inline constexpr CsvStyle kCsvDe{';', ','};

// The header row, with its line end; with `antenna` a last column names the
// antenna of a station of several.
std::string csvHeader(const CsvStyle& style, bool antenna = false);

// A number in the fewest digits that read back as the same double.
std::string csvNumber(double v, const CsvStyle& style);

// How a point stands: "ok", "over" (a field above its limit) or "too_close"
// (the model gives no value there).
std::string_view csvFlag(bool tooclose, bool over);

// The named places on every band: a header row, then per band and place
// "place,x_m,y_m,z_m,frequency_MHz,band,E_V_per_m,H_A_per_m,E_percent,
// H_percent,flag", the name quoted.
std::string placesCsv(const Assessment& assessment, const CsvStyle& style);
// Of every antenna of a station; with several, the antenna's name last.
std::string placesCsv(const Installation& installation, const SiteAssessment& all,
                      const CsvStyle& style);

// The rows of a band's points, written as the planes are computed.
class CsvRowSink : public PlaneSink {
  public:
    CsvRowSink(TextStream& out, const CsvStyle& style, bool antennaColumn = false)
        : out_(out), style_(style), antennaColumn_(antennaColumn) {}

    // The antenna whose bands follow, and the band whose points follow.
    void antennaBegins(const std::string& name) { antenna_ = name; }
    void bandBegins(const BandResult& band) { band_ = &band; }
    void planeBegins(double height) override { height_ = height; }
    void point(const PlanePoint& p) override;

  private:
    TextStream& out_;
    CsvStyle style_;
    bool antennaColumn_;
    std::string antenna_;
    const BandResult* band_ = nullptr;
    double height_ = 0;
    std::string row_;
};

} // namespace kvarn
