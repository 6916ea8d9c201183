#pragma once

#include <functional>
#include <vector>

#include "core/player/pose_renderer.h"

namespace motivra {

// The frames of an animated picture, drawn one at a time as an encoder asks for them.
struct FrameSequence {
    int width = 0;
    int height = 0;
    std::vector<int> delays;                      // milliseconds each frame shows
    std::function<void(int, RgbaView)> draw;      // draws frame k into an RGBA frame of width x height
    // After frame k, for a progress bar; false stops the encoder, which then writes nothing and fails with
    // kFramesStopped.
    std::function<bool(int)> progress = nullptr;
};

inline constexpr const char* kFramesStopped = "stopped";

}  // namespace motivra
