#include "core/colour_setup/swatch_spread.h"

#include <algorithm>

namespace motivra {

SchemeColour ScaleColour(SchemeColour colour, int factor) {
    const auto scale = [factor](int byte) { return std::clamp(byte * factor / 70, 0, 255); };
    return MakeColour<SchemeColour>(scale(Byte0(colour)), scale(Byte1(colour)), scale(Byte2(colour)));
}

std::array<SchemeColour, 6> SpreadColour(SchemeColour colour, const std::array<SchemeColour, 6>& slots) {
    return {ScaleColour(colour, 50),  colour,  ScaleColour(colour, 30), ScaleColour(colour, 85),
            ScaleColour(colour, 170), slots[5]};
}

}  // namespace motivra
