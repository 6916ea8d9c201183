#include "gui/library/edit_tags_template.h"

namespace motivra {

std::vector<DialogItem> EditTagsTemplate() {
    using Kind = DialogControlKind;
    using namespace library_dialog_id;
    using namespace edit_tags_id;
    return {
        {kBanner, Kind::Custom, "", {0, 0, 581, 31}},
        {kPreviewGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Behaviour Preview"), {6, 36, 168, 78}},
        {kTagsGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Available Tags"), {6, 120, 168, 264}},
        {kBehavioursGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Behaviours"), {180, 36, 396, 348}},
        {kPreview, Kind::Custom, "", {30, 48, 114, 60}},
        {kTagsIcon, Kind::Header, "", {12, 138, 24, 16}},
        {kNewTag, Kind::Edit, "", {36, 138, 84, 13}},
        {kAddTag, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Add Tag"), {126, 138, 42, 14}},
        {kTagList, Kind::Custom, "", {12, 156, 156, 186}},
        {kDeleteTag, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Delete Tag"), {12, 342, 48, 14}},
        {kRebuild, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Reconstruct Tag Links"), {72, 342, 96, 14}},
        {kHelpText,
         Kind::Label,
         QT_TRANSLATE_NOOP("Dialog", "Select a behaviour.\nClick a tag to relate it to the behaviour."),
         {12, 360, 156, 20}},
        {kSearchLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Name:"), {186, 50, 28, 10}},
        {kSearch, Kind::Edit, "", {216, 48, 120, 13}},
        {kSelectedName, Kind::Label, "", {338, 50, 232, 10}},
        {kGrid, Kind::Custom, "", {186, 64, 384, 296}},
        {kDeleteBehaviour, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Delete Behaviour"), {186, 360, 72, 15}},
        {kOk, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "OK"), {528, 390, 48, 14}},
        {kHelp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Help"), {6, 390, 48, 14}},
    };
}

}  // namespace motivra
