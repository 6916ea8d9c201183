#pragma once

#include <vector>

#include "gui/library/library_dialog.h"

namespace motivra {

// Template 366, the Load Behaviour dialog: 581 x 402 dialog units.
inline constexpr int kLoadDialogWidthUnits = 581;
inline constexpr int kLoadDialogHeightUnits = 402;

namespace load_dialog_id {
inline constexpr int kSearchLabel = 1160;
inline constexpr int kSearch = 1161;  // the name search box above the grid
inline constexpr int kSelectedName = 1162;
inline constexpr int kGrid = 1098;
inline constexpr int kTagsGroup = 1145;
inline constexpr int kPreviewGroup = 1146;
inline constexpr int kHelpText = 1147;
inline constexpr int kTagList = 1149;
inline constexpr int kBehavioursGroup = 1155;
inline constexpr int kPreview = 1158;
}  // namespace load_dialog_id

// The template's lines in creation order, which is also the focus order: frames first, then the tags, the
// behaviours and the dialog's buttons.
std::vector<DialogItem> LoadBehaviourTemplate();

}  // namespace motivra
