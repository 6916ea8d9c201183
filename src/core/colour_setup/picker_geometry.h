#pragma once

#include <array>
#include <optional>

#include "core/geometry/pixel_geometry.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

// One of the hue bar's six gradients, drawn across [left, left + width) from one colour to the next.
struct HueStrip {
    int left = 0;
    int width = 0;
    SchemeColour from;
    SchemeColour to;

    bool operator==(const HueStrip&) const = default;
};

// The rainbow of a bar width pixels wide: red to yellow, to green, to cyan, to blue, to magenta, back to red.
// Strip i starts at trunc(i * width / 6) and is trunc(width / 6) + 1 wide, so neighbours overlap by a pixel
// rather than leave a gap.
std::array<HueStrip, 6> HueStrips(int width);

// The selection marker of the hue bar and the shade square: a one-pixel outline in white at half alpha with a
// black one inside it. Each box holds exactly the pixels its outline covers.
struct PickMarker {
    PixelBox outer;  // white, alpha 0x80
    PixelBox inner;  // black, opaque

    bool operator==(const PickMarker&) const = default;
};

// The hue bar's cursor at x: 8 and 6 pixels wide around x, reaching one pixel past the top and bottom so that
// only its sides show.
PickMarker HueCursor(int x, int height);
// The shade square's marker: 8 x 8 and 6 x 6 around p.
PickMarker ShadeMarker(PixelPoint p);

// The point the shade square shows and reads: the picked one, or the top-right corner (the pure base colour)
// when nothing is picked.
PixelPoint ShadePoint(const std::optional<PixelPoint>& picked, int width);

}  // namespace motivra
