#pragma once

#include <vector>

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// The symbol-font glyphs the controls draw, as outlines: each is given for a glyph cell whose top-left is
// (x, y) at an em size of `em` pixels, matching where the symbol font placed them.

// The check mark of a check box: a closed outline, a stroke about a sixth of the em thick.
std::vector<PixelPointF> CheckMarkOutline(double x, double y, double em);

// Solid triangles pointing left and right, centred in the cell.
std::vector<PixelPointF> LeftTriangle(double x, double y, double em);
std::vector<PixelPointF> RightTriangle(double x, double y, double em);

}  // namespace motivra
