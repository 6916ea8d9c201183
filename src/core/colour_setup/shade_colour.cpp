#include "core/colour_setup/shade_colour.h"

#include <algorithm>

namespace motivra {

SchemeColour ShadeColour(SchemeColour base, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return MakeColour<SchemeColour>(Byte0(base), Byte1(base), Byte2(base));
    const long long px = std::clamp(x, 0, width);
    const long long py = std::clamp(y, 0, height);
    // Multiplying before dividing keeps the corners exact: at x = width, p is the base channel itself.
    const auto shade = [&](int c) {
        const long long p = 255 - (255 - c) * px / width;
        return static_cast<int>(p - p * py / height);
    };
    return MakeColour<SchemeColour>(shade(Byte0(base)), shade(Byte1(base)), shade(Byte2(base)));
}

}  // namespace motivra
