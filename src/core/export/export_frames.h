#pragma once

#include <cstdint>
#include <vector>

#include "core/export/lottie_export.h"
#include "core/player/pose_renderer.h"

namespace motivra {

class PlayableBehaviour;

// The times 0..1 of an animated picture's frames: duration x fps frames, the first at the start and each
// frame as long as the others, so that a loop comes round without a doubled frame; played backwards, or there
// and back.
std::vector<double> ExportFrameTimes(double duration, int fps, Direction direction);

// How long each of `count` frames shows, in milliseconds, rounded so that they add up to the whole.
std::vector<int> FrameDelays(int count, int fps);

struct FrameLook {
    bool fill = false;             // the picture fills the frame at rest; else its middle third
    bool transparent = true;       // else on `background`
    std::uint32_t background = 0;  // 0xRRGGBB
};

// One frame: the picture at the behaviour's pose for t, on a transparent or coloured background.
void RenderExportFrame(const PlayableBehaviour& behaviour, ConstRgbaView picture, double t,
                       const FrameLook& look, RgbaView frame);

}  // namespace motivra
