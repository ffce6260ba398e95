// The station-file reader: any text is either refused with faults that each
// name a place, or gives a station (of one antenna or several) that passes
// every check the forms make.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>

#include "field/finite_input.h"
#include "field/frequency.h"
#include "field/grid.h"
#include "field/short_antenna.h"
#include "field/wire_length.h"
#include "fuzz_support.h"
#include "station/moment_spec.h"
#include "station/station_reader.h"

using namespace kvarn;

namespace {

std::string stationBroken(const Station& s) {
    if (s.corners.size() < 2 || s.corners.size() > 10) return "corners";
    for (const CornerPoint& c : s.corners)
        if (!isFiniteInput(c.x) || !isFiniteInput(c.y) || !isFiniteInput(c.z))
            return "a corner that is no finite number";
    if (isExact(s.model)) {
        // The exact models count each piece in whole metres, as the forms do.
        if (!wireLengthAccepted(s.wireLength) || s.wireLength != wireLength(s.corners))
            return "wire length";
    } else {
        // The method of moments takes the wire as it is.
        double length = 0;
        for (std::size_t j = 1; j < s.corners.size(); ++j)
            length +=
                std::hypot(s.corners[j].x - s.corners[j - 1].x, s.corners[j].y - s.corners[j - 1].y,
                           s.corners[j].z - s.corners[j - 1].z);
        if (!(length >= 1 && length <= 800) || s.wireLength != length) return "wire length";
    }
    if (!rangeInOrder(s.grid.xanf, s.grid.xend) || !rangeInOrder(s.grid.yanf, s.grid.yend))
        return "grid ranges";
    if (!s.hasGrid && !s.plot()) return "neither a grid nor a site";
    if (s.hasGrid && (!stepAccepted(s.grid.step) || !gridAdvances(s.grid))) return "grid step";
    if (s.hasGrid && s.heights.empty()) return "no height";
    for (double h : s.heights)
        if (!isFiniteInput(h)) return "a height that is no finite number";
    if (static_cast<double>(layGrid(s.grid).points()) > kMaxGridPoints) return "grid too large";
    for (double h : s.heights)
        if (!(h >= 0 && h <= kMaxHeight)) return "a height below the ground or too high";
    for (const CornerPoint& c : s.corners)
        for (double v : {c.x, c.y, c.z})
            if (!(std::fabs(v) <= kMaxCoordinate)) return "a corner beyond the bounds";
    if (s.bands.empty()) return "no band";
    for (const Band& b : s.bands) {
        if (isExact(s.model) && !frequencyAccepted(b.frequency, s.wireLength, exactModel(s.model)))
            return "frequency";
        if (!isExact(s.model) && !mom::segmentWire(momSpec(s, b.frequency)).ok())
            return "a wire the method of moments cannot cut";
        if (s.model == ModelKind::shortWire &&
            !shortModelSuits(s.wireLength, wavelength(b.frequency)))
            return "short model ratio";
        if (!referenceLevels(s.limits, b.frequency)) return "no reference levels";
        if (!(b.power > 0) || !isFiniteInput(b.power)) return "power";
        if (!(b.modeFactor > 0 && b.modeFactor <= 1)) return "mode factor";
        if (!(b.transmitShare > 0 && b.transmitShare <= 1)) return "transmit share";
        if (!(b.lossDb >= 0) || !isFiniteInput(b.lossDb)) return "loss";
    }
    if (s.title.empty() || s.title.size() > 12 || s.title == "." || s.title == "..") return "title";
    for (char c : s.title)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_'))
            return "title character";
    return "";
}

bool hasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// Every antenna as above; names given to each of several, once each and
// printable, like the names for the record.
std::string installationBroken(const Installation& site) {
    if (site.antennas.empty()) return "no antenna";
    std::set<std::string> names;
    for (const Station& antenna : site.antennas) {
        if (const std::string broken = stationBroken(antenna); !broken.empty()) return broken;
        if (site.antennas.size() > 1 && antenna.antennaName.empty()) return "an unnamed antenna";
        if (hasControl(antenna.antennaName)) return "a control character in a name";
        if (!antenna.antennaName.empty() && !names.insert(antenna.antennaName).second)
            return "a name twice";
    }
    if (const auto& record = site.first().site)
        for (const std::string* text : {&record->operatorName, &record->callsign, &record->address})
            if (hasControl(*text)) return "a control character in the record's names";
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::freshProgram();
    try {
        fuzzing::require(
            installationBroken(parseInstallation(fuzzing::asText(data, size), "f.toml")));
    } catch (const StationError& e) {
        if (e.faults().empty()) fuzzing::finding("refused without a fault");
        for (const std::string& fault : e.faults())
            if (fault.rfind("f.toml:", 0) != 0)
                fuzzing::finding("a fault without its place: " + fault);
    }
    return 0;
}
