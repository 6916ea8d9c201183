#pragma once

#include <cstdint>
#include <type_traits>

namespace motivra {

// A colour is three bytes b0 (bits 0-7), b1 and b2 in a 32-bit word, in one of two byte orders. Each order
// is its own type, so a colour of one form cannot be passed where the other is meant: FlipRedBlue is the
// conversion, and the arithmetic below says in its type which form it returns.
enum class ColourForm {
    Scheme,  // 0x00BBGGRR: red in b0, as the settings, palettes and swatch files store it
    Rgb,     // 0x00RRGGBB: red in b2
};

template <ColourForm F>
class PackedColour {
public:
    static constexpr ColourForm kForm = F;

    constexpr PackedColour() = default;
    constexpr explicit PackedColour(std::uint32_t value) : value_(value) {}

    constexpr std::uint32_t Value() const { return value_; }
    friend constexpr bool operator==(PackedColour, PackedColour) = default;

private:
    std::uint32_t value_ = 0;
};

using SchemeColour = PackedColour<ColourForm::Scheme>;
using RgbColour = PackedColour<ColourForm::Rgb>;

template <class C>
concept AnyColour = std::is_same_v<C, SchemeColour> || std::is_same_v<C, RgbColour>;

template <AnyColour C>
using OtherForm = std::conditional_t<std::is_same_v<C, SchemeColour>, RgbColour, SchemeColour>;

template <AnyColour C>
constexpr int Byte0(C c) {
    return static_cast<int>(c.Value() & 0xFF);
}
template <AnyColour C>
constexpr int Byte1(C c) {
    return static_cast<int>((c.Value() >> 8) & 0xFF);
}
template <AnyColour C>
constexpr int Byte2(C c) {
    return static_cast<int>((c.Value() >> 16) & 0xFF);
}

template <AnyColour C>
constexpr C MakeColour(int b0, int b1, int b2) {
    return C(static_cast<std::uint32_t>((b0 & 0xFF) | ((b1 & 0xFF) << 8) | ((b2 & 0xFF) << 16)));
}

// b0 and b2 exchanged, bits 24-31 cleared: the one conversion between the two forms.
template <AnyColour C>
constexpr OtherForm<C> FlipRedBlue(C c) {
    return MakeColour<OtherForm<C>>(Byte2(c), Byte1(c), Byte0(c));
}

// The same word read in the other form, without exchanging anything. A few of the controls' formulas blend
// a colour of each form byte by byte; this names the spot, so it is never done by accident.
template <AnyColour C>
constexpr OtherForm<C> SameBytesInOtherForm(C c) {
    return OtherForm<C>(c.Value());
}

// b2 + b1 + b0 / 3, in 0..595. Only the lowest byte is divided, so red (b0 in scheme form) counts a third as
// much as blue; the contrast thresholds of the controls are compared with this value.
template <AnyColour C>
int Brightness(C c);

// Every byte moved by delta and clamped to 0..255, and b0 and b2 exchanged, so the form changes:
// Shade(FlipRedBlue(v), d) is in v's form.
template <AnyColour C>
OtherForm<C> Shade(C c, int delta);

// a moved towards b by t (clamped to 0..1) per byte, truncated towards zero, with b0 and b2 exchanged.
template <AnyColour C>
OtherForm<C> Blend(C a, C b, float t);

// The timeline's shift away from the middle: each channel below 129 goes up by n (at most 255), each other
// channel goes down by n (at least 0). The form stays.
template <AnyColour C>
C ContrastShift(C c, int n);

// The inverse colour with b0 and b2 exchanged, used in the form it came in, as the controls' contrast rules
// do.
template <AnyColour C>
C InverseExchanged(C c);

// The text colour a control uses on a background: the inverse with exchange when the two are closer in
// Brightness than the threshold, else the text unchanged.
template <AnyColour B, AnyColour C>
C ContrastingText(B background, C text, int threshold);

// The reddish tint of BGColour that marks a view in delete mode.
SchemeColour DeleteModeTint(SchemeColour bgColour);

}  // namespace motivra
