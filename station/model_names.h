#pragma once
// The field models and the grounds as the station file and every output
// name them.

#include <optional>
#include <string>
#include <string_view>

#include "station/station.h"

namespace kvarn {

// "standing-wave", "short" or "mom", as station files spell them.
std::string_view modelName(ModelKind model);
// The model of a name, nothing for an unknown one.
std::optional<ModelKind> modelNamed(std::string_view name);
// Every name, for messages: "standing-wave", "short" or "mom".
std::string modelNames();
// What the model is, in a few words: "standing-wave model"; and a little
// more: "short model (the whole wire as one half-wave radiator, free space)".
std::string_view modelTitle(ModelKind model);
std::string_view modelDescription(ModelKind model);

// "free" or "perfect", as station files spell them; for outputs "free
// space", "perfect ground".
std::string_view groundName(GroundKind ground);
std::optional<GroundKind> groundNamed(std::string_view name);
std::string groundNames();
std::string_view groundTitle(GroundKind ground);

// The named soils: their names as station files spell them, and their
// constants.
std::optional<Soil> soilNamed(std::string_view name);
std::string soilNames();

// The ground of the station in words, with the soil's constants: "free
// space", "perfect ground", "real ground: average soil (relative
// permittivity 13, conductivity 0.005 S/m)".
std::string groundText(const Station& station);

// The model with the ground it is computed over: "standing-wave model in
// free space", "method of moments over real ground: average soil (...)".
std::string modelAndGround(const Station& station);

} // namespace kvarn
