#pragma once

#include <vector>

#include "gui/library/library_dialog.h"

namespace motivra {

// Template 140, the Save Behaviour dialog: 382 x 348 dialog units.
inline constexpr int kSaveDialogWidthUnits = 382;
inline constexpr int kSaveDialogHeightUnits = 348;

namespace save_dialog_id {
inline constexpr int kAddTag = 10;
inline constexpr int kDeleteTag = 11;
inline constexpr int kTagsIcon = 1098;      // header with the tag picture, beside the new-tag box
inline constexpr int kSelectedIcon = 1099;  // header with the tag picture, beside "These tags..."
inline constexpr int kThumbnail = 1103;     // the thumbnail view: holds the tracks saved
inline constexpr int kThumbnailHeader = 1126;
inline constexpr int kTagsHeader = 1127;
inline constexpr int kDetailsGroup = 1144;
inline constexpr int kTagsGroup = 1145;
inline constexpr int kNewTag = 1146;
inline constexpr int kHelpText = 1147;
inline constexpr int kThumbnailText = 1148;
inline constexpr int kTagList = 1149;
inline constexpr int kTextHeader = 1150;
inline constexpr int kCoreName = 1151;
inline constexpr int kCoreNameLabel = 1152;
inline constexpr int kThumbnailTextLabel = 1153;
inline constexpr int kNumberingNote = 1154;
inline constexpr int kSelectedCaption = 1155;
inline constexpr int kSelectedTags = 1156;  // replaced by the names of the selected tags
inline constexpr int kPreview = 1159;
}  // namespace save_dialog_id

// The template's lines in creation order, which is also the focus order: the banner and frames first (a
// frame painted later would cover what lies in it), then the details, the tags, and the dialog's buttons.
std::vector<DialogItem> SaveBehaviourTemplate();

}  // namespace motivra
