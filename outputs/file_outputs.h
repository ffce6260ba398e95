#pragma once
// The files an assessment writes while it runs, into its output directory:
// the points files, row by row, and the exact models' report files, each
// committed when its band is complete. A band that stops leaves nothing:
// its report files are removed and its rows cut from the points files.

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "assessment/assess.h"
#include "outputs/csv.h"
#include "outputs/output_directory.h"

namespace kvarn {

class FileOutputs : public AssessmentOutputs, private ReportStreams, private PlaneSink {
  public:
    // Opens points.csv and points_de.csv as asked; with several antennas
    // their rows name the antenna in a last column.
    FileOutputs(OutputDirectory& dir, bool csv, bool csvDe, bool severalAntennas);

    // The antenna whose bands follow.
    void antennaBegins(const Station& antenna);

    void bandBegins(const BandResult& band) override;
    PlaneSink* points() override { return csv_.empty() ? nullptr : this; }
    ReportStreams* reports() override { return this; }
    void bandStopped(const BandResult& band) override;
    void bandEnds(const BandResult& band) override;

    // Every band is done: commits the points files.
    void finish();

  private:
    // The report files.
    TextStream& open(double height, char mode) override;
    void close(double height, char mode) override;
    // The points, to every points file.
    void planeBegins(double height) override;
    void point(const PlanePoint& p) override;

    // A points file being written, and where the band under way began in it.
    struct PointsFile {
        std::string name;
        std::unique_ptr<AtomicFile> file;
        std::unique_ptr<AtomicFileStream> stream;
        std::unique_ptr<CsvRowSink> rows;
        std::uintmax_t bandStart = 0;
    };
    // A report file of the band under way.
    struct Report {
        std::unique_ptr<AtomicFile> file;
        std::unique_ptr<AtomicFileStream> stream;
        std::string name;
    };
    // Stands in for a report file that could not be created.
    class Discard : public TextStream {
        void put(std::string_view) override {}
    };

    const Station* station_ = nullptr;
    OutputDirectory& dir_;
    std::vector<PointsFile> csv_;
    const BandResult* band_ = nullptr;
    std::map<std::pair<double, char>, Report> reports_;
    Discard discard_;
};

} // namespace kvarn
