#include "core/library/library_colours.h"

namespace motivra {

void TagCloudColours::Load(const SchemeSource& source) {
    bgColour = source.ReadColour(scheme::kBGColour, scheme::kDefaultBGColour);
    textColour = source.ReadColour(scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = source.ReadColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour);
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
