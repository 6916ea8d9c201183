#include "core/library/tag_click.h"

namespace motivra {

TagState ClickedTagState(TagState current, bool ctrl, bool alt) {
    if (alt) return current == TagState::Subtracted ? TagState::Unselected : TagState::Subtracted;
    if (ctrl) return current == TagState::Selected ? TagState::Unselected : TagState::Selected;
    return TagState::Selected;
}

bool PressTagCloud(TagTable& table, int hit, bool ctrl, bool alt, TagState* untagged) {
    bool changed = false;
    if (!ctrl && !alt) {
        if (untagged != nullptr && *untagged != TagState::Unselected) {
            *untagged = TagState::Unselected;
            changed = true;
        }
        for (int i = 0; i < table.Count(); ++i) {
            if (table.Entry(i).state == TagState::Unselected) continue;
            table.SetState(i, TagState::Unselected);
            changed = true;
        }
    }
    if (hit >= 0 && hit < table.Count()) {
        table.SetState(hit, ClickedTagState(table.Entry(hit).state, ctrl, alt));
        changed = true;
    }
    if (untagged != nullptr && hit == table.Count()) {
        *untagged = ClickedTagState(*untagged, ctrl, alt);
        changed = true;
    }
    return changed;
}

}  // namespace motivra
