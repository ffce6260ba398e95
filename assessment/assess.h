#pragma once
// The assessment of a station: every band at every height, with the peaks,
// the safety distance, the map and the highest compliant power; the points
// and the exact models' report files go to the outputs as they are
// computed, so that nothing that grows with the grid is kept but the map.

#include <functional>

#include "assessment/band_result.h"
#include "assessment/field_model.h"
#include "station/station.h"

namespace kvarn {

// What the outputs take from the assessment while it runs.
class AssessmentOutputs {
  public:
    virtual ~AssessmentOutputs() = default;
    // A band begins: its number and frequency are set in `band`.
    virtual void bandBegins(const BandResult& band) { (void)band; }
    // Where every point of the band's planes goes as well; nullptr: nowhere.
    virtual PlaneSink* points() { return nullptr; }
    // Where the band's report files go, for the exact models; nullptr: none.
    virtual ReportStreams* reports() { return nullptr; }
    // The band stopped: what it wrote must go.
    virtual void bandStopped(const BandResult& band) { (void)band; }
    // The band is complete.
    virtual void bandEnds(const BandResult& band) { (void)band; }
};

// The field model of a band, at the band's own power, with its report
// files going to `reports` (may be nullptr) where the model has them.
using ModelMaker = std::function<std::unique_ptr<BandFieldModel>(
    const Station& station, const Band& band, ReportStreams* reports)>;
std::unique_ptr<BandFieldModel> bandModel(const Station& station, const Band& band,
                                          ReportStreams* reports);

struct AssessOptions {
    // Called after every row of every plane with the rows done and the rows
    // in all; may be empty.
    std::function<void(long done, long total)> progress;
    // Makes each band's field model; empty: bandModel, the station's own.
    ModelMaker model;
    // Projects each band's zone for the drawings.
    bool zoneOutlines = false;
    // Takes each completed band's model (by the band's index) once the band
    // is done, for what is computed over several bands later; may be empty.
    std::function<void(std::size_t band, std::unique_ptr<BandFieldModel> model)> keepModel;
};

Assessment assessStation(const Station& station, const AssessOptions& options,
                         AssessmentOutputs* outputs = nullptr);

} // namespace kvarn
