#pragma once

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// The colour at point (x, y) of the shade square, width x height pixels, over a base colour (scheme form):
// white at the left edge, the base colour at the top-right corner, black along the bottom. For each channel
// c, p = 255 - trunc((255 - c) / width * x), then q = p - trunc(p / height * y). The point is limited to the
// square; a square without width or height gives the base colour, as an unpicked square does.
SchemeColour ShadeColour(SchemeColour base, int x, int y, int width, int height);

}  // namespace motivra
