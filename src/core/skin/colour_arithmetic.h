#pragma once

#include <cstdint>

namespace motivra {

// Colours are 32-bit values with bytes b0 (bits 0-7), b1 and b2. As stored in the settings they are in
// "GDI form", 0x00BBGGRR; "GDI+ form" is the same colour with b0 and b2 exchanged, 0x00RRGGBB.
using Colour = std::uint32_t;

inline constexpr int Byte0(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int Byte1(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int Byte2(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
inline constexpr Colour MakeColour(int b0, int b1, int b2) {
    return static_cast<Colour>((b0 & 0xFF) | ((b1 & 0xFF) << 8) | ((b2 & 0xFF) << 16));
}

// b0 and b2 exchanged, bits 24-31 cleared: converts between the two forms.
Colour FlipRedBlue(Colour c);

// b2 + b1 + b0 / 3, in 0..595. Only the lowest byte is divided, so red (b0 in GDI form) counts a third as
// much as blue; the contrast thresholds of the controls are compared with this value.
int Brightness(Colour c);

// Every byte moved by delta and clamped to 0..255, and b0 and b2 exchanged: Shade(FlipRedBlue(v), d) keeps
// v's form, Shade(v, d) changes it.
Colour Shade(Colour c, int delta);

// a moved towards b by t (clamped to 0..1) per byte, truncated towards zero, with b0 and b2 exchanged.
Colour Blend(Colour a, Colour b, float t);

// The timeline's shift away from the middle: each channel below 129 goes up by n (at most 255), each other
// channel goes down by n (at least 0).
Colour ContrastShift(Colour c, int n);

// The inverse colour with b0 and b2 exchanged, as the controls' contrast rules use it.
Colour InverseExchanged(Colour c);

// The text colour a control uses on a background: the inverse with exchange when the two are closer in
// Brightness than the threshold, else the text unchanged.
Colour ContrastingText(Colour background, Colour text, int threshold);

// The reddish tint of BGColour that marks a view in delete mode.
Colour DeleteModeTint(Colour bgColour);

}  // namespace motivra
