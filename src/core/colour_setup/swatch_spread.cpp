#include "core/colour_setup/swatch_spread.h"

#include <algorithm>

namespace motivra {

Colour ScaleColour(Colour colour, int factor) {
    const auto scale = [factor](int byte) { return std::clamp(byte * factor / 70, 0, 255); };
    return MakeColour(scale(Byte0(colour)), scale(Byte1(colour)), scale(Byte2(colour)));
}

std::array<Colour, 6> SpreadColour(Colour colour, const std::array<Colour, 6>& slots) {
    return {ScaleColour(colour, 50),  colour,  ScaleColour(colour, 30), ScaleColour(colour, 85),
            ScaleColour(colour, 170), slots[5]};
}

}  // namespace motivra
