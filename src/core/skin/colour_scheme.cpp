#include "core/skin/colour_scheme.h"

namespace motivra {

namespace {

// Above this Brightness a colour counts as light and gets dark text.
constexpr int kLightThreshold = 220;

}  // namespace

void ColourScheme::Load(const SchemeSource& source) {
    dlgColour_ = source.ReadColour(scheme::kDlgColour, scheme::kDefaultDlgColour);
    bgColour_ = source.ReadColour(scheme::kBGColour, scheme::kDefaultBGColour);

    const SchemeColour button = source.ReadColour(scheme::kButtonColour, scheme::kDefaultButtonColour);
    buttonTextColour_ = Brightness(button) < kLightThreshold ? Shade(FlipRedBlue(button), +96)
                                                             : Shade(FlipRedBlue(button), -98);
    buttonColour_ = FlipRedBlue(button);

    titleColour_ = source.ReadColour(scheme::kTitleColour, scheme::kDefaultTitleColour);

    const SchemeColour selected = source.ReadColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour);
    selectedTextColour_ =
        Brightness(selected) < kLightThreshold ? SchemeColour(0xFFFFFF) : SchemeColour(0x000000);
    selectedColour_ = FlipRedBlue(selected);

    textColour_ = source.ReadColour(scheme::kTextColour, scheme::kDefaultTextColour);
}

}  // namespace motivra
