#include "gui/colour_setup/setup_ui_controls.h"

#include "gui/colour_setup/colour_block.h"
#include "gui/colour_setup/hue_bar.h"
#include "gui/colour_setup/palette_list.h"
#include "gui/colour_setup/scheme_swatch.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/colour_setup/shade_square.h"
#include "gui/colour_setup/swatch_list.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider_plain.h"

namespace motivra {

SetupUiControls SetupUiControls::Find(const QWidget& dialog) {
    using namespace setup_ui_id;
    SetupUiControls c;
    c.swatchList = FindControl<SwatchList>(dialog, kSwatchLibrary);
    c.paletteList = FindControl<PaletteList>(dialog, kPaletteView);
    c.paletteHeader = FindControl<SkinHeader>(dialog, kPaletteHeader);
    c.uiSwatch = FindControl<SchemeSwatch>(dialog, kUiSwatch);
    c.shade = FindControl<ShadeSquare>(dialog, kShadeSquare);
    c.hue = FindControl<HueBar>(dialog, kHueBar);
    c.testArea = FindControl<ColourBlock>(dialog, kTestArea);
    c.testGroup = FindControl<SkinGroupBox>(dialog, kTestGroup);
    c.testLabel = FindControl<SkinLabel>(dialog, kTestLabel);
    c.testCheck = FindControl<SkinCheckBox>(dialog, kTestCheck);
    c.testSlider = FindControl<SkinSliderPlain>(dialog, kTestSlider);
    c.testEdit = FindControl<SkinEdit>(dialog, kTestEdit);
    c.testNormal = FindControl<SkinButton>(dialog, kTestNormal);
    c.testPressed = FindControl<SkinButton>(dialog, kTestPressed);
    c.contrastNote = FindControl<SkinLabel>(dialog, kContrastNote);
    c.spread = FindControl<SkinButton>(dialog, kSpreadColour);
    c.deleteColours = FindControl<SkinButton>(dialog, kDeleteColours);
    c.deleteSwatch = FindControl<SkinButton>(dialog, kDeleteSwatch);
    c.colourToLibrary = FindControl<SkinButton>(dialog, kColourToLibrary);
    c.swatchSize = FindControl<SkinSliderPlain>(dialog, kSwatchSize);
    c.paletteSize = FindControl<SkinSliderPlain>(dialog, kPaletteSize);
    return c;
}

void SetupUiControls::ShowTestUi(const TestUiColours& colours, const UiSlots& slotColours,
                                 const QString& note) const {
    testArea->SetColour(colours.area);
    testGroup->SetBGColour(colours.groupBG);
    testGroup->SetTextColour(colours.text);
    testGroup->SetTitleColour(colours.title);
    testLabel->SetBGColour(colours.groupBG);
    testLabel->SetTextColour(colours.text);
    for (SkinButton* button : {testNormal, testPressed}) {
        button->SetBGColour(colours.groupBG);
        button->SetButtonColour(colours.button);
        button->SetSelectedColour(colours.highlight);
        button->SetTextColour(colours.text);
        button->SetFaceStyle(static_cast<int>(colours.buttonFace));
    }
    testEdit->SetBGColour(colours.editBG);
    testEdit->SetTextColour(colours.text);
    testSlider->SetBGColour(colours.groupBG);
    testSlider->SetButtonColour(colours.button);
    testSlider->SetSelectedColour(colours.highlight);
    testSlider->SetTextColour(colours.text);
    testCheck->SetBGColour(colours.groupBG);
    testCheck->SetButtonColour(colours.button);
    testCheck->SetSelectedColour(colours.highlight);
    testCheck->SetTextColour(colours.text);
    for (int i = 0; i < kUiSlotCount; ++i) uiSwatch->SetColour(i, slotColours[static_cast<std::size_t>(i)]);
    contrastNote->SetText(note);
    for (QWidget* w :
         std::initializer_list<QWidget*>{testArea, testGroup, testLabel, testCheck, testSlider, testEdit,
                                         testNormal, testPressed, uiSwatch, contrastNote})
        w->update();
}

void SetupUiControls::EnableTestControls(bool enabled) const {
    testNormal->setEnabled(enabled);
    testLabel->SetEnabled(enabled);
    testSlider->setEnabled(enabled);
    testGroup->update();
    for (QWidget* w : std::initializer_list<QWidget*>{testNormal, testLabel, testSlider}) w->update();
}

}  // namespace motivra
