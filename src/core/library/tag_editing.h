#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/library/tag_table.h"

namespace motivra {

// The tag editing the Save and Edit Tags dialogs share: adding a typed tag, the Delete Tag mode, and
// writing the tag files when the dialog closes.

// The text without white space (blank, tab, CR, LF, VT, FF) at either end.
std::string TrimWhiteSpace(std::string_view text);

// What adding the text of a dialog's new-tag box did.
struct AddedTag {
    bool added = false;     // a new tag, Unselected and without links, ends the table
    bool clearBox = false;  // the box is emptied: its tag was added, or it held nothing but blanks
    std::string message;    // why the name was refused, for the user; empty otherwise

    bool operator==(const AddedTag&) const = default;
};

// Adds the typed text as a tag, trimmed of white space at both ends: the blank that Enter types into the box
// would otherwise end every tag added with Enter, and a blank at either end is invisible in the cloud. A
// name already in the table, or one holding "/", is refused with a message and the box keeps it.
AddedTag AddTypedTag(TagTable& table, std::string_view typed);

// The Delete Tag mode: while it is on, a click on the tag list deletes the tags it marks, with their files.
// The button clears every tag's state on the way in, so only the tags clicked afterwards are marked; on the
// way out the states the tags had before come back to the tags still there, so toggling the mode twice
// changes nothing, and a behaviour being saved or edited keeps its tags.
class TagDeleteMode {
public:
    bool IsOn() const { return on_; }
    void Toggle(TagTable& table);

    // A click on the tag list while the mode is on: every tag that is not Unselected goes, with its file.
    // When no tag is left the mode ends by itself. The result names the tag files that could not be removed
    // (their tags come back at the next load).
    std::vector<std::string> DeleteMarked(TagTable& table);

    bool operator==(const TagDeleteMode&) const = default;

private:
    void Leave(TagTable& table);

    bool on_ = false;
    std::vector<std::pair<std::string, TagState>> kept_;  // states before the mode, by tag name
};

// Writes the tag files when a library dialog closes, after OK or Cancel alike: every tag whose file would
// change, so tags added in the dialog get their files and new links reach the disk. A missing tags folder
// is made first when there are tags to write. The result describes each file that could not be written,
// for the user; the previous file stays as it was. Tags whose files could not be read when the table was
// loaded are never rewritten (UnreadableTagsMessage told the user so).
std::vector<std::string> SaveTagFiles(TagTable& table, const std::string& library);

// A note for the user when some tag files could not be read: they are shown without their links and left as
// they are on disk. Empty when every file was read.
std::string UnreadableTagsMessage(const TagTable& table);

}  // namespace motivra
