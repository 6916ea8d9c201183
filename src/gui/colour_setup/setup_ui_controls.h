#pragma once

#include <QWidget>

#include <string>

#include "core/colour_setup/setup_ui_model.h"

namespace motivra {

class ColourBlock;
class HueBar;
class PaletteList;
class SchemeSwatch;
class ShadeSquare;
class SkinButton;
class SkinCheckBox;
class SkinEdit;
class SkinGroupBox;
class SkinHeader;
class SkinLabel;
class SkinSliderPlain;
class SwatchList;

// The Setup User Interface dialog's controls by role, found by id. The dialog owns them all (Qt parent
// ownership); these are references.
struct SetupUiControls {
    // Finds every control of template 135 among the dialog's children.
    static SetupUiControls Find(const QWidget& dialog);

    // The test area, its group and the test controls in the colours being edited, the UI swatch showing the
    // six slots, and the contrast note; everything repaints.
    void ShowTestUi(const TestUiColours& colours, const UiSlots& slotColours, const QString& note) const;
    // The test "Normal" button, label and slider, enabled or not together with the "Enabled" box.
    void EnableTestControls(bool enabled) const;

    SwatchList* swatchList = nullptr;
    PaletteList* paletteList = nullptr;
    SkinHeader* paletteHeader = nullptr;
    SchemeSwatch* uiSwatch = nullptr;
    ShadeSquare* shade = nullptr;
    HueBar* hue = nullptr;
    ColourBlock* testArea = nullptr;
    SkinGroupBox* testGroup = nullptr;
    SkinLabel* testLabel = nullptr;
    SkinCheckBox* testCheck = nullptr;
    SkinSliderPlain* testSlider = nullptr;
    SkinEdit* testEdit = nullptr;
    SkinButton* testNormal = nullptr;
    SkinButton* testPressed = nullptr;
    SkinLabel* contrastNote = nullptr;
    SkinButton* spread = nullptr;
    SkinButton* deleteColours = nullptr;
    SkinButton* deleteSwatch = nullptr;
    SkinButton* colourToLibrary = nullptr;
    SkinSliderPlain* swatchSize = nullptr;
    SkinSliderPlain* paletteSize = nullptr;
};

}  // namespace motivra
