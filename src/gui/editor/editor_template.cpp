#include "gui/editor/editor_template.h"

#include "core/engine/parameter_table.h"

namespace motivra {

namespace {

using Kind = DialogControlKind;

// Rows are 18 units apart from y 61. Each slider fills its row's height from 3 units above that line, so the
// value printed above the groove clears the thumb; the groove then lies 6 units below the line, and the
// labels, boxes and Reset button are centred on it.
constexpr int kFirstRowY = 61;
constexpr int kRowPitch = 18;

void AddRow(std::vector<DialogItem>& items, int r) {
    const RowIds ids = RowIdsFor(r);
    const int y = kFirstRowY + kRowPitch * r;
    items.push_back({ids.label, Kind::Label, Parameter(r).label.data(), {10, y + 2, 44, 10}});
    items.push_back({ids.startSlider, Kind::Slider, "", {54, y - 3, 96, 18}});
    items.push_back({ids.startTimeBox, Kind::CheckBox, "", {153, y + 3, 16, 8}});
    items.push_back({ids.endSlider, Kind::Slider, "", {173, y - 3, 94, 18}});
    items.push_back({ids.endTimeBox, Kind::CheckBox, "", {271, y + 3, 16, 8}});
    items.push_back({ids.smooth, Kind::CheckBox, QT_TRANSLATE_NOOP("Dialog", "Smooth"), {299, y + 3, 37, 8}});
    items.push_back({ids.reset, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Reset"), {340, y, 28, 14}});
}

}  // namespace

std::vector<DialogItem> EditorTemplate() {
    using namespace editor_id;
    std::vector<DialogItem> items = {
        {kBanner, Kind::Custom, "", {0, 0, 581, 31}},
        {kEditGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Edit Behaviours"), {6, 36, 366, 264}},
        {kRowGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Behaviour: Zoom"), {378, 36, 198, 264}},
        {kOptionsGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Advanced Options"), {6, 306, 366, 66}},
        {kThumbnailGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Thumbnail"), {378, 306, 198, 66}},
        {kStartHeader, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Start Position"), {54, 48, 96, 9}},
        {kEndHeader, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "End Position"), {173, 48, 94, 9}},
    };
    for (int r = 0; r < kParameterCount; ++r) AddRow(items, r);
    const std::vector<DialogItem> rest = {
        {kPreview, Kind::Custom, "", {390, 54, 174, 126}},
        {kTimeline, Kind::Custom, "", {402, 186, 150, 76}},
        {kTransport, Kind::Custom, "", {391, 262, 172, 15}},
        {kFirst, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "|<"), {415, 282, 18, 14}},
        {kLoop, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "LOOP"), {433, 282, 28, 14}},
        {kPlay, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "PLAY"), {461, 282, 32, 14}},
        {kStop, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "STOP"), {493, 282, 28, 14}},
        {kLast, Kind::Button, QT_TRANSLATE_NOOP("Dialog", ">|"), {521, 282, 18, 14}},
        {kLoad, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Load"), {24, 321, 36, 14}},
        {kSave, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Save"), {66, 321, 36, 14}},
        {kSaveAs, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Save As"), {108, 321, 36, 14}},
        {kMerge, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Merge"), {24, 348, 36, 14}},
        {kEditTags, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Edit Tags"), {66, 348, 36, 14}},
        {kSetupUi, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Setup UI"), {108, 348, 36, 14}},
        {kLockLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Lock Starts and Ends:"), {152, 323, 92, 10}},
        {kLockStarts, Kind::CheckBox, "", {246, 324, 16, 8}},
        {kLockEnds, Kind::CheckBox, "", {270, 324, 12, 8}},
        {kLeadLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Use Lead in/out:"), {152, 350, 92, 10}},
        {kLeadIn, Kind::CheckBox, "", {246, 351, 16, 8}},
        {kLeadOut, Kind::CheckBox, "", {270, 351, 15, 8}},
        {kResetAll, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Reset All"), {300, 321, 36, 14}},
        {kHelp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Help"), {340, 321, 28, 14}},
        {kSwap, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Swap End/Start"), {300, 348, 68, 14}},
        {kThumbnail, Kind::Custom, "", {444, 321, 64, 44}},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

}  // namespace motivra
