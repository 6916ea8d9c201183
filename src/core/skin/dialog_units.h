#pragma once

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// Dialog layouts are written in dialog units of an 8-point dialog font whose base units are 6 x 13 pixels:
// one unit is 1.5 pixels across and 1.625 pixels down, so the 581 x 378 editor is 872 x 614 pixels.
inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;

struct DialogUnitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One horizontal or vertical coordinate, rounded to the nearest pixel (halves away from zero).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

// Each edge is converted on its own, so that adjacent controls stay adjacent in pixels.
PixelBox DialogUnitsToPixels(const DialogUnitRect& rect);

}  // namespace motivra
