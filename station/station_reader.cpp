#include "station/station_reader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <toml++/toml.h>

#include "field/frequency.h"
#include "field/short_antenna.h"
#include "field/wire_length.h"
#include "mom/wire.h"
#include "station/model_names.h"
#include "station/moment_spec.h"
#include "zone/polygon.h"

namespace kvarn {

StationError::StationError(std::vector<std::string> faults)
    : std::runtime_error(faults.empty() ? "station file refused" : faults.front()),
      faults_(std::move(faults)) {}

namespace {

constexpr std::string_view kTopKeys = "title, language, model, corners, feed, wire_diameter_mm, "
                                      "ground, modes, grid, site, place, antenna, band, limits";
// The keys of one antenna: in an [[antenna]] table, or at the top of a file
// of one antenna.
constexpr std::string_view kAntennaKeys =
    "name, model, corners, feed, wire_diameter_mm, modes, band";
constexpr std::string_view kSiteKeys =
    "boundary, public_height, north, operator, callsign, address, simultaneous";
constexpr std::size_t kMaxAntennaName = 40;
constexpr std::string_view kPlaceKeys = "name, at";
constexpr std::size_t kMaxPlaceName = 40;
constexpr std::string_view kGroundKeys = "kind, soil, permittivity, conductivity";
// The least height of a corner over a ground, in wire radii.
constexpr double kMinCornerRadii = 5;
constexpr std::string_view kGridKeys = "x, y, step, heights";
constexpr std::string_view kBandKeys = "frequency, power, mode_factor, transmit_share, loss_db";
constexpr std::string_view kLimitsKeys = "set";

// What is wrong with a number, or nothing.
using NumberCheck = std::function<std::optional<std::string>(double)>;

// The checks of one file, collecting every fault with its place.
class Reader {
  public:
    explicit Reader(std::string source) : source_(std::move(source)) {}

    Installation read(const toml::table& root);
    void fault(const toml::source_region& where, std::string_view key, const std::string& what) {
        std::ostringstream line;
        line << source_ << ':' << where.begin.line << ':' << where.begin.column << ": " << at_
             << key << ": " << what;
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
    // Reads the number at `key` of `table` into `target` when `check` finds
    // nothing wrong with it (it returns the fault's text otherwise). A key
    // that is missing is a fault only when `expected` says what it should
    // be. True when a number was read and accepted.
    bool readNumber(const toml::table& table, std::string_view key, const std::string& path,
                    std::optional<std::string_view> expected, const NumberCheck& check,
                    double& target);

    void readTitle(const toml::table& root, Station& s);
    void readModel(const toml::table& root, Station& s);
    void readCorners(const toml::table& root, Station& s);
    void readMomentKeys(const toml::table& root, Station& s);
    void readGround(const toml::table& root, Station& s);
    void readLanguage(const toml::table& root, Station& s);
    void readAntenna(const toml::table& table, Station& s);
    void readAntennaName(const toml::table& table, Station& s);
    std::optional<std::string> textOfLength(const toml::table& table, std::string_view key,
                                            const std::string& path, std::size_t most);
    void readSoil(const toml::table& ground, Station& s);
    void readModes(const toml::table& root, Station& s);
    void readGrid(const toml::table& root, Station& s);
    // A grid range [low, high] of two numbers in order.
    bool readRange(const toml::table& grid, std::string_view key, std::string_view accepted,
                   const std::string& outOfOrder, double& low, double& high);
    void readHeights(const toml::table& grid, Station& s);
    void readSite(const toml::table& root, Station& s);
    void readPlaces(const toml::table& root, Station& s);
    void readLimits(const toml::table& root, Station& s);
    void readBands(const toml::table& root, Station& s);
    std::optional<Band> readBand(const toml::table& table, const std::string& path,
                                 const Station& s);

    std::string source_;
    std::vector<std::string> faults_;
    std::string at_; // "antenna[2]." while an [[antenna]] table is read
};

// A name goes into tables, drawings and files: a line break or a terminal's
// control sequence in it would garble them.
bool hasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
}

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
    // -0 is 0: it must not reach a file name or a report as "-0".
    return v == 0 ? 0.0 : v;
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

// Every coordinate within the bounds the field model computes in.
bool withinSite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(),
                       [](double v) { return std::fabs(v) <= kMaxCoordinate; });
}

std::string coordinateBound() {
    return "accepted: coordinates from -100000 to 100000 m (100 km either way)";
}

bool Reader::readNumber(const toml::table& table, std::string_view key, const std::string& path,
                        std::optional<std::string_view> expected, const NumberCheck& check,
                        double& target) {
    const toml::node* node = expected ? required(table, key, path, *expected) : table.get(key);
    if (node == nullptr) return false;
    const std::string name = joined(path, key);
    const std::optional<double> v = number(*node, name);
    if (!v) return false;
    if (const std::optional<std::string> what = check(*v)) {
        fault(node->source(), name, *what);
        return false;
    }
    target = *v;
    return true;
}

// A check that accepts when `ok` does, with the fault's text otherwise.
NumberCheck accepting(bool (*ok)(double), std::string what) {
    return [ok, what = std::move(what)](double v) -> std::optional<std::string> {
        if (ok(v)) return std::nullopt;
        return what;
    };
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
    if (const std::optional<ModelKind> named = modelNamed(*model))
        s.model = *named;
    else
        fault(node->source(), "model", "\"" + *model + "\" is refused; accepted: " + modelNames());
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
        const std::string key = "corners[" + std::to_string(k + 1) + "]";
        const auto xyz = numbers(*array->get(k), key, 3, 3);
        if (xyz && !withinSite(*xyz)) {
            fault(array->get(k)->source(), key, coordinateBound());
            ok = false;
        }
        ok = ok && xyz.has_value();
        if (xyz) s.corners.push_back({(*xyz)[0], (*xyz)[1], (*xyz)[2]});
    }
    if (!ok) return;
    if (s.ground != GroundKind::free) {
        // Over a ground the wire hangs above it, clear of it by some radii.
        const double lowest = kMinCornerRadii * s.wireDiameterMm / 2000;
        for (std::size_t k = 0; k < s.corners.size(); ++k)
            if (!(s.corners[k].z >= lowest)) {
                std::ostringstream what;
                what << "z = " << s.corners[k].z << " m is refused over the ground; accepted: "
                     << "every corner at least " << lowest << " m up (" << kMinCornerRadii
                     << " wire radii)";
                fault(array->get(k)->source(), "corners[" + std::to_string(k + 1) + "]",
                      what.str());
            }
    }
    if (isExact(s.model)) {
        s.wireLength = wireLength(s.corners);
        if (!wireLengthAccepted(s.wireLength)) {
            std::ostringstream what;
            what << "the wire counts " << s.wireLength
                 << " m (each segment rounded to whole metres); accepted: 1 to 800 m";
            fault(node->source(), "corners", what.str());
        }
        return;
    }
    // The method of moments takes the wire as it is.
    s.wireLength = 0;
    for (std::size_t j = 1; j < s.corners.size(); ++j)
        s.wireLength +=
            std::hypot(s.corners[j].x - s.corners[j - 1].x, s.corners[j].y - s.corners[j - 1].y,
                       s.corners[j].z - s.corners[j - 1].z);
    if (!(s.wireLength >= 1 && s.wireLength <= 800)) {
        std::ostringstream what;
        what << "the wire is " << s.wireLength << " m long; accepted: 1 to 800 m";
        fault(node->source(), "corners", what.str());
    }
}

// The keys of the method of moments: where the wire is fed, how thick it
// is, and what lies under it. The exact models have none of them.
void Reader::readMomentKeys(const toml::table& root, Station& s) {
    const bool moments = s.model == ModelKind::methodOfMoments;
    const std::string onlyMoments =
        std::string(" belongs to model \"mom\" only; the exact models ") +
        "(\"standing-wave\", \"short\") know no ";
    for (const char* key : {"feed", "wire_diameter_mm"})
        if (!moments && root.get(key) != nullptr)
            fault(root.get(key)->source(), key,
                  std::string(key) + onlyMoments +
                      (std::string_view(key) == "feed" ? "feed point: they take the wave from the "
                                                         "first corner"
                                                       : "wire diameter"));
    if (moments) {
        readNumber(
            root, "feed", "", "feed = metres along the wire from its first corner",
            accepting([](double v) { return v >= 0; }, "accepted: 0 m or more along the wire"),
            s.feed);
        readNumber(root, "wire_diameter_mm", "", std::nullopt,
                   accepting([](double v) { return v > 0 && v <= 100; },
                             "accepted: above 0 and at most 100 mm"),
                   s.wireDiameterMm);
    }
}

// What lies under the antennas: free space, a perfect ground or real soil.
// The exact models compute in free space whatever is given; a ground needs
// at least one antenna of the method of moments.
void Reader::readGround(const toml::table& root, Station& s) {
    const toml::node* node = root.get("ground");
    if (node == nullptr) return;
    const toml::table* ground = node->as_table();
    if (ground == nullptr) {
        fault(node->source(), "ground", "expected a table [ground] with kind = " + groundNames());
        return;
    }
    allowOnly(*ground, kGroundKeys, "ground");
    const toml::node* kind = ground->get("kind");
    if (kind == nullptr) return;
    const std::optional<std::string> name = text(*kind, "ground.kind");
    if (!name) return;
    const std::optional<GroundKind> named = groundNamed(*name);
    if (!named) {
        fault(kind->source(), "ground.kind",
              "\"" + *name + "\" is refused; accepted: " + groundNames());
        return;
    }
    s.ground = *named;
    readSoil(*ground, s);
}

// The soil of a real ground: a named soil, or its two constants.
void Reader::readSoil(const toml::table& ground, Station& s) {
    const toml::node* soil = ground.get("soil");
    const toml::node* permittivity = ground.get("permittivity");
    const toml::node* conductivity = ground.get("conductivity");
    if (s.ground != GroundKind::real) {
        for (const toml::node* n : {soil, permittivity, conductivity})
            if (n != nullptr)
                fault(n->source(), "ground",
                      "soil, permittivity and conductivity belong to kind = \"real\" only");
        return;
    }
    if (soil != nullptr) {
        if (permittivity != nullptr || conductivity != nullptr) {
            fault(soil->source(), "ground.soil",
                  "give a named soil or its permittivity and conductivity, not both");
            return;
        }
        const std::optional<std::string> name = text(*soil, "ground.soil");
        if (!name) return;
        if (const std::optional<Soil> known = soilNamed(*name))
            s.soil = *known;
        else
            fault(soil->source(), "ground.soil",
                  "\"" + *name + "\" is refused; accepted: " + soilNames() +
                      ", or permittivity and conductivity instead");
        return;
    }
    s.soil.name.clear();
    readNumber(
        ground, "permittivity", "ground",
        "permittivity = the soil's relative permittivity, above 1 (or soil = " + soilNames() + ")",
        accepting([](double v) { return v > 1 && v <= 1000; },
                  "accepted: a relative permittivity above 1 and at most 1000"),
        s.soil.permittivity);
    readNumber(
        ground, "conductivity", "ground", "conductivity = the soil's conductivity in S/m",
        accepting([](double v) { return v >= 0 && v <= 1e7; }, "accepted: 0 to 10000000 S/m"),
        s.soil.conductivity);
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
    if (!isExact(s.model) && !array->empty()) {
        fault(node->source(), "modes",
              "the report files of modes R T E M Z belong to the exact models; model \"mom\" "
              "writes none: accepted here only an empty list, or no modes key");
        return;
    }
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
    if (!withinSite(*range)) {
        fault(node->source(), path, coordinateBound());
        return false;
    }
    if (!rangeInOrder((*range)[0], (*range)[1])) {
        fault(node->source(), path, outOfOrder);
        return false;
    }
    low = (*range)[0];
    high = (*range)[1];
    return true;
}

void Reader::readGrid(const toml::table& root, Station& s) {
    // With a site the zone and its drawings need no grid.
    if (root.get("grid") == nullptr && root.get("site") != nullptr) {
        s.hasGrid = false;
        return;
    }
    const toml::node* node = required(root, "grid", "",
                                      "a table [grid] with " + std::string(kGridKeys) +
                                          " (or a [site], which needs no grid)");
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
    ok = readNumber(*grid, "step", "grid", "the grid step in m, above 0",
                    accepting(stepAccepted, "the step must be above 0 m"), s.grid.step) &&
         ok;
    readHeights(*grid, s);
    if (!ok) return;
    if (!gridAdvances(s.grid)) {
        fault(grid->get("step")->source(), "grid.step",
              "the step is too small for coordinates this large: adding it would not move "
              "from one point to the next");
        return;
    }
    // Estimated first, so that an absurd grid is refused before it is counted.
    const double estimate = ((s.grid.xend - s.grid.xanf) / s.grid.step + 1) *
                            ((s.grid.yend - s.grid.yanf) / s.grid.step + 1);
    if (estimate > kMaxGridPoints * 1.01 ||
        static_cast<double>(layGrid(s.grid).points()) > kMaxGridPoints) {
        std::ostringstream what;
        what << "about " << std::llround(estimate)
             << " points in each plane; accepted: at most 4000000 (a larger step or a smaller "
                "area)";
        fault(grid->source(), "grid", what.str());
    }
}

void Reader::readHeights(const toml::table& grid, Station& s) {
    const toml::node* node =
        required(grid, "heights", "grid", "an array of one or more heights in m");
    if (node == nullptr) return;
    const auto hs = numbers(*node, "grid.heights", 1, 100);
    if (!hs) return;
    const toml::array& array = *node->as_array();
    for (std::size_t k = 0; k < hs->size(); ++k) {
        const std::string key = "grid.heights[" + std::to_string(k + 1) + "]";
        const double h = (*hs)[k];
        if (!(h >= 0 && h <= kMaxHeight) || (h == 0 && s.ground != GroundKind::free)) {
            std::ostringstream what;
            what << h << " m is refused; accepted: a height above the ground, "
                 << (s.ground != GroundKind::free ? "above 0" : "0") << " to " << kMaxHeight
                 << " m";
            fault(array.get(k)->source(), key, what.str());
        } else if (std::find(hs->begin(), hs->begin() + static_cast<std::ptrdiff_t>(k), h) !=
                   hs->begin() + static_cast<std::ptrdiff_t>(k)) {
            std::ostringstream what;
            what << "the height " << h << " m is listed twice";
            fault(array.get(k)->source(), key, what.str());
        } else {
            s.heights.push_back(h);
        }
    }
}

void Reader::readSite(const toml::table& root, Station& s) {
    const toml::node* node = root.get("site");
    if (node == nullptr) return;
    const toml::table* table = node->as_table();
    if (table == nullptr) {
        fault(node->source(), "site", "expected a table [site] with " + std::string(kSiteKeys));
        return;
    }
    allowOnly(*table, kSiteKeys, "site");
    Site site;
    bool ok = true;
    // Without a boundary the site only names the station for the record.
    const toml::node* boundary = table->get("boundary");
    const toml::array* corners = boundary ? boundary->as_array() : nullptr;
    if (boundary != nullptr && (corners == nullptr || corners->size() < zone::kMinBoundaryCorners ||
                                corners->size() > zone::kMaxBoundaryCorners)) {
        fault(boundary->source(), "site.boundary",
              "expected 3 to 200 corners [x, y] in m" +
                  (corners ? ", found " + std::to_string(corners->size()) : std::string()));
        ok = false;
    } else if (corners != nullptr) {
        std::vector<zone::Point2> polygon;
        for (std::size_t k = 0; k < corners->size(); ++k) {
            const std::string key = "site.boundary[" + std::to_string(k + 1) + "]";
            const auto xy = numbers(*corners->get(k), key, 2, 2);
            if (xy && !withinSite(*xy)) {
                fault(corners->get(k)->source(), key, coordinateBound());
                ok = false;
            }
            ok = ok && xy.has_value();
            if (xy) {
                site.boundary.push_back({(*xy)[0], (*xy)[1]});
                polygon.push_back({(*xy)[0], (*xy)[1]});
            }
        }
        if (ok && !zone::simplePolygon(polygon)) {
            fault(boundary->source(), "site.boundary",
                  "the boundary crosses or touches itself, or has two corners in one place or no "
                  "area; accepted: a simple polygon, its corners in order around the plot");
            ok = false;
        }
    }
    readNumber(*table, "public_height", "site", std::nullopt,
               accepting([](double v) { return v >= 0 && v <= kMaxHeight; },
                         "accepted: 0 to 10000 m above the ground"),
               site.publicHeight);
    readNumber(*table, "north", "site", std::nullopt,
               accepting([](double v) { return v >= -360 && v <= 360; },
                         "accepted: -360 to 360 degrees clockwise from the +y axis"),
               site.north);
    for (const auto& [key, target] :
         {std::pair{"operator", &site.operatorName}, std::pair{"callsign", &site.callsign},
          std::pair{"address", &site.address}})
        if (std::optional<std::string> value = textOfLength(*table, key, "site", 200))
            *target = *value;
    if (const toml::node* simultaneous = table->get("simultaneous")) {
        if (const auto value = simultaneous->value<bool>())
            site.simultaneous = *value;
        else
            fault(simultaneous->source(), "site.simultaneous",
                  std::string("expected true or false, found ") + typeName(*simultaneous));
    }
    if (ok) s.site = site;
}

// A text of 1 to `most` characters (umlauts count as one), nothing when the
// key is missing or faulty.
std::optional<std::string> Reader::textOfLength(const toml::table& table, std::string_view key,
                                                const std::string& path, std::size_t most) {
    const toml::node* node = table.get(key);
    if (node == nullptr) return std::nullopt;
    const std::optional<std::string> value = text(*node, joined(path, key));
    if (!value) return std::nullopt;
    const auto characters =
        static_cast<std::size_t>(std::count_if(value->begin(), value->end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
        }));
    if (characters < 1 || characters > most || hasControl(*value)) {
        fault(node->source(), joined(path, key),
              "\"" + *value + "\" is refused; accepted: 1 to " + std::to_string(most) +
                  " characters, no line breaks or other control characters");
        return std::nullopt;
    }
    return value;
}

void Reader::readLanguage(const toml::table& root, Station& s) {
    // German where the German ordinance is the limit set, else English.
    s.language = s.limits == LimitSet::bimschv26 ? Language::de : Language::en;
    const toml::node* node = root.get("language");
    if (node == nullptr) return;
    const std::optional<std::string> name = text(*node, "language");
    if (!name) return;
    if (*name == "de")
        s.language = Language::de;
    else if (*name == "en")
        s.language = Language::en;
    else
        fault(node->source(), "language",
              "\"" + *name + "\" is refused; accepted: \"de\" or \"en\"");
}

void Reader::readAntennaName(const toml::table& table, Station& s) {
    if (const toml::node* node = required(table, "name", "", "a name of 1 to 40 characters")) {
        (void)node;
        if (std::optional<std::string> name = textOfLength(table, "name", "", kMaxAntennaName))
            s.antennaName = *name;
    }
}

// One antenna's keys, from its table (or the top of a one-antenna file).
void Reader::readAntenna(const toml::table& table, Station& s) {
    readModel(table, s);
    if (!isExact(s.model)) s.reportModes = 0;
    readMomentKeys(table, s);
    readCorners(table, s);
    if (!isExact(s.model) && s.wireLength > 0 && s.feed > s.wireLength) {
        std::ostringstream what;
        what << s.feed << " m lies beyond the end of the wire; accepted: 0 to " << s.wireLength
             << " m along it";
        fault(table.get("feed")->source(), "feed", what.str());
    }
    readModes(table, s);
    readBands(table, s);
}

void Reader::readPlaces(const toml::table& root, Station& s) {
    const toml::node* node = root.get("place");
    if (node == nullptr) return;
    const toml::array* places = node->as_array();
    if (places == nullptr) {
        fault(node->source(), "place", "expected tables [[place]] with " + std::string(kPlaceKeys));
        return;
    }
    for (std::size_t k = 0; k < places->size(); ++k) {
        const std::string path = "place[" + std::to_string(k + 1) + "]";
        const toml::table* table = places->get(k)->as_table();
        if (table == nullptr) {
            fault(places->get(k)->source(), path,
                  "expected a table [[place]] with " + std::string(kPlaceKeys));
            continue;
        }
        allowOnly(*table, kPlaceKeys, path);
        Place place;
        bool ok = true;
        if (const toml::node* name =
                required(*table, "name", path, "a name of 1 to 40 characters")) {
            const std::optional<std::string> text = this->text(*name, path + ".name");
            const std::size_t characters =
                text ? static_cast<std::size_t>(std::count_if(
                           text->begin(), text->end(),
                           [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }))
                     : 0;
            if (text && (characters < 1 || characters > kMaxPlaceName || hasControl(*text))) {
                fault(name->source(), path + ".name",
                      "\"" + *text +
                          "\" is refused; accepted: 1 to 40 characters, no line breaks or other "
                          "control characters");
                ok = false;
            }
            ok = ok && text.has_value();
            if (text) place.name = *text;
        } else {
            ok = false;
        }
        if (const toml::node* at = required(*table, "at", path, "[x, y, z] in m")) {
            const auto xyz = numbers(*at, path + ".at", 3, 3);
            if (xyz && !withinSite(*xyz)) {
                fault(at->source(), path + ".at", coordinateBound());
                ok = false;
            } else if (xyz && !((*xyz)[2] >= 0 && (*xyz)[2] <= kMaxHeight)) {
                std::ostringstream what;
                what << "z = " << (*xyz)[2] << " m is refused; accepted: a place at or above the "
                     << "ground, z from 0 to 10000 m";
                fault(at->source(), path + ".at", what.str());
                ok = false;
            }
            ok = ok && xyz.has_value();
            if (xyz) place.x = (*xyz)[0], place.y = (*xyz)[1], place.z = (*xyz)[2];
        } else {
            ok = false;
        }
        if (ok) s.places.push_back(place);
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
    const auto frequencyFault = [&s](double f) -> std::optional<std::string> {
        if (s.wireLength <= 0) return std::nullopt; // the wire's own fault says enough
        const double length = s.wireLength;
        std::ostringstream what;
        if (!isExact(s.model)) {
            // The method of moments takes any frequency its segments can
            // follow on this wire.
            const std::string cut = s.corners.size() >= 2 && f > 0 && f <= kMaxFrequency
                                        ? mom::segmentWire(momSpec(s, f)).reason
                                        : std::string();
            if (!(f > 0 && f <= kMaxFrequency))
                what << megahertz(f) << " is refused; accepted: above 0 and at most "
                     << megahertz(kMaxFrequency);
            else if (!cut.empty())
                what << megahertz(f) << " is refused for this wire: " << cut;
            else if (!referenceLevels(s.limits, f))
                what << "the limit set " << limitSetName(s.limits) << " has no reference levels at "
                     << megahertz(f) << "; accepted: " << lowestFrequency(s.limits) << " to "
                     << megahertz(highestFrequency(s.limits));
            else
                return std::nullopt;
            return what.str();
        }
        const AcceptedFrequencies accepted = acceptedFrequencies(exactModel(s.model), length);
        if (!accepted.contains(f)) {
            what << megahertz(f) << " is refused for this " << length << " m wire; accepted: "
                 << "above " << megahertz(accepted.above()) << " and at most "
                 << megahertz(accepted.atMost());
        } else if (s.model == ModelKind::shortWire && !shortModelSuits(length, wavelength(f))) {
            what << "the short model does not suit this " << length << " m wire at " << megahertz(f)
                 << " (it needs lambda/4 < " << length << " m < lambda/2.2); accepted: above "
                 << megahertz(shortModelLowest(length)) << " and below "
                 << megahertz(shortModelHighest(length));
        } else if (!referenceLevels(s.limits, f)) {
            what << "the limit set " << limitSetName(s.limits) << " has no reference levels at "
                 << megahertz(f) << "; accepted: " << lowestFrequency(s.limits) << " to "
                 << megahertz(highestFrequency(s.limits));
        } else {
            return std::nullopt;
        }
        return what.str();
    };
    bool ok = readNumber(table, "frequency", path, "the frequency in MHz", frequencyFault,
                         band.frequency);
    ok = readNumber(table, "power", path, "the transmitter power in W",
                    accepting([](double v) { return v > 0 && v <= kMaxPower; },
                              "accepted: a power above 0 W and at most 10 MW (10000000 W)"),
                    band.power) &&
         ok;
    const bool factorAbsent = table.get("mode_factor") == nullptr;
    ok = (readNumber(table, "mode_factor", path, std::nullopt,
                     accepting([](double v) { return v > 0 && v <= 1; },
                               "accepted: above 0 and at most 1"),
                     band.modeFactor) ||
          factorAbsent) &&
         ok;
    const bool shareAbsent = table.get("transmit_share") == nullptr;
    ok = (readNumber(table, "transmit_share", path, std::nullopt,
                     accepting([](double v) { return v > 0 && v <= 1; },
                               "accepted: a share of the time above 0 and at most 1"),
                     band.transmitShare) ||
          shareAbsent) &&
         ok;
    const bool lossAbsent = table.get("loss_db") == nullptr;
    ok = (readNumber(table, "loss_db", path, std::nullopt,
                     accepting([](double v) { return v >= 0 && v <= kMaxLossDb; },
                               "accepted: 0 to 100 dB"),
                     band.lossDb) ||
          lossAbsent) &&
         ok;
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

Installation Reader::read(const toml::table& root) {
    // What every antenna shares, read first: the corners' clearance over the
    // ground and the bands' limit set depend on it.
    Station shared;
    allowOnly(root, kTopKeys, "");
    readTitle(root, shared);
    readGround(root, shared);
    readGrid(root, shared);
    readSite(root, shared);
    readPlaces(root, shared);
    readLimits(root, shared);
    readLanguage(root, shared);

    Installation installation;
    const toml::node* antennas = root.get("antenna");
    if (antennas == nullptr) {
        Station s = shared;
        readAntenna(root, s);
        installation.antennas.push_back(std::move(s));
    } else {
        for (std::string_view key :
             {"name", "model", "corners", "feed", "wire_diameter_mm", "modes", "band"})
            if (const toml::node* misplaced = root.get(key))
                fault(misplaced->source(), key,
                      "belongs in an [[antenna]] table when the station has [[antenna]]s");
        const toml::array* array = antennas->as_array();
        if (array == nullptr || array->empty()) {
            fault(antennas->source(), "antenna",
                  "expected one or more tables [[antenna]] with " + std::string(kAntennaKeys));
        } else {
            for (std::size_t k = 0; k < array->size(); ++k) {
                const toml::table* table = array->get(k)->as_table();
                const std::string path = "antenna[" + std::to_string(k + 1) + "]";
                if (table == nullptr) {
                    fault(array->get(k)->source(), path,
                          "expected a table [[antenna]] with " + std::string(kAntennaKeys));
                    continue;
                }
                at_ = path + ".";
                allowOnly(*table, kAntennaKeys, "");
                Station s = shared;
                readAntennaName(*table, s);
                readAntenna(*table, s);
                for (const Station& other : installation.antennas)
                    if (!s.antennaName.empty() && other.antennaName == s.antennaName)
                        fault(table->get("name")->source(), "name",
                              "\"" + s.antennaName + "\" names another antenna already");
                at_.clear();
                installation.antennas.push_back(std::move(s));
            }
        }
    }
    // A ground is for the method of moments; the exact models know none.
    const bool anyMoments = std::any_of(installation.antennas.begin(), installation.antennas.end(),
                                        [](const Station& s) { return !isExact(s.model); });
    if (shared.ground != GroundKind::free && !anyMoments && !installation.antennas.empty())
        fault(root.get("ground")->as_table()->get("kind")->source(), "ground.kind",
              "\"" + std::string(groundName(shared.ground)) +
                  "\" is refused for this model: the exact models compute the wire in free "
                  "space; a ground needs model \"mom\"");
    // The grid may be left out only where the site gives a plot to judge
    // the zone against.
    if (!shared.hasGrid && !shared.plot() && root.get("site") != nullptr &&
        root.get("grid") == nullptr)
        fault(root.get("site")->source(), "grid",
              "missing; a [site] without a boundary needs a [grid] (the boundary lets the zone "
              "be judged without one)");
    return installation;
}

} // namespace

Installation parseInstallation(std::string_view text, const std::string& sourceName) {
    Reader reader(sourceName);
    toml::table root;
    try {
        root = toml::parse(text, sourceName);
    } catch (const toml::parse_error& e) {
        reader.fault(e.source(), "file", "not valid TOML: " + std::string(e.description()));
        throw StationError(reader.faults());
    }
    Installation installation = reader.read(root);
    if (!reader.faults().empty()) throw StationError(reader.faults());
    return installation;
}

Station parseStation(std::string_view text, const std::string& sourceName) {
    return parseInstallation(text, sourceName).first();
}

namespace {

// Reads at most kMaxStationBytes + 1 bytes of fd into content; the errno of
// a failed read, or 0.
int readLimited(int fd, std::string& content) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        content.append(buffer, static_cast<std::size_t>(n));
        if (content.size() > kMaxStationBytes) return 0;
    }
}

} // namespace

Installation readInstallation(const std::string& path) {
    static const std::string kTooLarge =
        "it is larger than 1 MB (1048576 bytes); a station file is a few kilobytes";
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : path;
    auto refuse = [&](const std::string& why) {
        throw StationError({name + ": cannot read the station file: " + why});
    };
    std::string content;
    if (standardInput) {
        if (const int err = readLimited(STDIN_FILENO, content)) refuse(std::strerror(err));
    } else {
        // Without blocking: a named pipe with no writer would wait for ever
        // before its type could be checked.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) refuse(std::strerror(errno));
        struct stat info {};
        const bool known = ::fstat(fd, &info) == 0;
        const int err = errno;
        if (!known || !S_ISREG(info.st_mode)) {
            ::close(fd);
            if (!known) refuse(std::strerror(err));
            if (S_ISDIR(info.st_mode)) refuse(std::strerror(EISDIR));
            refuse("it is not a regular file (a device, pipe or socket); accepted: a file, or - "
                   "for standard input");
        }
        // The file may still grow while it is read: the limit holds for the
        // bytes read too.
        const int readError = static_cast<std::uintmax_t>(info.st_size) > kMaxStationBytes
                                  ? 0
                                  : readLimited(fd, content);
        const bool tooLarge = static_cast<std::uintmax_t>(info.st_size) > kMaxStationBytes;
        ::close(fd);
        if (tooLarge) refuse(kTooLarge);
        if (readError != 0) refuse(std::strerror(readError));
    }
    if (content.size() > kMaxStationBytes) refuse(kTooLarge);
    return parseInstallation(content, name);
}

Station readStation(const std::string& path) {
    return readInstallation(path).first();
}

} // namespace kvarn
