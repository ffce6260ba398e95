#include "outputs/file_outputs.h"

#include "outputs/file_names.h"

namespace kvarn {

FileOutputs::FileOutputs(OutputDirectory& dir, bool csv, bool csvDe, bool severalAntennas)
    : dir_(dir) {
    const std::pair<bool, std::pair<const char*, CsvStyle>> asked[] = {
        {csv, {"points.csv", kCsv}}, {csvDe, {"points_de.csv", kCsvDe}}};
    for (const auto& [wanted, form] : asked) {
        if (!wanted) continue;
        PointsFile f;
        f.name = form.first;
        f.file = dir_.begin(f.name);
        if (!f.file) continue;
        f.stream = std::make_unique<AtomicFileStream>(*f.file);
        f.rows = std::make_unique<CsvRowSink>(*f.stream, form.second, severalAntennas);
        f.stream->put(csvHeader(form.second, severalAntennas));
        csv_.push_back(std::move(f));
    }
}

void FileOutputs::antennaBegins(const Station& antenna) {
    station_ = &antenna;
    for (PointsFile& f : csv_)
        f.rows->antennaBegins(antenna.antennaName);
}

void FileOutputs::bandBegins(const BandResult& band) {
    band_ = &band;
    reports_.clear();
    for (PointsFile& f : csv_) {
        f.bandStart = f.file->size();
        f.rows->bandBegins(band);
    }
}

TextStream& FileOutputs::open(double height, char mode) {
    Report& r = reports_[{height, mode}];
    r.name = reportFileName(fileStem(*station_), bandTag(*station_, band_->index), height, mode);
    r.file = dir_.begin(r.name);
    if (!r.file) return discard_;
    r.stream = std::make_unique<AtomicFileStream>(*r.file);
    return *r.stream;
}

void FileOutputs::close(double height, char mode) {
    const auto r = reports_.find({height, mode});
    if (r != reports_.end() && r->second.file) r->second.file->seal();
}

void FileOutputs::planeBegins(double height) {
    for (PointsFile& f : csv_)
        f.rows->planeBegins(height);
}

void FileOutputs::point(const PlanePoint& p) {
    for (PointsFile& f : csv_)
        f.rows->point(p);
}

void FileOutputs::bandStopped(const BandResult&) {
    reports_.clear(); // removes their temporary files
    for (PointsFile& f : csv_)
        f.file->truncate(f.bandStart);
}

void FileOutputs::bandEnds(const BandResult& band) {
    // In the order of heights, then modes: the order they are listed in.
    for (double height : station_->heights)
        for (char mode : std::string_view(kModeLetters)) {
            const auto r = reports_.find({height, mode});
            if (r == reports_.end() || !r->second.file) continue;
            dir_.commit(*r->second.file, {r->second.name, "report", band.band.frequency, height,
                                          mode, band.index + 1});
        }
    reports_.clear();
}

void FileOutputs::finish() {
    for (PointsFile& f : csv_)
        dir_.commit(*f.file, {f.name, "points", {}, {}, {}, {}});
    csv_.clear();
}

} // namespace kvarn
