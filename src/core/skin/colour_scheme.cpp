#include "core/skin/colour_scheme.h"

namespace motivra {

namespace {

// Above this Brightness a colour counts as light and gets dark text.
constexpr int kLightThreshold = 220;

}  // namespace

void ColourScheme::Load(const SchemeSource& source) {
    dlgColour_ = source.ReadDword(scheme::kDlgColour, scheme::kDefaultDlgColour);
    bgColour_ = source.ReadDword(scheme::kBGColour, scheme::kDefaultBGColour);

    const Colour button = source.ReadDword(scheme::kButtonColour, scheme::kDefaultButtonColour);
    buttonTextColour_ = Brightness(button) < kLightThreshold ? Shade(FlipRedBlue(button), +96)
                                                             : Shade(FlipRedBlue(button), -98);
    buttonColour_ = FlipRedBlue(button);

    titleColour_ = source.ReadDword(scheme::kTitleColour, scheme::kDefaultTitleColour);

    const Colour selected = source.ReadDword(scheme::kSelectedColour, scheme::kDefaultSelectedColour);
    selectedTextColour_ = Brightness(selected) < kLightThreshold ? 0xFFFFFF : 0x000000;
    selectedColour_ = FlipRedBlue(selected);

    textColour_ = source.ReadDword(scheme::kTextColour, scheme::kDefaultTextColour);
}

}  // namespace motivra
