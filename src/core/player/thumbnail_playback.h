#pragma once

#include <array>
#include <string>

#include "core/engine/preview_layout.h"
#include "core/geometry/pixel_geometry.h"
#include "core/player/playable_behaviour.h"

namespace motivra {

// One picture of a behaviour playing in a thumbnail's frame, in pixels of that frame.
struct ThumbnailFrame {
    bool poseDrawn = false;  // false when the pose at that time cannot be drawn (not a finite shape)
    PixelQuad pose;          // corners 0..3 of the pose at that time
    std::array<PixelLine, 2> cross;
    double alpha = 255;  // the pose's opacity, 0..255
    PixelPoint referenceTopLeft;
    PixelPoint referenceBottomRight;  // one pixel inside the second reference corner
};

// A behaviour played in the thumbnail's style, as the library grid plays the cell under the pointer: the
// pose at the time, with the reference rectangle of the picture at rest. One fit serves the whole loop: it
// covers the picture at rest and the pose at every tick, so nothing leaves the frame and the frame does not
// jump while it plays.
class ThumbnailPlayback {
public:
    explicit ThumbnailPlayback(PlayableBehaviour behaviour);

    ThumbnailFrame FrameAt(double t, int width, int height) const;
    const std::string& Text() const { return behaviour_.Tracks().ThumbnailText(); }

private:
    PixelPoint Pixel(const PosePoint& p, int width, int height) const;

    PlayableBehaviour behaviour_;
    double scale_ = 1;  // picture units across the frame's larger side
    PosePoint centre_{0.5, 0.5};
};

}  // namespace motivra
