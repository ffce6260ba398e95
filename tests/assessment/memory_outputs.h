#pragma once
// The outputs of an assessment kept in memory: the exact models' report
// files by band, height and mode, and what happened to each band.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "assessment/assess.h"

namespace kvarn::testing {

class MemoryOutputs : public AssessmentOutputs, private ReportStreams {
  public:
    struct Report {
        std::string text;
        StringStream stream{text};
        bool closed = false;
    };
    // By band number (from 0), height and mode.
    std::map<std::tuple<std::size_t, double, char>, Report> files;
    std::vector<std::size_t> stopped, ended; // band numbers

    void bandBegins(const BandResult& band) override { band_ = band.index; }
    ReportStreams* reports() override { return this; }
    void bandStopped(const BandResult& band) override { stopped.push_back(band.index); }
    void bandEnds(const BandResult& band) override { ended.push_back(band.index); }

  private:
    TextStream& open(double height, char mode) override {
        return files[{band_, height, mode}].stream;
    }
    void close(double height, char mode) override { files[{band_, height, mode}].closed = true; }

    std::size_t band_ = 0;
};

} // namespace kvarn::testing
