#include "gui/editor/export_template.h"

#include "core/export/export_format.h"

namespace motivra {

namespace {

constexpr const char* kFormatCaptions[kExportFormats.size()] = {
    QT_TRANSLATE_NOOP("Dialog", "CSS animation"), QT_TRANSLATE_NOOP("Dialog", "Lottie"),
    QT_TRANSLATE_NOOP("Dialog", "Animated SVG"),  QT_TRANSLATE_NOOP("Dialog", "WebP"),
    QT_TRANSLATE_NOOP("Dialog", "APNG"),          QT_TRANSLATE_NOOP("Dialog", "GIF"),
    QT_TRANSLATE_NOOP("Dialog", "WebM video"),    QT_TRANSLATE_NOOP("Dialog", "PNG frames")};

}  // namespace

std::vector<DialogItem> ExportTemplate() {
    using Kind = DialogControlKind;
    using namespace dialog_id;
    using namespace export_dialog_id;
    std::vector<DialogItem> items = {
        {kBanner, Kind::Custom, "", {0, 0, 581, 31}},
        {kSettingsGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Export Settings"), {6, 36, 186, 214}},
        {kPreviewGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Preview"), {198, 36, 180, 214}},
        {kFormatHeader, Kind::Header, QT_TRANSLATE_NOOP("Dialog", "Format"), {12, 48, 174, 18}},
    };
    for (int i = 0; i < static_cast<int>(kExportFormats.size()); ++i)
        items.push_back({kFirstFormat + i,
                         Kind::CheckBox,
                         kFormatCaptions[i],
                         {18 + (i / 4) * 84, 68 + (i % 4) * 13, 80, 10}});
    const std::vector<DialogItem> rest = {
        {kStageHeader, Kind::Header, QT_TRANSLATE_NOOP("Dialog", "Size and Timing"), {12, 122, 174, 18}},
        {kSizeLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Size:"), {18, 144, 60, 8}},
        {kWidth, Kind::Edit, "", {80, 142, 34, 12}},
        {kTimes, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "x"), {117, 144, 6, 8}},
        {kHeight, Kind::Edit, "", {124, 142, 34, 12}},
        {kPixels, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "pixels"), {161, 144, 28, 8}},
        {kDurationLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Duration:"), {18, 160, 60, 8}},
        {kDuration, Kind::Edit, "", {80, 158, 34, 12}},
        {kSeconds, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "seconds"), {117, 160, 60, 8}},
        {kFpsLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Frame rate:"), {18, 176, 60, 8}},
        {kFps, Kind::Edit, "", {80, 174, 34, 12}},
        {kPerSecond, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "frames a second"), {117, 176, 70, 8}},
        {kPlaysLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Plays:"), {18, 192, 60, 8}},
        {kPlays, Kind::Edit, "", {80, 190, 50, 12}},
        {kFill,
         Kind::CheckBox,
         QT_TRANSLATE_NOOP("Dialog", "The picture fills the stage"),
         {18, 210, 168, 10}},
        {kPreview, Kind::Custom, "", {204, 50, 168, 112}},
        {kNotesHeader,
         Kind::Header,
         QT_TRANSLATE_NOOP("Dialog", "What the Export Keeps"),
         {204, 166, 168, 18}},
        {kNotes, Kind::Label, "", {208, 186, 166, 60}},
        {kPictureLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Picture:"), {8, 258, 40, 8}},
        {kPicture, Kind::Edit, "", {50, 256, 270, 12}},
        {kPictureBrowse, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Browse..."), {326, 255, 52, 14}},
        {kOutLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Save to:"), {8, 276, 40, 8}},
        {kOut, Kind::Edit, "", {50, 274, 270, 12}},
        {kOutBrowse, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Browse..."), {326, 273, 52, 14}},
        {kProgress, Kind::Custom, "", {6, 292, 372, 8}},
        {kHelp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Help"), {6, 306, 48, 14}},
        {kOk, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Export"), {276, 306, 48, 14}},
        {kCancel, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Cancel"), {330, 306, 48, 14}},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

}  // namespace motivra
