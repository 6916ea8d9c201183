#include "core/skin/grid_colours.h"

#include "core/skin/colour_arithmetic.h"

namespace motivra {

void GridColours::Load(const SchemeSource& source) {
    bgColour = source.ReadNumber(scheme::kBGColour, scheme::kDefaultBGColour);
    fillColour = bgColour;
    textColour = source.ReadNumber(scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = FlipRedBlue(source.ReadNumber(scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    buttonColour = FlipRedBlue(source.ReadNumber(scheme::kButtonColour, scheme::kDefaultButtonColour));
}

}  // namespace motivra
