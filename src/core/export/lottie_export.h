#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/export/export_note.h"

namespace motivra {

class PlayableBehaviour;

enum class Direction { Normal, Reverse, Alternate };

struct LottieOptions {
    std::string name;
    int width = 400;  // the stage
    int height = 300;
    double duration = 2;  // seconds, one play
    int fps = 25;
    Direction direction = Direction::Normal;
    bool fill = false;              // the picture fills the stage at rest; else its middle third
    std::vector<std::uint8_t> png;  // the picture, embedded; empty for a plain card
    int pictureWidth = 0, pictureHeight = 0;
};

struct LottieExport {
    std::string json;
    std::vector<ExportNote> notes;
};

// A Lottie animation of the picture playing the behaviour. The layer's transform (position, rotation with
// Rotations, scale, skew, opacity) is keyed at every frame from the engine's pose, so every frame holds the
// pose exactly; between frames players interpolate linearly. A tilt (X 3D, Y 3D) cannot be put on a picture
// in Lottie: the picture then takes the pose's top edge and left side, and a shape layer draws the pose's
// exact outline.
LottieExport ExportLottie(const PlayableBehaviour& behaviour, const LottieOptions& options);

}  // namespace motivra
