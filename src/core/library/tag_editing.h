#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/library/tag_table.h"
#include "core/text/user_text.h"

namespace motivra {

// The tag editing the Save and Edit Tags dialogs share: adding a typed tag and the Delete Tag mode. Both
// change the library at once, onto its files as they are on disk, and read the table again.

// The text without white space (blank, tab, CR, LF, VT, FF) at either end.
std::string TrimWhiteSpace(std::string_view text);

// What adding the text of a dialog's new-tag box did.
struct AddedTag {
    bool added = false;     // a new tag, Unselected and without links, is in the library and the table
    bool clearBox = false;  // the box is emptied: its tag was added, or it held nothing but blanks
    UserText message;       // why the name was refused or could not be saved, for the user; empty otherwise

    bool operator==(const AddedTag&) const = default;
};

// Adds the typed text as a tag, trimmed of white space at both ends (the blank that Enter types into the
// box would otherwise end every tag added with Enter, and a blank at either end is invisible in the cloud):
// its empty tag file is made in library and the table is read again. A name already in the table, one
// holding "/" and one made of dots only are refused with a message and the box keeps it.
AddedTag AddTypedTag(TagTable& table, const std::string& library, std::string_view typed);

// The Delete Tag mode: while it is on, a click on the tag list marks tags for deletion, and once the user
// agrees each goes from the library: its file, and its line in every tag database, so it does not come back.
// The button clears every tag's state on the way in, so only the tags clicked afterwards are marked; on the
// way out the states the tags had before come back to the tags still there, so toggling the mode twice
// changes nothing, and a behaviour being saved or edited keeps its tags.
class TagDeleteMode {
public:
    bool IsOn() const { return on_; }
    void Toggle(TagTable& table);

    // The tags a click marked (every tag that is not Unselected), in table order.
    static std::vector<std::string> Marked(const TagTable& table);
    // The question the user answers before the marked tags go.
    static UserText Question(const std::vector<std::string>& tags);
    // Deletes the tags from the library and reads the table again; with no tag left the mode ends by
    // itself. Problems for the user, one per tag that could not be deleted (it stays).
    std::vector<UserText> Delete(TagTable& table, const std::string& library,
                                 const std::vector<std::string>& tags);

    bool operator==(const TagDeleteMode&) const = default;

private:
    void Leave(TagTable& table);

    bool on_ = false;
    std::vector<std::pair<std::string, TagState>> kept_;  // states before the mode, by tag name
};

// A note for the user when some tag files could not be read: they are shown without their links and left as
// they are on disk. Empty when every file was read.
UserText UnreadableTagsMessage(const TagTable& table);

}  // namespace motivra
