#pragma once

#include "core/library/tag_entry.h"
#include "core/library/tag_table.h"

namespace motivra {

// The state a clicked tag takes: with Alt it is marked Subtracted, or cleared when it was Subtracted; with
// Ctrl (and no Alt) it toggles in or out of the selection, and a Subtracted tag becomes Selected; a plain
// click selects it.
TagState ClickedTagState(TagState current, bool ctrl, bool alt);

// A left-button press on the tag cloud over tag hit (-1 for none): without Ctrl or Alt every tag is cleared
// first, so a plain click selects exactly one tag, or none on empty space; then the hit tag changes by
// ClickedTagState. With `untagged`, the cloud ends with the "(untagged)" entry, whose state that is: hit
// Count() is a press on it. True when any state changed.
bool PressTagCloud(TagTable& table, int hit, bool ctrl, bool alt, TagState* untagged = nullptr);

}  // namespace motivra
