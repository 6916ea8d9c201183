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
    if (table.FindTag(name) >= 0)
        return {false, false, UiText("Library", "There is already a tag called \"%1\".").Arg(name)};
    if (!IsAcceptableTagName(name)) {
        return {false, false,
                UiText("Library",
                       "\"%1\" cannot be a tag: a tag name may not hold \"/\" or be made of dots only.")
                    .Arg(name)};
    }
    if (const LibraryChange change = AddLibraryTag(library, name); !change.failure.empty())
        return {false, false,
                UiText("Library", "The tag \"%1\" was not added: %2.").Arg(name).Arg(change.failure)};
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

UserText TagDeleteMode::Question(const std::vector<std::string>& tags) {
    if (tags.size() == 1) {
        return UiText("Library",
                      "Delete the tag \"%1\" from the library? Every behaviour loses it; the behaviours "
                      "themselves stay.")
            .Arg(tags[0]);
    }
    UserText names = DataText("\"" + tags.back() + "\"");
    for (std::size_t i = tags.size() - 1; i-- > 0;) {
        names = (i + 2 == tags.size() ? UiText("Library", "\"%1\" and %2") : UiText("Library", "\"%1\", %2"))
                    .Arg(tags[i])
                    .Arg(std::move(names));
    }
    return UiText("Library",
                  "Delete the tags %1 from the library? Every behaviour loses them; the behaviours "
                  "themselves stay.")
        .Arg(std::move(names));
}

std::vector<UserText> TagDeleteMode::Delete(TagTable& table, const std::string& library,
                                            const std::vector<std::string>& tags) {
    std::vector<UserText> problems;
    for (const std::string& tag : tags) {
        const LibraryChange change = DeleteLibraryTag(library, tag);
        if (!change.failure.empty()) {
            problems.push_back(
                UiText("Library", "The tag \"%1\" was not deleted: %2.").Arg(tag).Arg(change.failure));
        } else if (!change.skipped.empty()) {
            std::string lines;
            for (const std::string& line : change.skipped) lines += "\n" + line;
            problems.push_back(UiText("Library",
                                      "The tag \"%1\" was deleted, but these tag databases could not be read "
                                      "and may still name it:%2")
                                   .Arg(tag)
                                   .Arg(lines));
        }
    }
    table.ClearStates();
    table.Refresh();
    if (table.Count() == 0) Leave(table);
    return problems;
}

UserText UnreadableTagsMessage(const TagTable& table) {
    const std::vector<int> unreadable = table.UnreadableTags();
    if (unreadable.empty()) return {};
    std::string lines;
    for (const int i : unreadable) {
        lines += "\n" + TagFilePath(table.TagFolder(), table.Entry(i).name) + ": " + table.ReadError(i);
    }
    return UiText("Library",
                  "These tag files could not be read, so their tags are shown without behaviours and "
                  "their files are left as they are:%1")
        .Arg(lines);
}

}  // namespace motivra
