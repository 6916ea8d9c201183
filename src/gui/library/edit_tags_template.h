#pragma once

#include <vector>

#include "gui/library/library_dialog.h"

namespace motivra {

// Template 367, the Edit Behaviour Tags dialog: 580 x 409 dialog units. It has no Cancel button.
inline constexpr int kEditTagsWidthUnits = 580;
inline constexpr int kEditTagsHeightUnits = 409;

namespace edit_tags_id {
inline constexpr int kSearchLabel = 1160;
inline constexpr int kSearch = 1161;  // the name search box above the grid
inline constexpr int kSelectedName = 1162;
inline constexpr int kAddTag = 10;
inline constexpr int kDeleteTag = 11;
inline constexpr int kDeleteBehaviour = 12;
inline constexpr int kRebuild = 13;  // "Reconstruct Tag Links"
inline constexpr int kTagsIcon = 1098;
inline constexpr int kTagsGroup = 1145;
inline constexpr int kNewTag = 1146;
inline constexpr int kHelpText = 1147;
inline constexpr int kPreviewGroup = 1148;
inline constexpr int kTagList = 1149;
inline constexpr int kBehavioursGroup = 1155;
inline constexpr int kGrid = 1156;
inline constexpr int kPreview = 1158;
}  // namespace edit_tags_id

// The template's lines in creation order, which is also the focus order: frames first, then the tags, the
// behaviours and the dialog's buttons.
std::vector<DialogItem> EditTagsTemplate();

}  // namespace motivra
