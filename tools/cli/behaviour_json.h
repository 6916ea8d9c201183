#pragma once

#include <nlohmann/json.hpp>

#include "core/engine/behaviour_track.h"
#include "core/engine/track_store.h"

namespace motivra::cli {

using Json = nlohmann::ordered_json;

// A loaded behaviour as JSON: flags, thumbnailText, and 13 tracks in slot order, every field in editor form.
Json BehaviourToJson(const TrackStore& store);

// The behaviour a JSON document describes, put into the store in editor form through SetTrack, with its flags
// and text. Missing slots and fields take the editor's defaults; a missing span is end - start and a missing
// enabled is the editor's own verdict. Throws CliError naming the first bad field; a text of more than 64
// characters is refused, since readers would take it as none.
void BehaviourFromJson(const Json& document, TrackStore& store);

}  // namespace motivra::cli
