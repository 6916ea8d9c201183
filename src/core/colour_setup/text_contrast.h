#pragma once

#include <array>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Relative luminance of a colour in scheme form as WCAG 2 defines it for sRGB: 0 for black, 1 for white,
// green counting most and blue least.
double RelativeLuminance(SchemeColour colour);

// WCAG contrast ratio of two colours, (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black
// and white; the order of the arguments does not matter.
double ContrastRatio(SchemeColour a, SchemeColour b);

// Text under 3:1 on its background is hard to read (WCAG's floor for large text and interface parts); the
// colour setup warns but keeps the choice.
inline constexpr double kMinimumTextContrast = 3.0;

bool IsHardToRead(SchemeColour text, SchemeColour background);

// Text on a coloured mark (a changed row's red label) must read at a glance: WCAG's 4.5:1 for body text.
inline constexpr double kMinimumMarkContrast = 4.5;

// mark (scheme form) when text reaches kMinimumMarkContrast on it, else the nearest colour of its hue that
// does: mark moved the least towards white or towards black. One of the two always reaches it.
SchemeColour ReadableMark(SchemeColour mark, SchemeColour text);

// The UI swatch's Text colour (slot 4) on the two backgrounds text is drawn on: Dialog BG (slot 0) and
// Group BG (slot 1).
struct TextContrastCheck {
    bool onDialogBG = false;  // hard to read there
    bool onGroupBG = false;

    bool Any() const { return onDialogBG || onGroupBG; }
    bool operator==(const TextContrastCheck&) const = default;
};

TextContrastCheck CheckTextContrast(const std::array<SchemeColour, 6>& slots);

}  // namespace motivra
