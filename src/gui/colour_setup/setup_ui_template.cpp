#include "gui/colour_setup/setup_ui_template.h"

namespace motivra {

std::vector<DialogItem> SetupUiTemplate() {
    using Kind = DialogControlKind;
    using namespace setup_ui_id;
    return {
        {kSwatchGroup,
         Kind::GroupBox,
         QT_TRANSLATE_NOOP("Dialog", "Available Interface Swatches"),
         {6, 6, 186, 252}},
        {kSwatchLibrary, Kind::Custom, "", {12, 20, 174, 219}},
        {kDeleteSwatch, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Delete Swatch"), {12, 240, 60, 14}},
        {kSwatchSize, Kind::SliderPlain, "", {78, 240, 108, 15}},
        {kTestArea, Kind::Custom, "", {6, 264, 186, 72}},
        {kTestGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Test UI"), {18, 268, 162, 63}},
        {kTestLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "I Love my Quarn!"), {30, 283, 92, 8}},
        {kTestCheck, Kind::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Enabled"), {127, 283, 41, 10}},
        {kTestSlider, Kind::SliderPlain, "", {24, 296, 72, 15}},
        {kTestEdit, Kind::Edit, QT_TRANSLATE_NOOP("Dialog", "Sample text"), {24, 313, 72, 14}},
        {kTestNormal, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Normal"), {120, 297, 54, 14}},
        {kTestPressed, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Pressed"), {120, 313, 54, 14}},
        {kContrastNote, Kind::Label, "", {6, 341, 278, 10}},
        {kEditGroup,
         Kind::GroupBox,
         QT_TRANSLATE_NOOP("Dialog", "Edit Interface Colours"),
         {198, 6, 272, 330}},
        {kUiSwatch, Kind::Custom, "", {204, 22, 80, 128}},
        {kShadeSquare, Kind::Custom, "", {204, 156, 80, 60}},
        {kHueBar, Kind::Custom, "", {204, 216, 80, 12}},
        {kColourToLibrary,
         Kind::Button,
         QT_TRANSLATE_NOOP("Dialog", "Colour to Library"),
         {204, 234, 80, 14}},
        {kDefaultSwatch, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Default UI Swatch"), {204, 258, 80, 14}},
        {kSpreadColour, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Spread Colour"), {204, 272, 80, 14}},
        {kVista, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "vista"), {204, 294, 27, 14}},
        {kRamp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "ramp"), {231, 294, 27, 14}},
        {kFlat, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "flat"), {258, 294, 26, 14}},
        {kSwatchToLibrary,
         Kind::Button,
         QT_TRANSLATE_NOOP("Dialog", "Swatch to Library"),
         {204, 316, 80, 14}},
        {kPaletteHeader, Kind::Header, QT_TRANSLATE_NOOP("Dialog", "Colour Palettes:"), {290, 18, 174, 18}},
        {kPaletteView, Kind::Custom, "", {290, 36, 174, 279}},
        {kDeleteColours, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Delete Colours"), {290, 316, 60, 14}},
        {kPaletteSize, Kind::SliderPlain, "", {356, 315, 108, 15}},
        {kHelp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Help"), {290, 342, 60, 14}},
        {kOk, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "OK"), {368, 342, 48, 14}},
        {kCancel, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Cancel"), {422, 342, 48, 14}},
    };
}

}  // namespace motivra
