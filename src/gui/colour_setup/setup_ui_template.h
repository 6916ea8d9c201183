#pragma once

#include <vector>

#include "gui/skin/dialog_template.h"

namespace motivra {

// Template 135, the Setup User Interface dialog: 480 x 361 dialog units, every control by id. The middle
// column is 80 units wide rather than 66, so that its captions fit in the mapped dialog font; the palette
// column and the bottom buttons move right by the 14 units gained.
inline constexpr int kSetupUiWidthUnits = 480;
inline constexpr int kSetupUiHeightUnits = 361;

namespace setup_ui_id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kHelp = 3;
inline constexpr int kDefaultSwatch = 4;
inline constexpr int kSpreadColour = 5;
inline constexpr int kSwatchToLibrary = 6;
inline constexpr int kColourToLibrary = 7;
inline constexpr int kDeleteColours = 8;
inline constexpr int kTestPressed = 9;
inline constexpr int kTestNormal = 10;
inline constexpr int kDeleteSwatch = 11;
inline constexpr int kVista = 12;  // then ramp 13 and flat 14: the face is the id less 12
inline constexpr int kRamp = 13;
inline constexpr int kFlat = 14;
inline constexpr int kUiSwatch = 1098;
inline constexpr int kPaletteHeader = 1125;
inline constexpr int kEditGroup = 1126;
inline constexpr int kPaletteView = 1127;
inline constexpr int kShadeSquare = 1128;
inline constexpr int kHueBar = 1129;
inline constexpr int kPaletteSize = 1130;
inline constexpr int kTestSlider = 1133;
inline constexpr int kSwatchLibrary = 1135;
inline constexpr int kSwatchSize = 1136;
inline constexpr int kSwatchGroup = 1139;
inline constexpr int kTestGroup = 1140;
inline constexpr int kTestCheck = 1141;
inline constexpr int kTestLabel = 1142;
inline constexpr int kTestArea = 1143;
inline constexpr int kTestEdit = 1154;
// The quiet line under the test area that says when the text colour is hard to read.
inline constexpr int kContrastNote = 1155;
}  // namespace setup_ui_id

// The template's lines in creation order, which is also the focus order and the stacking order: the test area
// lies under the test group, and each group under the controls placed on it.
std::vector<DialogItem> SetupUiTemplate();

}  // namespace motivra
