#pragma once

#include <string>
#include <vector>

#include "core/library/tag_editing.h"
#include "core/library/tag_table.h"

namespace motivra {

// What the Edit Tags dialog is doing, as a value.
struct EditTagsState {
    TagDeleteMode deleteMode;
    bool deleteBehaviourMode = false;
    std::string picked;              // the behaviour whose tags the tag list edits; "" for none
    bool pickedTagsReadable = true;  // its tag database could be read, or it has none
    std::string rememberedTagText;   // SelectedTagsText of its tags as last read or written

    bool operator==(const EditTagsState&) const = default;
};

// What a click on the tag list leads to.
struct EditTagClick {
    // Filter: nothing is picked, so the grid shows the tag list's choice (library_browse) again.
    enum class Grid { Keep, Filter };
    Grid grid = Grid::Keep;
    bool resetPreview = false;
    std::vector<std::string> marked;    // Delete Tag mode: the tags to delete once the user agrees
    std::vector<UserText> problems;     // messages for the user

    bool operator==(const EditTagClick&) const = default;
};

// What a click on the grid leads to.
struct EditGridClick {
    bool changed = false;               // false: the click left the same behaviour picked, nothing to do
    std::string previewPath;            // the behaviour to play from the start; "" leaves the preview reset
    std::string deleteName;             // Delete Behaviour mode: the behaviour to delete once confirmed
    std::vector<UserText> problems;     // messages for the user

    bool operator==(const EditGridClick&) const = default;
};

// What deleting a behaviour did.
struct EditDeletion {
    bool deleted = false;               // its file is gone: the grid drops it
    std::vector<UserText> problems;     // messages for the user

    bool operator==(const EditDeletion&) const = default;
};

// The Edit Behaviour Tags dialog without its windows. A picked behaviour's tags are shown selected; a tag
// click gives the behaviour the tags it gained and takes the ones it lost, in its tag database and in those
// tag files, at once and onto the files as they are on disk, so the two sides of the library never disagree
// and another writer's changes stay. While nothing is picked, tag clicks filter the grid. The two delete
// modes delete tags and behaviours with their files. Every change is made when it is clicked, so closing
// the dialog writes nothing.
class EditTagsModel {
public:
    // library: the library folder, "" when none was found (then every operation finds nothing to do).
    explicit EditTagsModel(std::string library) : library_(std::move(library)) {}

    const EditTagsState& State() const { return state_; }
    const std::string& Library() const { return library_; }

    // The Delete Tag button.
    void ToggleDeleteMode(TagTable& table) { state_.deleteMode.Toggle(table); }
    // The Delete Behaviour button (the dialog clears the grid's selection). Entering the mode lets go of the
    // picked behaviour, whose selection the grid no longer shows: true when one was let go, so the preview
    // and the tag list are reset.
    bool ToggleDeleteBehaviourMode(TagTable& table);
    // The mode ends by itself once the grid shows no behaviour.
    void GridCountChanged(int shown);

    // A click on the tag list; hitTag tells whether the press landed on a tag. A plain click on empty space
    // clears every tag: on a picked behaviour that would take all its tags at a stray click, so its tags
    // stay as they are then.
    EditTagClick ClickTag(TagTable& table, bool hitTag = true);
    // Delete Tag mode: the user agreed to delete the marked tags (or not: then the marks go).
    std::vector<UserText> DeleteTags(TagTable& table, const std::vector<std::string>& tags, bool agreed);
    // selectedName: the behaviour now selected in the grid, "" for none.
    EditGridClick ClickGrid(TagTable& table, const std::string& selectedName);
    // Deletes the behaviour with its ".vmr", tag database and thumbnail and unlinks it from every tag, as one
    // change of the library.
    EditDeletion DeleteBehaviour(TagTable& table, const std::string& name);
    // "Reconstruct Tag Links" over the library's behaviours as they are on disk. The first message says
    // what it wrote. The picked behaviour stays picked with its tags shown, read again from its tag database.
    std::vector<UserText> Rebuild(TagTable& table);
    // The library changed on disk (another program, or this dialog): the table is read again, and the
    // picked behaviour's tags from its tag database.
    std::vector<UserText> Refresh(TagTable& table);

private:
    // Picks the behaviour (or none): its tags become the selection, remembered and captured.
    std::vector<UserText> ReadPickedTags(TagTable& table);
    // The tags of the picked behaviour as last read or written, after a change was refused.
    void RestorePickedTags(TagTable& table) const;
    std::vector<UserText> WritePickedTags(TagTable& table);

    std::string library_;
    EditTagsState state_;
};

}  // namespace motivra
