#include "outputs/summary_json.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "outputs/model_statement.h"
#include "outputs/result_table.h"
#include "station/model_names.h"

namespace kvarn {

namespace {

using Json = nlohmann::ordered_json;

// Infinite and not-a-number values have no JSON form: they become null.
Json number(double v) {
    return std::isfinite(v) ? Json(v) : Json(nullptr);
}

Json peak(const FieldPeak& p, const char* unit) {
    return {{std::string("value_") + unit, number(p.value)},
            {"percent_of_limit", number(p.percent)},
            {"x_m", p.x},
            {"y_m", p.y},
            {"height_m", p.height}};
}

Json stationJson(const Station& s) {
    Json corners = Json::array();
    for (const CornerPoint& c : s.corners)
        corners.push_back({c.x, c.y, c.z});
    Json modes = Json::array();
    for (char mode : std::string_view(kModeLetters))
        if (hasMode(s.reportModes, mode)) modes.push_back(std::string(1, mode));
    Json bands = Json::array();
    for (const Band& b : s.bands) {
        Json band = {
            {"frequency_MHz", b.frequency}, {"power_W", b.power}, {"mode_factor", b.modeFactor}};
        if (b.transmitShare != 1) band["transmit_share"] = b.transmitShare;
        band["loss_dB"] = b.lossDb;
        bands.push_back(band);
    }
    Json station = {{"title", s.title}};
    if (!s.antennaName.empty()) station["antenna"] = s.antennaName;
    station["model"] = modelName(s.model);
    station["corners_m"] = corners;
    station["wire_length_m"] = s.wireLength;
    if (!isExact(s.model)) {
        station["feed_m"] = s.feed;
        station["wire_diameter_mm"] = s.wireDiameterMm;
    }
    const GroundKind ground = isExact(s.model) ? GroundKind::free : s.ground;
    station["ground"] = {{"kind", groundName(ground)}, {"title", groundText(s)}};
    if (ground == GroundKind::real) {
        if (!s.soil.name.empty()) station["ground"]["soil"] = s.soil.name;
        station["ground"]["relative_permittivity"] = s.soil.permittivity;
        station["ground"]["conductivity_S_per_m"] = s.soil.conductivity;
    }
    station["modes"] = modes;
    if (s.hasGrid)
        station["grid"] = {{"x_m", {s.grid.xanf, s.grid.xend}},
                           {"y_m", {s.grid.yanf, s.grid.yend}},
                           {"step_m", s.grid.step},
                           {"heights_m", s.heights}};
    station["bands"] = bands;
    if (s.site) {
        Json boundary = Json::array();
        for (const auto& [x, y] : s.site->boundary)
            boundary.push_back({x, y});
        station["site"] = {{"boundary_m", boundary},
                           {"public_height_m", s.site->publicHeight},
                           {"north_deg", s.site->north}};
        for (const auto& [key, text] :
             {std::pair{"operator", &s.site->operatorName},
              std::pair{"callsign", &s.site->callsign}, std::pair{"address", &s.site->address}})
            if (!text->empty()) station["site"][key] = *text;
        station["site"]["simultaneous"] = s.site->simultaneous;
    }
    if (!s.places.empty()) {
        Json places = Json::array();
        for (const Place& p : s.places)
            places.push_back({{"name", p.name}, {"at_m", {p.x, p.y, p.z}}});
        station["places"] = places;
    }
    station["language"] = s.language == Language::de ? "de" : "en";
    return station;
}

Json pointJson(const Point3& p) {
    return {p.x, p.y, p.z};
}

// The zone's keys, the same for a band and for the station.
void zoneJson(Json& out, const ZoneResult& z, const std::optional<AreaResult>& area) {
    if (!z.problem.empty()) {
        out["zone_not_searched"] = z.problem;
        return;
    }
    out["safety_distance_m"] = z.safetyDistance.value;
    out["safety_distance_point_m"] = pointJson(z.safetyDistance.at);
    out["horizontal_distance_m"] = z.horizontalDistance.value;
    out["horizontal_distance_point_m"] = pointJson(z.horizontalDistance.at);
    out["zone_lowest_m"] = z.empty ? Json(nullptr) : Json(z.lowest.value);
    out["zone_reach_m"] = z.reach;
    if (area) {
        out["zone_inside_controllable_area"] = area->inside;
        out["margin_m"] = area->margin ? Json(*area->margin) : Json(nullptr);
        if (area->margin) {
            out["margin_zone_point_m"] = {area->zonePoint.first, area->zonePoint.second};
            out["margin_boundary_point_m"] = {area->boundaryPoint.first,
                                              area->boundaryPoint.second};
        }
    }
}

Json bandJson(const BandResult& b) {
    Json highest = Json::array();
    for (const ExposurePoint& p : b.highest)
        highest.push_back({{"x_m", p.x},
                           {"y_m", p.y},
                           {"height_m", p.height},
                           {"E_V_per_m", p.e},
                           {"H_A_per_m", p.h},
                           {"percent_of_limit", p.percent}});
    Json band = {{"band", b.index + 1},
                 {"frequency_MHz", b.band.frequency},
                 {"power_at_transmitter_W", b.band.power},
                 {"power_at_feed_W", b.feedPower},
                 {"limit_E_V_per_m", b.limits.e},
                 {"limit_H_A_per_m", b.limits.h},
                 {"max_E", peak(b.e, "V_per_m")},
                 {"max_H", peak(b.h, "A_per_m")},
                 {"complies", b.complies && b.stop.empty()},
                 {"verdict", verdictWord(b, kEnglish)},
                 {"too_close_points", b.tooClosePoints},
                 {"highest_compliant_power_W", number(b.highestPower)},
                 {"highest_points", highest}};
    zoneJson(band, b.zone, b.area);
    if (!b.places.empty()) {
        Json places = Json::array();
        for (const PlaceResult& p : b.places)
            places.push_back({{"name", p.name},
                              {"at_m", {p.at.x, p.at.y, p.at.z}},
                              {"E_V_per_m", p.field.holds ? Json(p.field.e) : Json(nullptr)},
                              {"H_A_per_m", p.field.holds ? Json(p.field.h) : Json(nullptr)},
                              {"E_percent", p.field.holds ? Json(p.ePercent) : Json(nullptr)},
                              {"H_percent", p.field.holds ? Json(p.hPercent) : Json(nullptr)},
                              {"model_holds", p.field.holds},
                              {"over", p.over}});
        band["places"] = places;
    }
    if (b.feed) {
        band["feed_resistance_ohm"] = b.feed->resistance;
        band["feed_reactance_ohm"] = b.feed->reactance;
        band["swr_50_ohm"] = number(b.feed->swr);
        band["segments"] = b.feed->segments;
        band["max_current_A"] = b.feed->maxCurrent;
    }
    if (!b.stop.empty()) band["computation_stopped"] = b.stop;
    return band;
}

Json fileJson(const WrittenFile& f) {
    Json file = {{"name", f.name}, {"kind", f.kind}};
    if (f.frequency) file["frequency_MHz"] = *f.frequency;
    if (f.height) file["height_m"] = *f.height;
    if (f.mode) file["mode"] = std::string(1, *f.mode);
    if (f.band) file["band"] = *f.band;
    return file;
}

} // namespace

namespace {

// One antenna's summary: its station, limits, bands, zone, verdict and model.
Json antennaJson(const Station& station, const Assessment& assessment) {
    Json bands = Json::array();
    for (const BandResult& b : assessment.bands)
        bands.push_back(bandJson(b));
    Json summary = {
        {"station", stationJson(station)},
        {"limits",
         {{"set", limitSetName(station.limits)},
          {"title", limitSetTitle(station.limits)},
          {"source", limitSetSource(station.limits)}}},
        {"bands", bands},
        {"safety_distance_m", assessment.safetyDistance},
        {"horizontal_distance_m", assessment.horizontalDistance},
        {"zone_lowest_m", assessment.lowest ? Json(*assessment.lowest) : Json(nullptr)},
        {"criterion", station.plot() ? "controllable area" : "grid"},
        {"complies", assessment.complies && !assessment.stopped},
        {"model", modelStatement(station, Language::en)},
    };
    if (station.plot()) {
        summary["zone_inside_controllable_area"] = assessment.insideArea;
        summary["margin_m"] = assessment.margin ? Json(*assessment.margin) : Json(nullptr);
    }
    return summary;
}

Json filesJson(const std::vector<WrittenFile>& files) {
    Json written = Json::array();
    for (const WrittenFile& f : files)
        written.push_back(fileJson(f));
    return written;
}

// The site of a station of several antennas.
Json siteJson(const Installation& installation, const SiteAssessment& all) {
    const SiteResult& site = all.site;
    Json places = Json::array();
    for (const PlaceQuotients& p : site.places)
        places.push_back({{"name", p.name},
                          {"at_m", {p.at.x, p.at.y, p.at.z}},
                          {"quotient_E", p.holds ? Json(p.e) : Json(nullptr)},
                          {"quotient_H", p.holds ? Json(p.h) : Json(nullptr)},
                          {"over", p.over()}});
    Json out = {{"antennas", installation.antennas.size()},
                {"simultaneous", site.simultaneous},
                {"places", places},
                {"complies", site.complies && !all.stopped}};
    if (site.simultaneous && installation.first().hasGrid) {
        out["grid_quotient_E"] = site.gridE;
        out["grid_quotient_H"] = site.gridH;
        out["grid_too_close_points"] = site.tooClosePoints;
    }
    zoneJson(out, site.zone, site.area);
    return out;
}

} // namespace

std::string summaryJson(const Station& station, const Assessment& assessment,
                        const std::vector<WrittenFile>& files) {
    Json summary = {{"program", "kvarn"}, {"version", KVARN_VERSION}};
    const Json antenna = antennaJson(station, assessment);
    for (const auto& [key, value] : antenna.items())
        summary[key] = value;
    summary["files"] = filesJson(files);
    return summary.dump(2) + "\n";
}

std::string summaryJson(const Installation& installation, const SiteAssessment& all,
                        const std::vector<WrittenFile>& files) {
    if (installation.antennas.size() == 1)
        return summaryJson(installation.first(), all.antennas.front(), files);
    Json antennas = Json::array();
    for (std::size_t k = 0; k < all.antennas.size(); ++k) {
        Json a = antennaJson(installation.antennas[k], all.antennas[k]);
        a["name"] = installation.antennas[k].antennaName;
        antennas.push_back(a);
    }
    const Json summary = {{"program", "kvarn"},
                          {"version", KVARN_VERSION},
                          {"title", installation.first().title},
                          {"antennas", antennas},
                          {"site", siteJson(installation, all)},
                          {"complies", all.complies},
                          {"files", filesJson(files)}};
    return summary.dump(2) + "\n";
}

} // namespace kvarn
