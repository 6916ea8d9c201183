#include "gui/library/save_behaviour_template.h"

namespace motivra {

std::vector<DialogItem> SaveBehaviourTemplate() {
    using Kind = DialogControlKind;
    using namespace library_dialog_id;
    using namespace save_dialog_id;
    return {
        {kBanner, Kind::Custom, "", {0, 0, 581, 31}},
        {kDetailsGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Behaviour Details"), {6, 36, 186, 288}},
        {kTagsGroup, Kind::GroupBox, QT_TRANSLATE_NOOP("Dialog", "Available Tags"), {198, 36, 180, 288}},
        {kThumbnailHeader,
         Kind::Header,
         QT_TRANSLATE_NOOP("Dialog", "Behaviour Thumbnail"),
         {12, 48, 174, 18}},
        {kPreview, Kind::Custom, "", {18, 66, 72, 48}},
        {kThumbnail, Kind::Custom, "", {110, 66, 64, 44}},
        {kThumbnailTextLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Thumbnail Text:"), {16, 122, 66, 8}},
        {kThumbnailText, Kind::Edit, "", {84, 120, 96, 13}},
        {kTextHeader, Kind::Header, QT_TRANSLATE_NOOP("Dialog", "Behaviour Text"), {12, 138, 174, 18}},
        {kCoreNameLabel, Kind::Label, QT_TRANSLATE_NOOP("Dialog", "Core Filename:"), {16, 158, 66, 8}},
        {kCoreName, Kind::Edit, "", {84, 156, 96, 13}},
        {kNumberingNote,
         Kind::Label,
         QT_TRANSLATE_NOOP("Dialog", "All filenames will be automatically numbered.\n[filename]-0000.vmr"),
         {24, 172, 162, 28}},
        {kTagsHeader, Kind::Header, QT_TRANSLATE_NOOP("Dialog", "Behaviour Tags"), {12, 202, 174, 18}},
        {kSelectedIcon, Kind::Header, "", {12, 220, 24, 16}},
        {kSelectedCaption,
         Kind::Label,
         QT_TRANSLATE_NOOP("Dialog", "These tags have been selected:"),
         {36, 223, 144, 13}},
        {kSelectedTags,
         Kind::Label,
         QT_TRANSLATE_NOOP("Dialog", "(Click an available tag to select it.)"),
         {24, 238, 156, 80}},
        {kTagsIcon, Kind::Header, "", {204, 54, 24, 16}},
        {kNewTag, Kind::Edit, "", {228, 55, 96, 13}},
        {kAddTag, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Add Tag"), {330, 54, 42, 14}},
        {kTagList, Kind::Custom, "", {204, 72, 168, 204}},
        {kDeleteTag, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Delete Tag"), {204, 276, 48, 14}},
        {kHelpText,
         Kind::Label,
         QT_TRANSLATE_NOOP(
             "Dialog",
             "Click a tag to relate it to the behaviour.\nOK saves the behaviour with the selected tags."),
         {204, 294, 168, 28}},
        {kOk, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "OK"), {276, 330, 48, 14}},
        {kCancel, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Cancel"), {330, 330, 48, 14}},
        {kHelp, Kind::Button, QT_TRANSLATE_NOOP("Dialog", "Help"), {6, 330, 48, 14}},
    };
}

}  // namespace motivra
