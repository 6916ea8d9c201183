#include "core/colour_setup/palette_header.h"

#include "core/colour_setup/file_name_rules.h"

namespace motivra {

PaletteHeader PaletteHeaderFor(const PaletteModel& palette) {
    if (!palette.IsPaletteView()) return {UiText("SetupUi", "Colour Palettes:"), 4};
    std::string name = palette.PaletteName();
    if (EndsWithIgnoringCase(name, ".vmp")) name.resize(name.size() - 4);
    return {UiText("SetupUi", "Colour Palette: %1").Arg(name), 5};
}

}  // namespace motivra
