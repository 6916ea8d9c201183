#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/tag_editing.h"
#include "core/library/tag_table.h"

namespace motivra {

// Writes the two files of a behaviour being saved: the Save dialog's thumbnail view holds the tracks and the
// picture. Each returns "" when the file was written, else why not (the previous file, if any, is kept).
class BehaviourWriter {
public:
    virtual ~BehaviourWriter() = default;
    // folder ends with a separator; the file is folder + name + ".vmr".
    virtual std::string WriteBehaviour(const std::string& folder, const std::string& name,
                                       const std::string& thumbnailText) = 0;
    // The thumbnail bitmap thumbsFolder/name.bmp.
    virtual std::string WriteThumbnail(const std::string& thumbsFolder, const std::string& name) = 0;
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
};

// What OK did. Refused: nothing was saved and the dialog stays open for the user to put it right or
// cancel. Otherwise the behaviour is at savedPath and the dialog ends with OK; problems then tell what
// could not be written beside it.
struct SaveOutcome {
    bool saved = false;
    std::string savedPath;
    std::vector<std::string> problems;  // messages for the user, in order
};

// What a click on the tag list leads to.
struct SaveTagClick {
    std::optional<std::string> label;   // the new text of "These tags have been selected:"'s label
    std::vector<std::string> problems;  // tag files that could not be removed in Delete Tag mode

    bool operator==(const SaveTagClick&) const = default;
};

// The Save Behaviour dialog without its windows: the core name, the box rules, the tag clicks in both modes
// and the save sequence.
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
    // A click on the tag list: in Delete Tag mode the marked tags are deleted; otherwise the label shows the
    // selected tags.
    SaveTagClick ClickTag(TagTable& table);

    // OK: the save sequence. Nothing is saved without an enabled track, a library or an acceptable core
    // name, or when the library cannot be written; the missing thumbs, tagdb and tags subfolders are made.
    // The behaviour gets the next free numbered name, then its file, thumbnail and tag database are written
    // and the selected tags linked to it (the tag files are written when the dialog closes).
    SaveOutcome Save(const SaveRequest& request, TagTable& table, BehaviourWriter& writer);

private:
    std::string coreName_;
    TagDeleteMode deleteMode_;
};

}  // namespace motivra
