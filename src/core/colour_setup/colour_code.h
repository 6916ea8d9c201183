#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// The code a palette or swatch cell prints under a colour: six upper-case hexadecimal digits in
// red-green-blue order, from a colour in scheme form.
std::string ColourCode(SchemeColour gdiColour);

// "RRGGBB" (six hexadecimal digits, either case, an optional leading '#') as 0x00RRGGBB, the form the
// palette's add operation takes; empty for anything else.
std::optional<RgbColour> ParseColourCode(std::string_view text);

}  // namespace motivra
