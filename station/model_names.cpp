#include "station/model_names.h"

#include <array>

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

std::string modelAndGround(const Station& station) {
    const std::string model =
        isExact(station.model) ? std::string(modelTitle(station.model)) : "method of moments";
    const GroundKind ground = isExact(station.model) ? GroundKind::free : station.ground;
    return model + (ground == GroundKind::free ? " in " : " over ") +
           std::string(groundTitle(ground));
}

} // namespace kvarn
