#pragma once

#include <cstdint>

#include "core/engine/pose_geometry.h"

namespace motivra {

// 8-bit RGBA pixels (bytes R, G, B, A), rows `stride` bytes apart.
struct RgbaView {
    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};
struct ConstRgbaView {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// Where the picture rests: the preview's middle third, or covering the whole frame as a video layer does.
enum class Placement { MiddleThird, WholeFrame };

struct RenderOptions {
    Placement placement = Placement::WholeFrame;
    bool premultiplied = false;  // picture and frame hold premultiplied alpha; else straight
    bool over = false;           // draw over the frame; else the frame becomes the layer alone
    double opacity = 1;          // 0..1, the Alpha track's value over 255
    int threads = 1;             // bands of rows drawn at once, by this thread and threads - 1 more
};

// The pose's corners (picture units, as PreviewPose gives them) in pixels of a width x height frame, pixel
// centres at half-integers. At rest the picture covers the middle third, or the whole frame; the positions
// move it in units of its own size.
Quad FrameCorners(const Quad& pose, Placement placement, int width, int height);

// Draws the picture with its corners at the pose's: a projective map (so a 3D tilt looks like one, not a
// shear), bilinear sampling clamped at the picture's edge, edges anti-aliased by their distance to each pixel
// centre, the opacity on top. Outside the picture the frame is transparent, or kept with `over`. A pose that
// cannot be mapped (its corners on one line, or not finite) draws nothing. Pictures and frames of zero size
// are left alone.
void RenderPose(ConstRgbaView picture, RgbaView frame, const Quad& pose, const RenderOptions& options);

}  // namespace motivra
