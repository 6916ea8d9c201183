#include "gui/colour_setup/setup_ui_template.h"

namespace motivra {

std::vector<DialogItem> SetupUiTemplate() {
    using Kind = DialogControlKind;
    using namespace setup_ui_id;
    return {
        {kSwatchGroup, Kind::GroupBox, "Available Interface Swatches", {6, 6, 186, 252}},
        {kSwatchLibrary, Kind::Custom, "", {12, 20, 174, 219}},
        {kDeleteSwatch, Kind::Button, "Delete Swatch", {12, 240, 60, 14}},
        {kSwatchSize, Kind::SliderPlain, "", {78, 240, 108, 15}},
        {kTestArea, Kind::Custom, "", {6, 264, 186, 72}},
        {kTestGroup, Kind::GroupBox, "Test UI", {18, 268, 162, 63}},
        {kTestLabel, Kind::Label, "I Love my Quarn!", {30, 283, 92, 8}},
        {kTestCheck, Kind::CheckBox, "Enabled", {127, 283, 41, 10}},
        {kTestSlider, Kind::SliderPlain, "", {24, 296, 72, 15}},
        {kTestEdit, Kind::Edit, "Sample text", {24, 313, 72, 14}},
        {kTestNormal, Kind::Button, "Normal", {120, 297, 54, 14}},
        {kTestPressed, Kind::Button, "Pressed", {120, 313, 54, 14}},
        {kContrastNote, Kind::Label, "", {6, 341, 278, 10}},
        {kEditGroup, Kind::GroupBox, "Edit Interface Colours", {198, 6, 272, 330}},
        {kUiSwatch, Kind::Custom, "", {204, 22, 80, 128}},
        {kShadeSquare, Kind::Custom, "", {204, 156, 80, 60}},
        {kHueBar, Kind::Custom, "", {204, 216, 80, 12}},
        {kColourToLibrary, Kind::Button, "Colour to Library", {204, 234, 80, 14}},
        {kDefaultSwatch, Kind::Button, "Default UI Swatch", {204, 258, 80, 14}},
        {kSpreadColour, Kind::Button, "Spread Colour", {204, 272, 80, 14}},
        {kVista, Kind::Button, "vista", {204, 294, 27, 14}},
        {kRamp, Kind::Button, "ramp", {231, 294, 27, 14}},
        {kFlat, Kind::Button, "flat", {258, 294, 26, 14}},
        {kSwatchToLibrary, Kind::Button, "Swatch to Library", {204, 316, 80, 14}},
        {kPaletteHeader, Kind::Header, "Colour Palettes:", {290, 18, 174, 18}},
        {kPaletteView, Kind::Custom, "", {290, 36, 174, 279}},
        {kDeleteColours, Kind::Button, "Delete Colours", {290, 316, 60, 14}},
        {kPaletteSize, Kind::SliderPlain, "", {356, 315, 108, 15}},
        {kHelp, Kind::Button, "Help", {290, 342, 60, 14}},
        {kOk, Kind::Button, "OK", {368, 342, 48, 14}},
        {kCancel, Kind::Button, "Cancel", {422, 342, 48, 14}},
    };
}

}  // namespace motivra
