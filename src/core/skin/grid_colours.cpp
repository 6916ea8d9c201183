#include "core/skin/grid_colours.h"

#include "core/skin/colour_arithmetic.h"

namespace motivra {

void GridColours::Load(const SchemeSource& source) {
    bgColour = source.ReadColour(scheme::kBGColour, scheme::kDefaultBGColour);
    fillColour = bgColour;
    textColour = source.ReadColour(scheme::kTextColour, scheme::kDefaultTextColour);
    selectedColour = FlipRedBlue(source.ReadColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    buttonColour = FlipRedBlue(source.ReadColour(scheme::kButtonColour, scheme::kDefaultButtonColour));
}

}  // namespace motivra
