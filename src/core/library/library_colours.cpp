#include "core/library/library_colours.h"

namespace motivra {

void GridColours::Load(const SchemeSource& source) {
    bgColour = source.ReadDword(scheme::kBGColour, scheme::kDefaultBGColour);
    fillColour = bgColour;
    textColour = source.ReadDword(scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = FlipRedBlue(source.ReadDword(scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    buttonColour = FlipRedBlue(source.ReadDword(scheme::kButtonColour, scheme::kDefaultButtonColour));
}

void TagCloudColours::Load(const SchemeSource& source) {
    bgColour = source.ReadDword(scheme::kBGColour, scheme::kDefaultBGColour);
    textColour = source.ReadDword(scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = source.ReadDword(scheme::kSelectedColour, scheme::kDefaultSelectedColour);
    // The scheme's own rule for text on the selection colour.
    selectedTextColour = ColourScheme(source).GetSelectedTextColour();
}

TagCloudColours::Pair TagCloudColours::ForState(TagState state) const {
    switch (state) {
        case TagState::Selected:
            return {selectedTextColour, selectedColour};
        case TagState::Subtracted:
            return {selectedColour, selectedTextColour};
        case TagState::Unselected:
            break;
    }
    return {textColour, bgColour};
}

}  // namespace motivra
