#pragma once

#include <array>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Each of the three bytes of colour times factor / 70, clamped to 0..255 and truncated.
SchemeColour ScaleColour(SchemeColour colour, int factor);

// "Spread Colour": the six UI swatch slots made from one colour, slot 0 at 50/70 of it, slot 1 the colour
// itself, slot 2 at 30/70, slot 3 at 85/70, slot 4 at 170/70; slot 5 (Highlight) keeps its colour.
std::array<SchemeColour, 6> SpreadColour(SchemeColour colour, const std::array<SchemeColour, 6>& slots);

}  // namespace motivra
