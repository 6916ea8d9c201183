#include "core/export/export_frames.h"

#include <algorithm>
#include <cmath>

#include "core/player/playable_behaviour.h"

namespace motivra {

std::vector<double> ExportFrameTimes(double duration, int fps, Direction direction) {
    const int plays = std::max(1, static_cast<int>(std::lround(duration * fps)));
    const int count = direction == Direction::Alternate ? 2 * plays : plays;
    std::vector<double> times;
    for (int k = 0; k < count; ++k) {
        const double t = std::min(k, 2 * plays - k) / static_cast<double>(plays);
        times.push_back(direction == Direction::Reverse ? 1 - t : t);
    }
    return times;
}

std::vector<int> FrameDelays(int count, int fps) {
    std::vector<int> delays;
    for (int k = 0; k < count; ++k)
        delays.push_back(
            static_cast<int>(std::lround((k + 1) * 1000.0 / fps) - std::lround(k * 1000.0 / fps)));
    return delays;
}

void RenderExportFrame(const PlayableBehaviour& behaviour, ConstRgbaView picture, double t,
                       const FrameLook& look, RgbaView frame) {
    RenderOptions options;
    options.placement = look.fill ? Placement::WholeFrame : Placement::MiddleThird;
    options.opacity = behaviour.AlphaAt(t) / 255;
    options.over = !look.transparent;
    if (options.over) {
        const std::uint8_t rgba[4] = {static_cast<std::uint8_t>(look.background >> 16),
                                      static_cast<std::uint8_t>(look.background >> 8),
                                      static_cast<std::uint8_t>(look.background), 255};
        for (int y = 0; y < frame.height; ++y) {
            std::uint8_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride;
            for (int x = 0; x < frame.width; ++x) std::copy(rgba, rgba + 4, row + 4 * x);
        }
    }
    RenderPose(picture, frame, behaviour.PoseAt(t), options);
}

}  // namespace motivra
