#pragma once

#include <optional>

namespace motivra {

// The four directions of the scheme's gradient fill of a rectangle.
enum class GradientAxis {
    Horizontal,    // colour1 at the left edge, colour2 at the right edge
    Vertical,      // colour1 at the top, colour2 at the bottom
    Diagonal,      // colour1 in the top-left corner, colour2 in the bottom-right corner
    AntiDiagonal,  // colour1 in the top-right corner, colour2 in the bottom-left corner
};

// The angle, in degrees, taken modulo 180 with its sign kept: 0, 90, 45 and 135 name the four axes; every
// other remainder, including every negative one, names none and the fill draws nothing.
std::optional<GradientAxis> GradientAxisForAngle(int angle);

// The line over which a linear gradient runs from colour1 at (x0, y0) to colour2 at (x1, y1), in pixel
// indices (the pixel whose index is x0 takes colour1 exactly). For the diagonals the colour at a point is
// colour1 + (colour2 - colour1) * (u + v) / 2 with u, v the point's place across and down the rectangle in
// 0..1, as a fill of two triangles through the mid-coloured corners gives it: the line is the normal of that
// family of iso-lines, so the two other corners take the mid colour whatever the rectangle's aspect.
struct GradientLine {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};

// The rectangle runs from (left, top) to (right, bottom), right and bottom excluded.
GradientLine GradientLineFor(GradientAxis axis, int left, int top, int right, int bottom);

}  // namespace motivra
