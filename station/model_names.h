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

// The model with the ground it is computed over: "standing-wave model in
// free space", "method of moments over perfect ground".
std::string modelAndGround(const Station& station);

} // namespace kvarn
