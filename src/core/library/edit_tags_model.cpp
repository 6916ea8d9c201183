#include "core/library/edit_tags_model.h"

#include <algorithm>

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_maintenance.h"
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
        click.problems = state_.deleteMode.DeleteMarked(table);
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
    if (table.CountSelected() == 0) {
        click.grid = EditTagClick::Grid::ShowAll;
    } else {
        table.CaptureSelection();
        click.grid = EditTagClick::Grid::ShowNames;
        click.names = table.TagFilter();
    }
    return click;
}

std::vector<std::string> EditTagsModel::WritePickedTags(TagTable& table) {
    const std::string& behaviour = state_.picked;
    if (!state_.pickedTagsReadable) {
        RestorePickedTags(table);
        return {"The tags of " + behaviour + " cannot be changed here: its tag database " +
                TagDbPath(library_, behaviour) + " could not be read."};
    }
    // A behaviour has a tag or not: an Alt click takes the tag away like a click that leaves it unselected,
    // so its link goes with it.
    for (int i = 0; i < table.Count(); ++i) {
        if (table.Entry(i).state == TagState::Subtracted) table.SetState(i, TagState::Unselected);
    }
    const std::string text = table.SelectedTagsText();
    if (text == state_.rememberedTagText) return {};

    const TagTable before = table;
    std::string why = EnsureLibrarySubfolders(library_);
    if (why.empty()) {
        table.UnlinkDeselected(behaviour);
        if (table.WriteTagDb(TagDbFolder(library_), behaviour, &why)) why.clear();
    }
    if (!why.empty()) {
        table = before;
        RestorePickedTags(table);
        return {"The tags of " + behaviour + " were not changed: " + TagDbPath(library_, behaviour) +
                " could not be written (" + why + ")."};
    }
    table.LinkSelected(behaviour);
    state_.rememberedTagText = text;

    // Only the tags that gained or lost the behaviour have new tag files.
    std::vector<std::string> touched = table.CapturedSelected();
    for (const TagEntry& entry : table.Entries()) {
        if (entry.state == TagState::Selected) touched.push_back(entry.name);
    }
    table.CaptureSelection();
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    std::vector<std::string> problems;
    for (const std::string& name : touched) {
        const int index = table.FindTag(name);
        if (index < 0 || !table.IsReadable(index)) continue;
        if (!table.WriteTagFile(index, &why)) {
            problems.push_back("The tag file " + TagFilePath(table.TagFolder(), name) +
                               " could not be written (" + why + "); the tag database of " + behaviour +
                               " holds the change, and Reconstruct Tag Links brings the tag files in line.");
        }
    }
    return problems;
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

std::vector<std::string> EditTagsModel::ReadPickedTags(TagTable& table) {
    std::vector<std::string> problems;
    state_.pickedTagsReadable = true;
    const std::string path = state_.picked.empty() ? std::string() : TagDbPath(library_, state_.picked);
    if (!path.empty() && FileExists(path)) {
        std::string why;
        state_.pickedTagsReadable = table.ReadTagDb(path, &why);
        if (!state_.pickedTagsReadable) {
            problems.push_back("The tags of " + state_.picked + " could not be read (" + path + ": " + why +
                               "), so they cannot be changed here.");
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
    const LibraryChange change = RemoveBehaviour(table, library_, name);
    deletion.deleted = !change.refused && !FileExists(BehaviourPath(library_, name));
    if (change.refused) {
        deletion.problems.push_back(name + " was not deleted: " + change.failure + ".");
    } else if (!change.failure.empty()) {
        deletion.problems.push_back("Deleting " + name + " stopped: " + change.failure +
                                    ". Done before that:" + Join(change.done) +
                                    "\nReconstruct Tag Links brings the tag files in line again.");
    }
    if (!change.skipped.empty()) {
        deletion.problems.push_back("Left as they were:" + Join(change.skipped));
    }
    return deletion;
}

std::vector<std::string> EditTagsModel::Rebuild(TagTable& table, const std::vector<std::string>& behaviours) {
    if (library_.empty()) return {};
    std::vector<std::string> problems;
    if (std::string why = EnsureTagFolder(library_); !why.empty()) {
        return {"The tag links were not rebuilt: " + why + "."};
    }
    const LibraryChange change = ReconstructTagLinks(table, library_, behaviours);
    if (change.refused) {
        problems.push_back("The tag links were not rebuilt: " + change.failure + ".");
    } else if (!change.failure.empty()) {
        problems.push_back("Rebuilding the tag links stopped: " + change.failure +
                           ". The tag files written before it:" + Join(change.done));
    }
    if (!state_.picked.empty()) {
        const std::vector<std::string> more = ReadPickedTags(table);
        problems.insert(problems.end(), more.begin(), more.end());
    }
    return problems;
}

std::vector<std::string> EditTagsModel::Close(TagTable& table) { return SaveTagFiles(table, library_); }

}  // namespace motivra
