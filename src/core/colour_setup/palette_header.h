#pragma once

#include <string>

#include "core/colour_setup/palette_model.h"
#include "core/text/user_text.h"

namespace motivra {

// The header above the palette view: "Colour Palettes:" with the colour-pages icon (header style 4) in the
// folder view; "Colour Palette: " and the open palette's name, its ".vmp" ending dropped, with the strokes
// icon (style 5) in the palette view.
struct PaletteHeader {
    UserText text;
    int style = 4;
    friend bool operator==(const PaletteHeader&, const PaletteHeader&) = default;
};

PaletteHeader PaletteHeaderFor(const PaletteModel& palette);

}  // namespace motivra
