#include "core/library/tag_editing.h"

#include "core/library/library_edits.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"

namespace motivra {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

}  // namespace

std::string TrimWhiteSpace(std::string_view text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1));
}

AddedTag AddTypedTag(TagTable& table, const std::string& library, std::string_view typed) {
    const std::string name = TrimWhiteSpace(typed);
    if (name.empty()) return {false, !typed.empty(), {}};
    if (table.FindTag(name) >= 0) return {false, false, "There is already a tag called \"" + name + "\"."};
    if (!IsAcceptableTagName(name)) {
        return {false, false,
                "\"" + name + "\" cannot be a tag: a tag name may not hold \"/\" or be made of dots only."};
    }
    if (const LibraryChange change = AddLibraryTag(library, name); !change.failure.empty())
        return {false, false, "The tag \"" + name + "\" was not added: " + change.failure + "."};
    table.Refresh();
    table.AddTag(name);  // already there when its file was made; also shown when there is no library
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

std::vector<std::string> TagDeleteMode::Marked(const TagTable& table) {
    std::vector<std::string> marked;
    for (const TagEntry& entry : table.Entries()) {
        if (entry.state != TagState::Unselected) marked.push_back(entry.name);
    }
    return marked;
}

std::string TagDeleteMode::Question(const std::vector<std::string>& tags) {
    std::string names;
    for (std::size_t i = 0; i < tags.size(); ++i)
        names += (i == 0 ? "\"" : i + 1 == tags.size() ? " and \"" : ", \"") + tags[i] + "\"";
    return "Delete the tag" + std::string(tags.size() == 1 ? " " : "s ") + names +
           " from the library? Every behaviour loses " + (tags.size() == 1 ? "it" : "them") +
           "; the behaviours themselves stay.";
}

std::vector<std::string> TagDeleteMode::Delete(TagTable& table, const std::string& library,
                                               const std::vector<std::string>& tags) {
    std::vector<std::string> problems;
    for (const std::string& tag : tags) {
        const LibraryChange change = DeleteLibraryTag(library, tag);
        if (!change.failure.empty()) {
            problems.push_back("The tag \"" + tag + "\" was not deleted: " + change.failure + ".");
        } else if (!change.skipped.empty()) {
            std::string text = "The tag \"" + tag +
                               "\" was deleted, but these tag databases could not be read and "
                               "may still name it:";
            for (const std::string& line : change.skipped) text += "\n" + line;
            problems.push_back(text);
        }
    }
    table.ClearStates();
    table.Refresh();
    if (table.Count() == 0) Leave(table);
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
