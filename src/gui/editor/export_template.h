#pragma once

#include <vector>

#include "gui/skin/template_dialog.h"

namespace motivra {

// The Export dialog: 384 x 326 dialog units.
inline constexpr int kExportDialogWidthUnits = 384;
inline constexpr int kExportDialogHeightUnits = 326;

namespace export_dialog_id {
inline constexpr int kSettingsGroup = 2001;
inline constexpr int kFormatHeader = 2002;
inline constexpr int kFirstFormat = 2010;  // one check box a format, in the order of kExportFormats
inline constexpr int kStageHeader = 2020;
inline constexpr int kSizeLabel = 2021;
inline constexpr int kWidth = 2022;
inline constexpr int kTimes = 2023;
inline constexpr int kHeight = 2024;
inline constexpr int kPixels = 2025;
inline constexpr int kDurationLabel = 2026;
inline constexpr int kDuration = 2027;
inline constexpr int kSeconds = 2028;
inline constexpr int kFpsLabel = 2029;
inline constexpr int kFps = 2030;
inline constexpr int kPerSecond = 2031;
inline constexpr int kPlaysLabel = 2032;
inline constexpr int kPlays = 2033;
inline constexpr int kFill = 2034;
inline constexpr int kPreviewGroup = 2040;
inline constexpr int kPreview = 2041;
inline constexpr int kNotesHeader = 2042;
inline constexpr int kNotes = 2043;
inline constexpr int kPictureLabel = 2050;
inline constexpr int kPicture = 2051;
inline constexpr int kPictureBrowse = 2052;
inline constexpr int kOutLabel = 2053;
inline constexpr int kOut = 2054;
inline constexpr int kOutBrowse = 2055;
inline constexpr int kProgress = 2056;
}  // namespace export_dialog_id

// The template's lines in creation order, which is also the focus order: the format, the stage and timing,
// the picture and the file, then the dialog's buttons.
std::vector<DialogItem> ExportTemplate();

}  // namespace motivra
