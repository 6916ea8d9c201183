#pragma once

#include <QPainter>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Fills (left, top)-(right, bottom), right and bottom excluded, with a gradient from colour1 to colour2 in
// scheme form, along the axis the angle names (0 across, 90 down, 45 and 135 corner to corner; see
// GradientAxis). Returns 1 when it filled, 0 for an angle that names no axis (nothing is drawn). The fill is
// opaque: like GDI's gradient fill it writes colours, it does not blend them, so the colours' top byte is not
// an alpha.
int GradientRect(QPainter& painter, int left, int top, int right, int bottom, SchemeColour colour1,
                 SchemeColour colour2, int angle);

}  // namespace motivra
