#include "core/library/save_behaviour_model.h"

#include "core/library/library_edits.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"

namespace motivra {

namespace {

SaveOutcome Refuse(UserText message) { return {false, {}, {std::move(message)}}; }

}  // namespace

std::string LowerCaseCoreName(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

SaveBehaviourModel::SaveBehaviourModel(std::string coreName) : coreName_(std::move(coreName)) {}

BoxChange SaveBehaviourModel::ThumbnailTextChanged(std::string_view text, bool enter) {
    if (enter) return {true, std::nullopt};
    return {false, TrimWhiteSpace(text)};
}

BoxChange SaveBehaviourModel::CoreNameChanged(std::string_view text, bool enter) {
    if (enter) return {true, std::nullopt};
    coreName_ = LowerCaseCoreName(TrimWhiteSpace(text));
    return {false, coreName_};
}

SaveTagClick SaveBehaviourModel::ClickTag(TagTable& table) {
    if (deleteMode_.IsOn()) return {std::nullopt, TagDeleteMode::Marked(table)};
    return {table.SelectedTagsText(), {}};
}

std::vector<UserText> SaveBehaviourModel::DeleteTags(TagTable& table, const std::string& library,
                                                     const std::vector<std::string>& tags, bool agreed) {
    if (agreed) return deleteMode_.Delete(table, library, tags);
    table.ClearStates();
    return {};
}

SaveOutcome SaveBehaviourModel::Save(const SaveRequest& request, TagTable& table, BehaviourWriter& writer) {
    if (!request.anyTrackEnabled) {
        return Refuse(UiText(
            "Library", "There is nothing to save yet: every parameter of this behaviour is at its default."));
    }
    const std::string& library = request.library;
    if (library.empty()) {
        return Refuse(
            UiText("Library",
                   "No library was found: Motivra keeps behaviours in a folder called \"behaviours\" "
                   "beside the program or in the folder above it."));
    }
    if (coreName_.empty()) {
        return Refuse(
            UiText("Library", "Type a core filename first: the behaviour is saved as [filename]-0000.vmr."));
    }
    if (!IsAcceptableCoreName(coreName_)) {
        return Refuse(
            UiText("Library",
                   "\"%1\" cannot be a core filename: it would save the behaviour outside the library. "
                   "Leave out \"/\", \"\\\" and \"..\", and do not make it of dots only.")
                .Arg(coreName_));
    }
    if (!request.unsupportedCharacters.empty()) {
        std::string listed;
        for (const std::string& c : request.unsupportedCharacters) listed += (listed.empty() ? "" : " ") + c;
        return Refuse(UiText("Library",
                             "The thumbnail text holds characters a behaviour file cannot keep: %1. Use the "
                             "letters, digits and signs of Western European languages (Latin-1).")
                          .Arg(listed));
    }
    std::string why;
    const std::optional<std::string> thumbnail = writer.EncodeThumbnail(&why);
    if (!thumbnail)
        return Refuse(UiText("Library", "Nothing was saved: the thumbnail could not be made (%1).").Arg(why));

    NewBehaviour behaviour{coreName_, writer.EncodeBehaviour(request.thumbnailText), *thumbnail, {}};
    for (const TagEntry& entry : table.Entries()) {
        if (entry.state == TagState::Selected) behaviour.tags.push_back(entry.name);
    }
    std::string name;
    const LibraryChange change = SaveNewBehaviour(library, behaviour, &name);
    if (!change.failure.empty())
        return Refuse(UiText("Library", "Nothing was saved: %1.").Arg(change.failure));
    table.Refresh();
    return {true, BehaviourPath(library, name), {}};
}

}  // namespace motivra
