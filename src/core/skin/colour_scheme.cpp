#include "core/skin/colour_scheme.h"

namespace motivra {

namespace {

// Above this Brightness a colour counts as light and gets dark text.
constexpr int kLightThreshold = 220;

}  // namespace

void ColourScheme::Load(const SchemeSource& source) {
    dlgColour_ = source.ReadNumber(scheme::kDlgColour, scheme::kDefaultDlgColour);
    bgColour_ = source.ReadNumber(scheme::kBGColour, scheme::kDefaultBGColour);

    const Colour button = source.ReadNumber(scheme::kButtonColour, scheme::kDefaultButtonColour);
    buttonTextColour_ = Brightness(button) < kLightThreshold ? Shade(FlipRedBlue(button), +96)
                                                             : Shade(FlipRedBlue(button), -98);
    buttonColour_ = FlipRedBlue(button);

    titleColour_ = source.ReadNumber(scheme::kTitleColour, scheme::kDefaultTitleColour);

    const Colour selected = source.ReadNumber(scheme::kSelectedColour, scheme::kDefaultSelectedColour);
    selectedTextColour_ = Brightness(selected) < kLightThreshold ? 0xFFFFFF : 0x000000;
    selectedColour_ = FlipRedBlue(selected);

    textColour_ = source.ReadNumber(scheme::kTextColour, scheme::kDefaultTextColour);
}

}  // namespace motivra
