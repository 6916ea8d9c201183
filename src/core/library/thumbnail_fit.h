#pragma once

#include "core/geometry/pixel_geometry.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

// The thumbnail area of a behaviour grid cell, in pixels.
inline constexpr int kThumbnailWidth = 96;
inline constexpr int kThumbnailHeight = 72;
// What the grid shows where a thumbnail is missing or cannot be read: an orange box.
inline constexpr SchemeColour kThumbnailPlaceholderColour{0x004080FF};

// Where a picture of width x height is drawn in an area of areaWidth x areaHeight: scaled, up or down, to the
// largest size that fits with its aspect kept (each side at least 1 pixel), centred, in the area's
// coordinates. A picture of the area's own size fills it exactly. Empty for a picture or area without
// pixels.
PixelBox FitThumbnail(int width, int height, int areaWidth = kThumbnailWidth,
                      int areaHeight = kThumbnailHeight);

}  // namespace motivra
