#pragma once

#include <vector>

#include "gui/skin/dialog_template.h"

namespace motivra {

// Template 102, the editor window: 581 x 378 dialog units, every control by id.
inline constexpr int kEditorWidthUnits = 581;
inline constexpr int kEditorHeightUnits = 378;

namespace editor_id {
inline constexpr int kBanner = 130;  // the banner has no control id of its own: it goes by its picture's
inline constexpr int kTransport = 1014;
inline constexpr int kTimeline = 1015;
inline constexpr int kLoad = 1094;
inline constexpr int kSave = 1095;
inline constexpr int kSaveAs = 1096;
inline constexpr int kSwap = 1097;
inline constexpr int kResetAll = 1098;
inline constexpr int kPreview = 1099;
inline constexpr int kRowGroup = 1100;
inline constexpr int kLockStarts = 1101;
inline constexpr int kLockEnds = 1102;
inline constexpr int kThumbnail = 1103;
inline constexpr int kLeadIn = 1104;
inline constexpr int kLeadOut = 1105;
inline constexpr int kThumbnailGroup = 1106;
inline constexpr int kEditGroup = 1108;
inline constexpr int kLeadLabel = 1109;
inline constexpr int kLockLabel = 1110;
inline constexpr int kOptionsGroup = 1111;
inline constexpr int kFirst = 1124;  // "|<"
inline constexpr int kLast = 1125;   // ">|"
inline constexpr int kPlay = 1126;
inline constexpr int kStartHeader = 1127;
inline constexpr int kEndHeader = 1128;
inline constexpr int kStop = 1129;
inline constexpr int kSetupUi = 1130;
inline constexpr int kHelp = 1131;
inline constexpr int kLoop = 1132;
inline constexpr int kEditTags = 1133;
inline constexpr int kMerge = 1134;
}  // namespace editor_id

// The controls of row r (0..12): ids 1016 + 6r to 1021 + 6r, and the Smooth box 1107 for row 0, 1111 + r
// after it.
struct RowIds {
    int startSlider, endSlider, startTimeBox, endTimeBox, reset, label, smooth;
};

constexpr RowIds RowIdsFor(int r) {
    const int base = 1016 + 6 * r;
    return {base, base + 1, base + 2, base + 3, base + 4, base + 5, r == 0 ? 1107 : 1111 + r};
}

// The template's lines in creation order, which is also the focus order: the frames first, then each row
// across, the playback strip, the file buttons and the options.
std::vector<DialogItem> EditorTemplate();

}  // namespace motivra
