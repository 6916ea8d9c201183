#include "core/library/edit_tags_model.h"

#include <algorithm>

#include "core/library/file_checks.h"
#include "core/library/library_edits.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"
#include "core/library/library_subfolders.h"

namespace motivra {

namespace {

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n" + line;
    return text;
}

}  // namespace

bool EditTagsModel::ToggleDeleteBehaviourMode(TagTable& table) {
    state_.deleteBehaviourMode = !state_.deleteBehaviourMode;
    if (!state_.deleteBehaviourMode || state_.picked.empty()) return false;
    state_.picked.clear();
    ReadPickedTags(table);
    return true;
}

void EditTagsModel::GridCountChanged(int shown) {
    if (shown == 0) state_.deleteBehaviourMode = false;
}

EditTagClick EditTagsModel::ClickTag(TagTable& table, bool hitTag) {
    EditTagClick click;
    if (state_.deleteMode.IsOn()) {
        click.marked = TagDeleteMode::Marked(table);
        // The picked behaviour's preview plays on: deleting a tag does not change the behaviour.
        click.resetPreview = state_.picked.empty();
        return click;
    }
    if (!state_.picked.empty()) {
        if (hitTag) {
            click.problems = WritePickedTags(table);
        } else {
            RestorePickedTags(table);
        }
        return click;
    }
    click.resetPreview = true;
    click.grid = EditTagClick::Grid::Filter;
    return click;
}

std::vector<UserText> EditTagsModel::DeleteTags(TagTable& table, const std::vector<std::string>& tags,
                                                bool agreed) {
    if (!agreed) {
        table.ClearStates();
        return {};
    }
    return state_.deleteMode.Delete(table, library_, tags);
}

std::vector<UserText> EditTagsModel::WritePickedTags(TagTable& table) {
    const std::string behaviour = state_.picked;
    if (!state_.pickedTagsReadable) {
        RestorePickedTags(table);
        return {
            UiText("Library", "The tags of %1 cannot be changed here: its tag database %2 could not be read.")
                .Arg(behaviour)
                .Arg(TagDbPath(library_, behaviour))};
    }
    // A behaviour has a tag or not: an Alt click takes the tag away like a click that leaves it unselected,
    // so its link goes with it.
    for (int i = 0; i < table.Count(); ++i) {
        if (table.Entry(i).state == TagState::Subtracted) table.SetState(i, TagState::Unselected);
    }
    if (table.SelectedTagsText() == state_.rememberedTagText) return {};

    // Only what this click changed: the tags gained and the tags lost since the tags were last read.
    const std::vector<std::string>& had = table.CapturedSelected();
    std::vector<std::string> add;
    std::vector<std::string> remove;
    for (const TagEntry& entry : table.Entries()) {
        const bool before = std::find(had.begin(), had.end(), entry.name) != had.end();
        if (entry.state == TagState::Selected && !before) add.push_back(entry.name);
    }
    for (const std::string& name : had) {
        const int index = table.FindTag(name);
        if (index < 0 || table.Entry(index).state != TagState::Selected) remove.push_back(name);
    }
    const LibraryChange change = RetagBehaviour(library_, behaviour, add, remove);
    if (!change.failure.empty()) {
        RestorePickedTags(table);
        return {UiText("Library", "The tags of %1 were not changed: %2.").Arg(behaviour).Arg(change.failure)};
    }
    table.Refresh();
    return ReadPickedTags(table);
}

void EditTagsModel::RestorePickedTags(TagTable& table) const {
    table.ClearStates();
    for (const std::string& name : table.CapturedSelected())
        table.SetState(table.FindTag(name), TagState::Selected);
}

EditGridClick EditTagsModel::ClickGrid(TagTable& table, const std::string& selectedName) {
    EditGridClick click;
    if (state_.deleteBehaviourMode) {
        click.changed = true;
        if (IsAcceptableBehaviourName(selectedName)) click.deleteName = selectedName;
        return click;
    }
    if (selectedName == state_.picked) return click;
    click.changed = true;
    // Tags marked for deletion belong to the mode, not to the behaviour now picked.
    if (state_.deleteMode.IsOn()) state_.deleteMode.Toggle(table);
    state_.picked = IsAcceptableBehaviourName(selectedName) ? selectedName : std::string();
    click.problems = ReadPickedTags(table);
    if (!state_.picked.empty() && !library_.empty()) {
        const std::string path = BehaviourPath(library_, state_.picked);
        if (FileExists(path) && !FolderExists(path)) click.previewPath = path;
    }
    return click;
}

std::vector<UserText> EditTagsModel::ReadPickedTags(TagTable& table) {
    std::vector<UserText> problems;
    state_.pickedTagsReadable = true;
    const std::string path = state_.picked.empty() ? std::string() : TagDbPath(library_, state_.picked);
    if (!path.empty() && FileExists(path)) {
        std::string why;
        state_.pickedTagsReadable = table.ReadTagDb(path, &why);
        if (!state_.pickedTagsReadable) {
            problems.push_back(
                UiText("Library",
                       "The tags of %1 could not be read (%2: %3), so they cannot be changed here.")
                    .Arg(state_.picked)
                    .Arg(path)
                    .Arg(why));
        }
    } else {
        table.ReadTagDb({});
    }
    table.CaptureSelection();
    state_.rememberedTagText = table.SelectedTagsText();
    return problems;
}

EditDeletion EditTagsModel::DeleteBehaviour(TagTable& table, const std::string& name) {
    EditDeletion deletion;
    if (library_.empty()) return deletion;
    const LibraryChange change = RemoveBehaviour(library_, name);
    deletion.deleted = change.failure.empty();
    if (!change.failure.empty())
        deletion.problems.push_back(
            UiText("Library", "%1 was not deleted: %2.").Arg(name).Arg(change.failure));
    if (!change.skipped.empty()) {
        deletion.problems.push_back(
            UiText("Library",
                   "%1 was deleted, but these tag files could not be read and may still link it:%2")
                .Arg(name)
                .Arg(Join(change.skipped)));
    }
    table.Refresh();
    return deletion;
}

std::vector<UserText> EditTagsModel::Rebuild(TagTable& table) {
    if (library_.empty()) return {};
    RebuildCounts counts;
    const LibraryChange change = RebuildTagLinks(library_, &counts);
    std::vector<UserText> messages;
    if (!change.failure.empty()) {
        messages.push_back(UiText("Library", "The tag links were not rebuilt: %1.").Arg(change.failure));
    } else if (counts.tagFiles == 0) {
        messages.push_back(
            UiText("Library",
                   "The tag links already agree with the tag databases of %1 behaviours: no tag file "
                   "was written.")
                .Arg(std::to_string(counts.behaviours)));
    } else {
        messages.push_back(UiText("Library", "Reconstruct Tag Links wrote %1.").Arg(counts.Text()));
    }
    const std::vector<UserText> more = Refresh(table);
    messages.insert(messages.end(), more.begin(), more.end());
    return messages;
}

std::vector<UserText> EditTagsModel::Refresh(TagTable& table) {
    table.Refresh();
    // Tags marked for deletion keep their marks; the picked behaviour's tags are read again when the mode
    // ends.
    if (state_.picked.empty() || state_.deleteMode.IsOn()) return {};
    return ReadPickedTags(table);
}

}  // namespace motivra
