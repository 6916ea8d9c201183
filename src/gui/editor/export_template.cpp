#include "gui/editor/export_template.h"

#include "core/export/export_format.h"

namespace motivra {

namespace {

constexpr const char* kFormatCaptions[kExportFormats.size()] = {
    "CSS animation", "Lottie", "Animated SVG", "WebP", "APNG", "GIF", "WebM video", "PNG frames"};

}  // namespace

std::vector<DialogItem> ExportTemplate() {
    using Kind = DialogControlKind;
    using namespace dialog_id;
    using namespace export_dialog_id;
    std::vector<DialogItem> items = {
        {kBanner, Kind::Custom, "", {0, 0, 581, 31}},
        {kSettingsGroup, Kind::GroupBox, "Export Settings", {6, 36, 186, 214}},
        {kPreviewGroup, Kind::GroupBox, "Preview", {198, 36, 180, 214}},
        {kFormatHeader, Kind::Header, "Format", {12, 48, 174, 18}},
    };
    for (int i = 0; i < static_cast<int>(kExportFormats.size()); ++i)
        items.push_back({kFirstFormat + i,
                         Kind::CheckBox,
                         kFormatCaptions[i],
                         {18 + (i / 4) * 84, 68 + (i % 4) * 13, 80, 10}});
    const std::vector<DialogItem> rest = {
        {kStageHeader, Kind::Header, "Size and Timing", {12, 122, 174, 18}},
        {kSizeLabel, Kind::Label, "Size:", {18, 144, 60, 8}},
        {kWidth, Kind::Edit, "", {80, 142, 34, 12}},
        {kTimes, Kind::Label, "x", {117, 144, 6, 8}},
        {kHeight, Kind::Edit, "", {124, 142, 34, 12}},
        {kPixels, Kind::Label, "pixels", {161, 144, 28, 8}},
        {kDurationLabel, Kind::Label, "Duration:", {18, 160, 60, 8}},
        {kDuration, Kind::Edit, "", {80, 158, 34, 12}},
        {kSeconds, Kind::Label, "seconds", {117, 160, 60, 8}},
        {kFpsLabel, Kind::Label, "Frame rate:", {18, 176, 60, 8}},
        {kFps, Kind::Edit, "", {80, 174, 34, 12}},
        {kPerSecond, Kind::Label, "frames a second", {117, 176, 70, 8}},
        {kPlaysLabel, Kind::Label, "Plays:", {18, 192, 60, 8}},
        {kPlays, Kind::Edit, "", {80, 190, 50, 12}},
        {kFill, Kind::CheckBox, "The picture fills the stage", {18, 210, 168, 10}},
        {kPreview, Kind::Custom, "", {204, 50, 168, 112}},
        {kNotesHeader, Kind::Header, "What the Export Keeps", {204, 166, 168, 18}},
        {kNotes, Kind::Label, "", {208, 186, 166, 60}},
        {kPictureLabel, Kind::Label, "Picture:", {8, 258, 40, 8}},
        {kPicture, Kind::Edit, "", {50, 256, 270, 12}},
        {kPictureBrowse, Kind::Button, "Browse...", {326, 255, 52, 14}},
        {kOutLabel, Kind::Label, "Save to:", {8, 276, 40, 8}},
        {kOut, Kind::Edit, "", {50, 274, 270, 12}},
        {kOutBrowse, Kind::Button, "Browse...", {326, 273, 52, 14}},
        {kProgress, Kind::Custom, "", {6, 292, 372, 8}},
        {kHelp, Kind::Button, "Help", {6, 306, 48, 14}},
        {kOk, Kind::Button, "Export", {276, 306, 48, 14}},
        {kCancel, Kind::Button, "Cancel", {330, 306, 48, 14}},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

}  // namespace motivra
