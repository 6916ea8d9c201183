#include "core/library/tag_editing.h"

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_subfolders.h"

namespace motivra {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

}  // namespace

std::string TrimWhiteSpace(std::string_view text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1));
}

AddedTag AddTypedTag(TagTable& table, std::string_view typed) {
    const std::string name = TrimWhiteSpace(typed);
    if (name.empty()) return {false, !typed.empty(), {}};
    if (table.FindTag(name) >= 0) return {false, false, "There is already a tag called \"" + name + "\"."};
    if (!table.AddTag(name)) {
        return {false, false, "\"" + name + "\" cannot be a tag: a tag name may not hold \"/\"."};
    }
    return {true, true, {}};
}

void TagDeleteMode::Toggle(TagTable& table) {
    if (on_) {
        Leave(table);
        return;
    }
    kept_.clear();
    for (const TagEntry& entry : table.Entries()) {
        if (entry.state != TagState::Unselected) kept_.emplace_back(entry.name, entry.state);
    }
    table.ClearStates();
    on_ = true;
}

void TagDeleteMode::Leave(TagTable& table) {
    table.ClearStates();
    for (const auto& [name, state] : kept_) table.SetState(table.FindTag(name), state);
    kept_.clear();
    on_ = false;
}

std::vector<std::string> TagDeleteMode::DeleteMarked(TagTable& table) {
    std::vector<std::string> removed;
    for (const TagEntry& entry : table.Entries()) {
        if (entry.state != TagState::Unselected) removed.push_back(entry.name);
    }
    table.RemoveMarkedTags();
    std::vector<std::string> problems;
    for (const std::string& name : removed) {
        const std::string path = TagFilePath(table.TagFolder(), name);
        if (!table.TagFolder().empty() && FileExists(path))
            problems.push_back("The tag file " + path + " could not be removed.");
    }
    if (table.Count() == 0) Leave(table);
    return problems;
}

std::vector<std::string> SaveTagFiles(TagTable& table, const std::string& library) {
    if (library.empty() || table.Count() == 0) return {};
    if (std::string problem = EnsureTagFolder(library); !problem.empty()) {
        return {"The tags could not be saved: " + problem + "."};
    }
    std::vector<std::string> problems;
    for (int i = 0; i < table.Count(); ++i) {
        if (!table.IsReadable(i)) continue;
        std::string why;
        if (!table.WriteTagFile(i, &why)) {
            problems.push_back("The tag file " + TagFilePath(table.TagFolder(), table.Entry(i).name) +
                               " could not be written (" + why + "); it is kept as it was.");
        }
    }
    return problems;
}

std::string UnreadableTagsMessage(const TagTable& table) {
    const std::vector<int> unreadable = table.UnreadableTags();
    if (unreadable.empty()) return {};
    std::string text =
        "These tag files could not be read, so their tags are shown without behaviours and "
        "their files are left as they are:";
    for (const int i : unreadable) {
        text += "\n" + TagFilePath(table.TagFolder(), table.Entry(i).name) + ": " + table.ReadError(i);
    }
    return text;
}

}  // namespace motivra
