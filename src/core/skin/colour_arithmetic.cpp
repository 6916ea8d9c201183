#include "core/skin/colour_arithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace motivra {

namespace {

int Clamp255(int v) { return std::clamp(v, 0, 255); }

}  // namespace

Colour FlipRedBlue(Colour c) { return MakeColour(Byte2(c), Byte1(c), Byte0(c)); }

int Brightness(Colour c) { return Byte2(c) + Byte1(c) + Byte0(c) / 3; }

Colour Shade(Colour c, int delta) {
    return MakeColour(Clamp255(Byte2(c) + delta), Clamp255(Byte1(c) + delta), Clamp255(Byte0(c) + delta));
}

Colour Blend(Colour a, Colour b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    const auto mix = [t](int from, int to) {
        return (from + static_cast<int>(static_cast<float>(to - from) * t)) & 0xFF;
    };
    const int r0 = mix(Byte0(a), Byte0(b));
    const int r1 = mix(Byte1(a), Byte1(b));
    const int r2 = mix(Byte2(a), Byte2(b));
    return MakeColour(r2, r1, r0);
}

Colour ContrastShift(Colour c, int n) {
    const auto shift = [n](int v) { return v < 129 ? std::min(255, v + n) : std::max(0, v - n); };
    return MakeColour(shift(Byte0(c)), shift(Byte1(c)), shift(Byte2(c)));
}

Colour InverseExchanged(Colour c) { return MakeColour(255 - Byte2(c), 255 - Byte1(c), 255 - Byte0(c)); }

Colour ContrastingText(Colour background, Colour text, int threshold) {
    return std::abs(Brightness(background) - Brightness(text)) < threshold ? InverseExchanged(text) : text;
}

Colour DeleteModeTint(Colour bgColour) {
    return MakeColour(std::min(255, Byte2(bgColour) + 60), std::max(0, Byte1(bgColour) - 40),
                      std::max(0, Byte0(bgColour) - 40));
}

}  // namespace motivra
