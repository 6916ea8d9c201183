#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/tag_editing.h"
#include "core/library/tag_table.h"

namespace motivra {

// Makes the two files of a behaviour being saved, in memory: the Save dialog's thumbnail view holds the
// tracks and the picture. The library writes them with the rest of the save, all or nothing.
class BehaviourWriter {
public:
    virtual ~BehaviourWriter() = default;
    // The bytes of the ".vmr".
    virtual std::string EncodeBehaviour(const std::string& thumbnailText) = 0;
    // The bytes of the ".bmp"; nullopt when the picture could not be made, with why in *error.
    virtual std::optional<std::string> EncodeThumbnail(std::string* error) = 0;
};

// What a change of the thumbnail text or core name box leads to.
struct BoxChange {
    bool clearBox = false;               // Enter was pressed: the box is emptied, the value kept
    std::optional<std::string> applied;  // the new value (trimmed; the core name also in lower case)

    bool operator==(const BoxChange&) const = default;
};

// What the save asked for, as the dialog knows it when OK is clicked.
struct SaveRequest {
    bool anyTrackEnabled = false;
    std::string library;        // the library folder, "" when none was found
    std::string thumbnailText;  // the text the thumbnail view shows
    // The characters of the typed thumbnail text that a behaviour file cannot hold (UTF-8, one each).
    std::vector<std::string> unsupportedCharacters;
};

// What OK did. Refused: nothing was saved and the dialog stays open for the user to put it right or cancel.
// Otherwise the behaviour is at savedPath with its thumbnail, tag database and links, and the dialog ends
// with OK.
struct SaveOutcome {
    bool saved = false;
    std::string savedPath;
    std::vector<UserText> problems;  // messages for the user, in order
};

// What a click on the tag list leads to.
struct SaveTagClick {
    std::optional<std::string> label;  // the new text of "These tags have been selected:"'s label
    std::vector<std::string> marked;   // Delete Tag mode: the tags to delete once the user agrees

    bool operator==(const SaveTagClick&) const = default;
};

// The Save Behaviour dialog without its windows: the core name, the box rules, the tag clicks in both modes
// and the save.
class SaveBehaviourModel {
public:
    // The core name as the settings held it ("CoreFilename"); "vmrk" when there was none.
    explicit SaveBehaviourModel(std::string coreName);

    const std::string& CoreName() const { return coreName_; }
    bool DeleteMode() const { return deleteMode_.IsOn(); }

    // The thumbnail text box changed; enter when the change is the blank an Enter typed. Enter empties the
    // box and keeps the text the thumbnail shows; any other change shows the trimmed text.
    static BoxChange ThumbnailTextChanged(std::string_view text, bool enter);
    // The core name box changed: Enter empties the box and keeps the core name; any other change makes the
    // core name the text, trimmed and in lower case (ASCII letters).
    BoxChange CoreNameChanged(std::string_view text, bool enter);

    // The Delete Tag button.
    void ToggleDeleteMode(TagTable& table) { deleteMode_.Toggle(table); }
    // A click on the tag list: in Delete Tag mode it names the marked tags; otherwise the label shows the
    // selected tags.
    SaveTagClick ClickTag(TagTable& table);
    // The user agreed to delete the marked tags (or not: then the marks go).
    std::vector<UserText> DeleteTags(TagTable& table, const std::string& library,
                                     const std::vector<std::string>& tags, bool agreed);

    // OK: the save. Nothing is saved without an enabled track, a library or an acceptable core name, with a
    // thumbnail text the file cannot hold, or when any of its files cannot be written: the behaviour, its
    // thumbnail, its tag database and its links are one change of the library, under the next free
    // numbered name.
    SaveOutcome Save(const SaveRequest& request, TagTable& table, BehaviourWriter& writer);

private:
    std::string coreName_;
    TagDeleteMode deleteMode_;
};

// The lower case the Save dialog and motivra-cli give a typed core name (ASCII letters only).
std::string LowerCaseCoreName(std::string text);

}  // namespace motivra
