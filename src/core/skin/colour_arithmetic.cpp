#include "core/skin/colour_arithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace motivra {

namespace {

int Clamp255(int v) { return std::clamp(v, 0, 255); }

}  // namespace

template <AnyColour C>
int Brightness(C c) {
    return Byte2(c) + Byte1(c) + Byte0(c) / 3;
}

template <AnyColour C>
OtherForm<C> Shade(C c, int delta) {
    return MakeColour<OtherForm<C>>(Clamp255(Byte2(c) + delta), Clamp255(Byte1(c) + delta),
                                    Clamp255(Byte0(c) + delta));
}

template <AnyColour C>
OtherForm<C> Blend(C a, C b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    const auto mix = [t](int from, int to) {
        return (from + static_cast<int>(static_cast<float>(to - from) * t)) & 0xFF;
    };
    return MakeColour<OtherForm<C>>(mix(Byte2(a), Byte2(b)), mix(Byte1(a), Byte1(b)),
                                    mix(Byte0(a), Byte0(b)));
}

template <AnyColour C>
C ContrastShift(C c, int n) {
    const auto shift = [n](int v) { return v < 129 ? std::min(255, v + n) : std::max(0, v - n); };
    return MakeColour<C>(shift(Byte0(c)), shift(Byte1(c)), shift(Byte2(c)));
}

template <AnyColour C>
C InverseExchanged(C c) {
    return MakeColour<C>(255 - Byte2(c), 255 - Byte1(c), 255 - Byte0(c));
}

template <AnyColour B, AnyColour C>
C ContrastingText(B background, C text, int threshold) {
    return std::abs(Brightness(background) - Brightness(text)) < threshold ? InverseExchanged(text) : text;
}

SchemeColour DeleteModeTint(SchemeColour bgColour) {
    return MakeColour<SchemeColour>(std::min(255, Byte2(bgColour) + 60), std::max(0, Byte1(bgColour) - 40),
                                    std::max(0, Byte0(bgColour) - 40));
}

// Every function is made for both forms here, so its body stays out of the header.
#define MOTIVRA_COLOUR_FUNCTIONS(C)                                    \
    template int Brightness<C>(C);                                     \
    template OtherForm<C> Shade<C>(C, int);                            \
    template OtherForm<C> Blend<C>(C, C, float);                       \
    template C ContrastShift<C>(C, int);                               \
    template C InverseExchanged<C>(C);                                 \
    template C ContrastingText<SchemeColour, C>(SchemeColour, C, int); \
    template C ContrastingText<RgbColour, C>(RgbColour, C, int);
MOTIVRA_COLOUR_FUNCTIONS(SchemeColour)
MOTIVRA_COLOUR_FUNCTIONS(RgbColour)
#undef MOTIVRA_COLOUR_FUNCTIONS

}  // namespace motivra
