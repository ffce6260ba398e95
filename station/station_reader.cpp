#include "station/station_reader.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <sys/stat.h>

#include <toml++/toml.h>

#include "field/frequency.h"
#include "field/short_antenna.h"
#include "field/wire_length.h"

namespace kvarn {

StationError::StationError(std::vector<std::string> faults)
    : std::runtime_error(faults.empty() ? "station file refused" : faults.front()),
      faults_(std::move(faults)) {}

namespace {

constexpr std::string_view kTopKeys = "title, model, corners, modes, grid, band, limits";
constexpr std::string_view kGridKeys = "x, y, step, heights";
constexpr std::string_view kBandKeys = "frequency, power, mode_factor, loss_db";
constexpr std::string_view kLimitsKeys = "set";

// The checks of one file, collecting every fault with its place.
class Reader {
  public:
    explicit Reader(std::string source) : source_(std::move(source)) {}

    Station read(const toml::table& root);
    void fault(const toml::source_region& where, std::string_view key, const std::string& what) {
        std::ostringstream line;
        line << source_ << ':' << where.begin.line << ':' << where.begin.column << ": " << key
             << ": " << what;
        faults_.push_back(line.str());
    }
    std::vector<std::string>& faults() { return faults_; }

  private:
    void allowOnly(const toml::table& table, std::string_view accepted, const std::string& path);
    const toml::node* required(const toml::table& table, std::string_view key,
                               const std::string& path, std::string_view accepted);
    std::optional<double> number(const toml::node& node, const std::string& key);
    std::optional<std::vector<double>> numbers(const toml::node& node, const std::string& key,
                                               std::size_t least, std::size_t most);
    std::optional<std::string> text(const toml::node& node, const std::string& key);

    void readTitle(const toml::table& root, Station& s);
    void readModel(const toml::table& root, Station& s);
    void readCorners(const toml::table& root, Station& s);
    void readModes(const toml::table& root, Station& s);
    void readGrid(const toml::table& root, Station& s);
    // A grid range [low, high] of two numbers in order.
    bool readRange(const toml::table& grid, std::string_view key, std::string_view accepted,
                   const std::string& outOfOrder, double& low, double& high);
    void readLimits(const toml::table& root, Station& s);
    void readBands(const toml::table& root, Station& s);
    std::optional<Band> readBand(const toml::table& table, const std::string& path,
                                 const Station& s);

    std::string source_;
    std::vector<std::string> faults_;
};

std::string joined(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

const char* typeName(const toml::node& node) {
    switch (node.type()) {
    case toml::node_type::table:
        return "a table";
    case toml::node_type::array:
        return "an array";
    case toml::node_type::string:
        return "a string";
    case toml::node_type::integer:
    case toml::node_type::floating_point:
        return "a number";
    case toml::node_type::boolean:
        return "true or false";
    default:
        return "a date or time";
    }
}

void Reader::allowOnly(const toml::table& table, std::string_view accepted,
                       const std::string& path) {
    for (const auto& [key, node] : table) {
        bool known = false;
        std::string_view rest = accepted;
        while (!rest.empty() && !known) {
            const std::size_t comma = rest.find(", ");
            known = rest.substr(0, comma) == key.str();
            rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 2);
        }
        if (!known)
            fault(key.source(), joined(path, key.str()),
                  "unknown key; accepted here: " + std::string(accepted));
    }
}

const toml::node* Reader::required(const toml::table& table, std::string_view key,
                                   const std::string& path, std::string_view accepted) {
    const toml::node* node = table.get(key);
    if (node == nullptr)
        fault(table.source(), joined(path, key), "missing; expected " + std::string(accepted));
    return node;
}

std::optional<double> Reader::number(const toml::node& node, const std::string& key) {
    if (!node.is_number()) {
        fault(node.source(), key, std::string("expected a number, found ") + typeName(node));
        return std::nullopt;
    }
    // An integer is taken to the nearest double, as the same digits typed
    // into a form are; toml++ itself gives no double for one it cannot hold
    // exactly.
    const double v = node.is_integer() ? static_cast<double>(*node.value<std::int64_t>())
                                       : *node.value<double>();
    if (!std::isfinite(v)) {
        fault(node.source(), key, "expected a finite number (inf and nan are not accepted)");
        return std::nullopt;
    }
    return v;
}

std::optional<std::vector<double>> Reader::numbers(const toml::node& node, const std::string& key,
                                                   std::size_t least, std::size_t most) {
    const toml::array* array = node.as_array();
    const std::string count = least == most ? std::to_string(least)
                                            : std::to_string(least) + " to " + std::to_string(most);
    if (array == nullptr || array->size() < least || array->size() > most) {
        fault(node.source(), key,
              "expected an array of " + count + " numbers" +
                  (array ? ", found " + std::to_string(array->size()) : std::string()));
        return std::nullopt;
    }
    std::vector<double> values;
    bool ok = true;
    for (std::size_t k = 0; k < array->size(); ++k) {
        const std::optional<double> v =
            number(*array->get(k), key + "[" + std::to_string(k + 1) + "]");
        ok = ok && v.has_value();
        if (v) values.push_back(*v);
    }
    if (!ok) return std::nullopt;
    return values;
}

std::optional<std::string> Reader::text(const toml::node& node, const std::string& key) {
    if (!node.is_string()) {
        fault(node.source(), key, std::string("expected a string, found ") + typeName(node));
        return std::nullopt;
    }
    return *node.value<std::string>();
}

// The characters the form's file-name field takes.
bool titleCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_';
}

void Reader::readTitle(const toml::table& root, Station& s) {
    const toml::node* node = root.get("title");
    if (node == nullptr) return;
    const std::optional<std::string> title = text(*node, "title");
    if (!title) return;
    bool ok = !title->empty() && title->size() <= 12 && *title != "." && *title != "..";
    for (char c : *title)
        ok = ok && titleCharacter(c);
    if (!ok) {
        fault(node->source(), "title",
              "\"" + *title +
                  "\" is refused; accepted: 1 to 12 letters, digits, '-', '.' and '_', "
                  "not \".\" or \"..\"");
        return;
    }
    s.title = *title;
}

void Reader::readModel(const toml::table& root, Station& s) {
    const toml::node* node = root.get("model");
    if (node == nullptr) return;
    const std::optional<std::string> model = text(*node, "model");
    if (!model) return;
    if (*model == "standing-wave")
        s.model = AntennaModel::standingWave;
    else if (*model == "short")
        s.model = AntennaModel::shortWire;
    else
        fault(node->source(), "model",
              "\"" + *model + "\" is refused; accepted: \"standing-wave\" or \"short\"");
}

void Reader::readCorners(const toml::table& root, Station& s) {
    const toml::node* node = required(root, "corners", "", "2 to 10 corners [x, y, z] in m");
    if (node == nullptr) return;
    const toml::array* array = node->as_array();
    if (array == nullptr || array->size() < 2 || array->size() > kMaxCorners) {
        fault(node->source(), "corners",
              "expected 2 to 10 corners [x, y, z] in m" +
                  (array ? ", found " + std::to_string(array->size()) : std::string()));
        return;
    }
    bool ok = true;
    for (std::size_t k = 0; k < array->size(); ++k) {
        const auto xyz = numbers(*array->get(k), "corners[" + std::to_string(k + 1) + "]", 3, 3);
        ok = ok && xyz.has_value();
        if (xyz) s.corners.push_back({(*xyz)[0], (*xyz)[1], (*xyz)[2]});
    }
    if (!ok) return;
    s.wireLength = wireLength(s.corners);
    if (!wireLengthAccepted(s.wireLength)) {
        std::ostringstream what;
        what << "the wire counts " << s.wireLength
             << " m (each segment rounded to whole metres); accepted: 1 to 800 m";
        fault(node->source(), "corners", what.str());
    }
}

void Reader::readModes(const toml::table& root, Station& s) {
    const toml::node* node = root.get("modes");
    if (node == nullptr) return;
    const toml::array* array = node->as_array();
    if (array == nullptr) {
        fault(node->source(), "modes", "expected an array of mode letters, any of R T E M Z");
        return;
    }
    s.reportModes = 0;
    for (std::size_t k = 0; k < array->size(); ++k) {
        const std::string key = "modes[" + std::to_string(k + 1) + "]";
        const std::optional<std::string> mode = text(*array->get(k), key);
        if (!mode) continue;
        const char letter =
            mode->size() == 1
                ? static_cast<char>(std::toupper(static_cast<unsigned char>(mode->front())))
                : '\0';
        if (modeIndex(letter) < 0 || letter == '\0') {
            fault(array->get(k)->source(), key,
                  "\"" + *mode + "\" is refused; accepted: one of R, T, E, M, Z");
        } else if (hasMode(s.reportModes, letter)) {
            fault(array->get(k)->source(), key,
                  "mode " + std::string(1, letter) + " is listed twice");
        } else {
            s.reportModes |= modeBit(letter);
        }
    }
}

bool Reader::readRange(const toml::table& grid, std::string_view key, std::string_view accepted,
                       const std::string& outOfOrder, double& low, double& high) {
    const std::string path = joined("grid", key);
    const toml::node* node = required(grid, key, "grid", accepted);
    if (node == nullptr) return false;
    const auto range = numbers(*node, path, 2, 2);
    if (!range) return false;
    if (!rangeInOrder((*range)[0], (*range)[1])) {
        fault(node->source(), path, outOfOrder);
        return false;
    }
    low = (*range)[0];
    high = (*range)[1];
    return true;
}

void Reader::readGrid(const toml::table& root, Station& s) {
    const toml::node* node =
        required(root, "grid", "", "a table [grid] with " + std::string(kGridKeys));
    if (node == nullptr) return;
    const toml::table* grid = node->as_table();
    if (grid == nullptr) {
        fault(node->source(), "grid", "expected a table [grid] with " + std::string(kGridKeys));
        return;
    }
    allowOnly(*grid, kGridKeys, "grid");
    bool ok = readRange(*grid, "x", "[first, last] column in m",
                        "the first column lies beyond the last; accepted: [first, last] with "
                        "first <= last",
                        s.grid.xanf, s.grid.xend);
    ok = readRange(*grid, "y", "[lowest, highest] row in m",
                   "the lowest row lies above the highest; accepted: [lowest, highest] with "
                   "lowest <= highest",
                   s.grid.yanf, s.grid.yend) &&
         ok;
    if (const toml::node* step = required(*grid, "step", "grid", "the grid step in m, above 0")) {
        const std::optional<double> v = number(*step, "grid.step");
        if (v && !stepAccepted(*v))
            fault(step->source(), "grid.step", "the step must be above 0 m");
        ok = ok && v && stepAccepted(*v);
        if (v) s.grid.step = *v;
    } else {
        ok = false;
    }
    if (const toml::node* heights =
            required(*grid, "heights", "grid", "an array of one or more heights in m")) {
        const auto hs = numbers(*heights, "grid.heights", 1, 100);
        if (hs) s.heights = *hs;
    }
    if (!ok) return;
    if (!gridAdvances(s.grid)) {
        fault(grid->source(), "grid.step",
              "the step is too small for coordinates this large: adding it would not move "
              "from one point to the next");
        return;
    }
    // Estimated first, so that an absurd grid is refused before it is counted.
    const double estimate = ((s.grid.xend - s.grid.xanf) / s.grid.step + 1) *
                            ((s.grid.yend - s.grid.yanf) / s.grid.step + 1);
    if (estimate > kMaxGridPoints * 1.01 ||
        static_cast<double>(gridColumns(s.grid)) * static_cast<double>(gridRows(s.grid)) >
            kMaxGridPoints) {
        std::ostringstream what;
        what << "about " << std::llround(estimate)
             << " points in each plane; accepted: at most 4000000 (a larger step or a smaller "
                "area)";
        fault(grid->source(), "grid", what.str());
    }
}

void Reader::readLimits(const toml::table& root, Station& s) {
    const toml::node* node = root.get("limits");
    if (node == nullptr) return;
    const toml::table* limits = node->as_table();
    if (limits == nullptr) {
        fault(node->source(), "limits",
              "expected a table [limits] with set = " + std::string(limitSetNames()));
        return;
    }
    allowOnly(*limits, kLimitsKeys, "limits");
    const toml::node* set = limits->get("set");
    if (set == nullptr) return;
    const std::optional<std::string> name = text(*set, "limits.set");
    if (!name) return;
    if (const std::optional<LimitSet> chosen = limitSetNamed(*name))
        s.limits = *chosen;
    else
        fault(set->source(), "limits.set",
              "\"" + *name + "\" is refused; accepted: " + std::string(limitSetNames()));
}

std::string megahertz(double f) {
    std::ostringstream text;
    text.precision(6);
    text << f << " MHz";
    return text.str();
}

std::optional<Band> Reader::readBand(const toml::table& table, const std::string& path,
                                     const Station& s) {
    allowOnly(table, kBandKeys, path);
    Band band;
    bool ok = true;
    if (const toml::node* f = required(table, "frequency", path, "the frequency in MHz")) {
        const std::optional<double> v = number(*f, path + ".frequency");
        ok = ok && v;
        if (v) band.frequency = *v;
        if (v && s.wireLength > 0) {
            const double length = s.wireLength;
            const long double lowest = frequencyConstant(s.model) / length / 1.1L;
            if (!frequencyAccepted(*v, length, s.model)) {
                std::ostringstream what;
                what << megahertz(*v) << " is refused for this " << length << " m wire; accepted: "
                     << "above " << megahertz(static_cast<double>(lowest)) << " and at most "
                     << megahertz(kMaxFrequency);
                fault(f->source(), path + ".frequency", what.str());
                ok = false;
            } else if (s.model == AntennaModel::shortWire &&
                       !shortModelSuits(length, wavelength(*v))) {
                std::ostringstream what;
                what << "the short model does not suit this " << length << " m wire at "
                     << megahertz(*v) << " (it needs lambda/4 < " << length
                     << " m < lambda/2.2); accepted: above "
                     << megahertz(static_cast<double>(75.0L / length)) << " and below "
                     << megahertz(static_cast<double>(300.0L / 2.2L / length));
                fault(f->source(), path + ".frequency", what.str());
                ok = false;
            } else if (!referenceLevels(s.limits, *v)) {
                std::ostringstream what;
                what << "the limit set " << limitSetName(s.limits) << " has no reference levels at "
                     << megahertz(*v) << "; accepted: " << lowestFrequency(s.limits) << " to "
                     << megahertz(highestFrequency(s.limits));
                fault(f->source(), path + ".frequency", what.str());
                ok = false;
            }
        }
    } else {
        ok = false;
    }
    if (const toml::node* p = required(table, "power", path, "the transmitter power in W")) {
        const std::optional<double> v = number(*p, path + ".power");
        if (v && !(*v > 0)) fault(p->source(), path + ".power", "the power must be above 0 W");
        ok = ok && v && *v > 0;
        if (v) band.power = *v;
    } else {
        ok = false;
    }
    if (const toml::node* m = table.get("mode_factor")) {
        const std::optional<double> v = number(*m, path + ".mode_factor");
        if (v && !(*v > 0 && *v <= 1))
            fault(m->source(), path + ".mode_factor", "accepted: above 0 and at most 1");
        ok = ok && v && *v > 0 && *v <= 1;
        if (v) band.modeFactor = *v;
    }
    if (const toml::node* l = table.get("loss_db")) {
        const std::optional<double> v = number(*l, path + ".loss_db");
        if (v && !(*v >= 0)) fault(l->source(), path + ".loss_db", "accepted: 0 dB or more");
        ok = ok && v && *v >= 0;
        if (v) band.lossDb = *v;
    }
    if (!ok) return std::nullopt;
    return band;
}

void Reader::readBands(const toml::table& root, Station& s) {
    const toml::node* node = required(root, "band", "", "one or more tables [[band]]");
    if (node == nullptr) return;
    const toml::array* bands = node->as_array();
    if (bands == nullptr || bands->empty()) {
        fault(node->source(), "band",
              "expected one or more tables [[band]] with " + std::string(kBandKeys));
        return;
    }
    for (std::size_t k = 0; k < bands->size(); ++k) {
        const std::string path = "band[" + std::to_string(k + 1) + "]";
        const toml::table* table = bands->get(k)->as_table();
        if (table == nullptr) {
            fault(bands->get(k)->source(), path,
                  "expected a table [[band]] with " + std::string(kBandKeys));
            continue;
        }
        if (std::optional<Band> band = readBand(*table, path, s)) s.bands.push_back(*band);
    }
}

Station Reader::read(const toml::table& root) {
    Station s;
    allowOnly(root, kTopKeys, "");
    readTitle(root, s);
    readModel(root, s);
    readCorners(root, s);
    readModes(root, s);
    readGrid(root, s);
    readLimits(root, s);
    readBands(root, s);
    return s;
}

} // namespace

Station parseStation(std::string_view text, const std::string& sourceName) {
    Reader reader(sourceName);
    toml::table root;
    try {
        root = toml::parse(text, sourceName);
    } catch (const toml::parse_error& e) {
        reader.fault(e.source(), "file", "not valid TOML: " + std::string(e.description()));
        throw StationError(reader.faults());
    }
    Station station = reader.read(root);
    if (!reader.faults().empty()) throw StationError(reader.faults());
    return station;
}

Station readStation(const std::string& path) {
    auto refuse = [&](int err) {
        throw StationError({path + ": cannot read the station file: " + std::strerror(err)});
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) refuse(errno);
    if (S_ISDIR(info.st_mode)) refuse(EISDIR);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) refuse(errno);
    std::string content;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, n);
    const int err = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (err != 0) refuse(err);
    return parseStation(content, path);
}

} // namespace kvarn
