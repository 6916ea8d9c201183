#include "core/library/save_behaviour_model.h"

#include "core/io/file_io.h"
#include "core/library/behaviour_naming.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"
#include "core/library/library_subfolders.h"

namespace motivra {

namespace {

std::string ToLowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

SaveOutcome Refuse(std::string message) { return {false, {}, {std::move(message)}}; }

}  // namespace

SaveBehaviourModel::SaveBehaviourModel(std::string coreName) : coreName_(std::move(coreName)) {}

BoxChange SaveBehaviourModel::ThumbnailTextChanged(std::string_view text, bool enter) {
    if (enter) return {true, std::nullopt};
    return {false, TrimWhiteSpace(text)};
}

BoxChange SaveBehaviourModel::CoreNameChanged(std::string_view text, bool enter) {
    if (enter) return {true, std::nullopt};
    coreName_ = ToLowerAscii(TrimWhiteSpace(text));
    return {false, coreName_};
}

SaveTagClick SaveBehaviourModel::ClickTag(TagTable& table) {
    if (deleteMode_.IsOn()) return {std::nullopt, deleteMode_.DeleteMarked(table)};
    return {table.SelectedTagsText(), {}};
}

SaveOutcome SaveBehaviourModel::Save(const SaveRequest& request, TagTable& table, BehaviourWriter& writer) {
    if (!request.anyTrackEnabled) {
        return Refuse("There is nothing to save yet: every parameter of this behaviour is at its default.");
    }
    const std::string& library = request.library;
    if (library.empty()) {
        return Refuse(
            "No library was found: Motivra keeps behaviours in a folder called \"behaviours\" "
            "beside the program or in the folder above it.");
    }
    if (coreName_.empty()) {
        return Refuse("Type a core filename first: the behaviour is saved as [filename]-0000.vmr.");
    }
    if (!IsAcceptableCoreName(coreName_)) {
        return Refuse("\"" + coreName_ +
                      "\" cannot be a core filename: it would save the behaviour outside the library. Leave "
                      "out \"/\", \"\\\" and \"..\".");
    }
    if (std::string problem = EnsureLibrarySubfolders(library); !problem.empty()) {
        return Refuse("Nothing was saved: the library's folders could not be made (" + problem + ").");
    }
    for (const std::string& folder : {library, ThumbsFolder(library), TagDbFolder(library)}) {
        std::string why;
        if (!CanWrite(folder, &why)) {
            return Refuse("Nothing was saved: the library cannot be written (" + folder + ": " + why + ").");
        }
    }
    const std::string name = NextFreeBehaviourName(coreName_, library);
    if (name.empty()) return Refuse("No numbered name is left for the core filename \"" + coreName_ + "\".");

    const std::string path = BehaviourPath(library, name);
    SaveOutcome outcome{true, path, {}};
    if (std::string why = writer.WriteBehaviour(library + "/", name, request.thumbnailText); !why.empty()) {
        // The name was free, so a file there now is this one, in place but perhaps not yet safe on disk.
        if (!FileExists(path))
            return Refuse("Nothing was saved: " + path + " could not be written (" + why + ").");
        outcome.problems.push_back("The behaviour was saved as " + path + ", but " + why + ".");
    }
    if (std::string why = writer.WriteThumbnail(ThumbsFolder(library), name); !why.empty()) {
        outcome.problems.push_back("The behaviour was saved as " + path + ", but its thumbnail " +
                                   ThumbnailPath(library, name) + " could not be written (" + why + ").");
    }
    if (std::string why; !table.WriteTagDb(TagDbFolder(library), name, &why)) {
        outcome.problems.push_back("The behaviour was saved as " + path +
                                   ", but its tags could not be written to " + TagDbPath(library, name) +
                                   " (" + why + ").");
    }
    if (table.CountSelected() > 0 && FolderExists(TagFolderOf(library))) table.LinkSelected(name);
    return outcome;
}

}  // namespace motivra
