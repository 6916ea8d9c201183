#pragma once

#include <array>

#include "core/engine/pose_geometry.h"
#include "core/geometry/pixel_geometry.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

class TrackStore;

// The preview's fixed colours.
namespace preview {
inline constexpr SchemeColour kOutside = MakeColour<SchemeColour>(0, 0, 0);
inline constexpr SchemeColour kMiddleThird = MakeColour<SchemeColour>(40, 40, 40);
inline constexpr SchemeColour kStartPen = MakeColour<SchemeColour>(90, 90, 90);
inline constexpr SchemeColour kEndPen = MakeColour<SchemeColour>(120, 40, 40);
inline constexpr SchemeColour kCurrentPen = MakeColour<SchemeColour>(90, 255, 90);
}  // namespace preview

using PixelQuad = std::array<PixelPoint, 4>;

// The current pen when Alpha is enabled: green brightening with the alpha value a (0..255), each channel
// truncated and taken modulo 256.
SchemeColour AlphaPenColour(double a);

// A pose point on a client area whose thirds are w3 and h3: the picture's -0.5..0.5 lands on the middle third
// once the preview's 0.5 has been added.
PixelPoint PreviewPixel(const PosePoint& p, int w3, int h3);

// The two lines of a pose's cross: midpoint of edge 0-1 to midpoint of edge 2-3, and of edge 0-2 to edge 1-3.
std::array<PosePoint, 4> CrossPoints(const Quad& q);

// Everything the preview draws, in pixels of a width x height client area.
struct PreviewLayout {
    PixelBox middleThird;  // filled with kMiddleThird over the kOutside background
    PixelQuad start;
    PixelQuad end;
    PixelQuad current;
    std::array<PixelLine, 2> currentCross;
    SchemeColour currentPen = preview::kCurrentPen;
};

PreviewLayout LayoutPreview(const TrackStore& store, int width, int height);

}  // namespace motivra
