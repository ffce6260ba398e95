#include "station/model_names.h"

#include <array>
#include <cstdio>

namespace kvarn {

namespace {

struct ModelEntry {
    ModelKind model;
    std::string_view name;
    std::string_view title;
    std::string_view description;
};

constexpr std::array kModels = {
    ModelEntry{ModelKind::standingWave, "standing-wave", "standing-wave model",
               "standing-wave model (free space)"},
    ModelEntry{ModelKind::shortWire, "short", "short model",
               "short model (the whole wire as one half-wave radiator, free space)"},
    ModelEntry{ModelKind::methodOfMoments, "mom", "method-of-moments model",
               "method-of-moments model (the wire's own currents from its feed)"},
};

const ModelEntry& entry(ModelKind model) {
    for (const ModelEntry& e : kModels)
        if (e.model == model) return e;
    return kModels.front();
}

struct GroundEntry {
    GroundKind ground;
    std::string_view name;
    std::string_view title;
};

constexpr std::array kGrounds = {
    GroundEntry{GroundKind::free, "free", "free space"},
    GroundEntry{GroundKind::perfect, "perfect", "perfect ground"},
    GroundEntry{GroundKind::real, "real", "real ground"},
};

// The named soils, with the constants the amateur literature's table of
// ground types gives (after CCIR/ITU-R Recommendation P.527).
struct SoilEntry {
    std::string_view name;
    double permittivity, conductivity;
};

constexpr std::array kSoils = {
    SoilEntry{"poor", 5, 0.001},     // dry, sandy or rocky ground
    SoilEntry{"average", 13, 0.005}, // pastoral land, medium hills, heavy clay
    SoilEntry{"good", 20, 0.03},     // pastoral land, low hills, rich soil
    SoilEntry{"sea", 81, 5},         // salt water
    SoilEntry{"city", 5, 0.001},     // cities and industrial areas
};

template <typename Entries> std::string namesOf(const Entries& entries) {
    std::string names;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (k > 0) names += k + 1 == entries.size() ? " or " : ", ";
        names += "\"" + std::string(entries[k].name) + "\"";
    }
    return names;
}

} // namespace

std::string_view modelName(ModelKind model) {
    return entry(model).name;
}

std::optional<ModelKind> modelNamed(std::string_view name) {
    for (const ModelEntry& e : kModels)
        if (e.name == name) return e.model;
    return std::nullopt;
}

std::string modelNames() {
    return namesOf(kModels);
}

std::string_view modelTitle(ModelKind model) {
    return entry(model).title;
}

std::string_view modelDescription(ModelKind model) {
    return entry(model).description;
}

std::string_view groundName(GroundKind ground) {
    for (const GroundEntry& e : kGrounds)
        if (e.ground == ground) return e.name;
    return kGrounds.front().name;
}

std::optional<GroundKind> groundNamed(std::string_view name) {
    for (const GroundEntry& e : kGrounds)
        if (e.name == name) return e.ground;
    return std::nullopt;
}

std::string groundNames() {
    return namesOf(kGrounds);
}

std::string_view groundTitle(GroundKind ground) {
    for (const GroundEntry& e : kGrounds)
        if (e.ground == ground) return e.title;
    return kGrounds.front().title;
}

std::optional<Soil> soilNamed(std::string_view name) {
    for (const SoilEntry& e : kSoils)
        if (e.name == name) return Soil{std::string(e.name), e.permittivity, e.conductivity};
    return std::nullopt;
}

std::string soilNames() {
    return namesOf(kSoils);
}

std::string groundText(const Station& station) {
    const GroundKind ground = isExact(station.model) ? GroundKind::free : station.ground;
    std::string text(groundTitle(ground));
    if (ground != GroundKind::real) return text;
    const Soil& soil = station.soil;
    char values[96];
    std::snprintf(values, sizeof values, "relative permittivity %g, conductivity %g S/m",
                  soil.permittivity, soil.conductivity);
    return text + ": " +
           (soil.name.empty() ? std::string(values) : soil.name + " soil (" + values + ")");
}

std::string modelAndGround(const Station& station) {
    const std::string model =
        isExact(station.model) ? std::string(modelTitle(station.model)) : "method of moments";
    const GroundKind ground = isExact(station.model) ? GroundKind::free : station.ground;
    return model + (ground == GroundKind::free ? " in " : " over ") + groundText(station);
}

} // namespace kvarn
