#include "gui/library/load_behaviour_template.h"

namespace motivra {

std::vector<DialogItem> LoadBehaviourTemplate() {
    using Kind = DialogControlKind;
    using namespace library_dialog_id;
    using namespace load_dialog_id;
    return {
        {kBanner, Kind::Custom, "", {0, 0, 581, 31}},
        {kPreviewGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Behaviour Preview"), {6, 36, 162, 96}},
        {kTagsGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Available Tags"), {6, 138, 162, 240}},
        {kBehavioursGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Behaviours"), {174, 36, 402, 342}},
        {kPreview, Kind::Custom, "", {24, 54, 126, 72}},
        {kTagList, Kind::Custom, "", {12, 150, 150, 188}},
        {kHelpText,
         Kind::Label,
         QT_TRANSLATE_NOOP(
             "Dialog",
             "Click a tag to show related behaviour.\nctrl+click to add a tag\natl+click to subtract a tag."),
         {12, 342, 150, 30}},
        {kSearchLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Name:"), {180, 50, 28, 10}},
        {kSearch, Kind::Edit, "", {210, 48, 120, 13}},
        {kSelectedName, Kind::Label, "", {332, 50, 238, 10}},
        {kGrid, Kind::Custom, "", {180, 64, 390, 308}},
        {kOk, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "OK"), {474, 384, 48, 14}},
        {kCancel, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Cancel"), {528, 384, 48, 14}},
        {kHelp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Help"), {6, 384, 48, 14}},
    };
}

}  // namespace motivra
