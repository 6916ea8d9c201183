#pragma once

#include <array>
#include <vector>

#include "core/engine/parameter_table.h"
#include "core/export/track_keyframes.h"

namespace motivra {

class TrackStore;

// Every parameter's keyframes as the preview's pose uses it: a track whose transform is gated off holds the
// value that makes its transform do nothing (scale, shear, 3D and zoom 1, no turn), so a player can apply
// every transform at every time and draw the same pose. Alpha holds 255 when it is off; the positions and
// Blend Mode are their tracks.
using PoseKeyframes = std::array<std::vector<Keyframe>, kParameterCount>;
PoseKeyframes PoseKeyframesOf(const TrackStore& tracks);

}  // namespace motivra
