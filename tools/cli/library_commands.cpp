#include "cli/library_commands.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "cli/cli_error.h"
#include "cli/cli_library.h"
#include "core/engine/behaviour_file.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/file_checks.h"
#include "core/library/library_browse.h"
#include "core/library/library_change.h"
#include "core/library/library_edits.h"
#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "core/library/library_names.h"
#include "core/library/save_behaviour_model.h"
#include "core/library/tag_table.h"
#include "core/library/user_data_copy.h"

namespace motivra::cli {

namespace {

using Json = nlohmann::ordered_json;

struct LibraryRequest {
    std::string argv0;
    std::string library;  // --library, empty for the one beside the program
    std::vector<std::string> tags;
    std::vector<std::string> minus;
    std::string core = kDefaultCoreName;
    std::string name;
    std::vector<std::string> tagNames;  // tag and untag
    bool untagged = false;              // list --untagged
    std::string nameContains;           // list and filter --name-contains
};

std::string LibraryFolder(const LibraryRequest& request) {
    return LibraryFolderFor(request.library, request.argv0);
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::cout << line << '\n';
}

std::string JsonText(const std::string& text) {
    // Names are file names: bytes that are not UTF-8 are shown as replacement characters.
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::vector<std::string> UnreadableLines(const TagTable& table) {
    std::vector<std::string> lines;
    for (const int i : table.UnreadableTags()) {
        lines.push_back(TagFilePath(table.TagFolder(), table.Entry(i).name) +
                        ": cannot be read: " + table.ReadError(i));
    }
    return lines;
}

// The behaviours the dialogs' search box finds with the same text: by name or by thumbnail text.
void KeepFound(std::vector<std::string>& names, const std::string& library, const std::string& search) {
    if (search.empty()) return;
    std::erase_if(names, [&](const std::string& name) {
        return !BehaviourMatches(name, ReadThumbnailText(BehaviourPath(library, name)), search);
    });
}

// The names the dialogs' grids show for the same choice, in listing order.
void RunList(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    std::vector<std::string> names = ListBehaviourNames(library);
    if (request.untagged) {
        const std::vector<std::string> untagged = UntaggedBehaviours(names, LoadTags(library));
        const std::unordered_set<std::string> keep(untagged.begin(), untagged.end());
        std::erase_if(names, [&](const std::string& name) { return !keep.contains(name); });
    }
    KeepFound(names, library, request.nameContains);
    PrintLines(names);
}

// Written one link at a time, so the answer costs no memory beyond the table's own.
void RunTags(const LibraryRequest& request) {
    const TagTable table = LoadTags(LibraryFolder(request));
    std::cout << '[';
    bool first = true;
    for (int i = 0; i < table.Count(); ++i) {
        if (!table.IsReadable(i)) continue;
        const TagEntry& entry = table.Entry(i);
        std::cout << (first ? "\n" : ",\n") << "  {\n    \"name\": " << JsonText(entry.name)
                  << ",\n    \"weight\": " << entry.weight << ",\n    \"links\": [";
        for (std::size_t i = 0; i < entry.links.size(); ++i)
            std::cout << (i == 0 ? "\n" : ",\n") << "      " << JsonText(entry.links[i]);
        std::cout << (entry.links.empty() ? "]" : "\n    ]") << "\n  }";
        first = false;
    }
    std::cout << (first ? "]\n" : "\n]\n");
    // Tags whose files could not be read are named instead of shown without links.
    if (const auto unreadable = UnreadableLines(table); !unreadable.empty()) throw CliError(unreadable);
}

void RunFilter(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    std::vector<std::string> names = TaggedBehaviours(library, request.tags, request.minus);
    KeepFound(names, library, request.nameContains);
    PrintLines(names);
}

// The name the Save dialog would give: the same function, so the two never disagree.
void RunNextName(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    const std::string core = LowerCaseCoreName(request.core);
    if (!IsAcceptableCoreName(core)) {
        throw CliError("\"" + core +
                       "\": a core name must not be empty, be made of dots only or hold '/', '\\', '..' or a "
                       "line break");
    }
    // Under the lock a change a crash cut off is settled first, as it is before the Save dialog's save; a
    // library that cannot be locked (read-only) has none, and its files are read as they are.
    const auto lock = LibraryLock::Take(library);
    const std::string name = NextFreeBehaviourName(core, library);
    if (name.empty()) {
        if (!FolderExists(ThumbsFolder(library))) throw CliError(ThumbsFolder(library) + ": no such folder");
        throw CliError("no number follows the highest thumbnail number of " + core);
    }
    std::cout << name << '\n';
}

// A change is made whole or not at all: its files on standard output, or one line saying why not.
void Report(const LibraryChange& change) {
    if (!change.failure.empty()) throw CliError(English(change.failure) + "; nothing was changed");
    PrintLines(change.done);
    if (!change.skipped.empty()) {
        std::vector<std::string> lines;
        for (const std::string& line : change.skipped) lines.push_back(line + "; left as it was");
        throw CliError(lines);
    }
}

std::string RequireBehaviour(const LibraryRequest& request, const std::string& library) {
    if (!IsAcceptableBehaviourName(request.name)) {
        throw CliError("\"" + request.name + "\": not a behaviour name (no '/', line breaks, or dots only)");
    }
    if (!FileExists(BehaviourPath(library, request.name))) {
        throw CliError(request.name + ": no such behaviour in " + library);
    }
    return request.name;
}

void RunRebuild(const LibraryRequest& request) {
    RebuildCounts counts;
    const LibraryChange change = RebuildTagLinks(LibraryFolder(request), &counts);
    Report(change);
    std::cout << "rebuilt " << English(counts.Text()) << '\n';
}

void RunDelete(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    Report(RemoveBehaviour(library, RequireBehaviour(request, library)));
}

void RunRetag(const LibraryRequest& request, bool add) {
    const std::string library = LibraryFolder(request);
    const std::string behaviour = RequireBehaviour(request, library);
    const std::vector<std::string> none;
    Report(RetagBehaviour(library, behaviour, add ? request.tagNames : none, add ? none : request.tagNames));
}

}  // namespace

void AddLibraryCommands(CLI::App& app, const std::string& argv0) {
    auto request = std::make_shared<LibraryRequest>();
    request->argv0 = argv0;

    CLI::App* library = app.add_subcommand("library", "List, filter, number and repair a behaviour library");
    library->require_subcommand(1);
    library->fallthrough();
    library->add_option("--library", request->library,
                        "library folder (default: \"behaviours\" beside motivra-cli or the folder above it)");

    CLI::App* list = library->add_subcommand("list", "Print every behaviour name, in listing order");
    list->add_flag("--untagged", request->untagged, "only the behaviours no tag links");
    list->add_option("--name-contains", request->nameContains,
                     "only the names holding TEXT (letters compared without case)");
    list->callback([request] { RunList(*request); });
    library->add_subcommand("tags", "Print every tag with its weight and links as JSON")->callback([request] {
        RunTags(*request);
    });

    CLI::App* filter =
        library->add_subcommand("filter", "Print the behaviours of the chosen tags, one a line");
    filter->add_option("--tag", request->tags, "a selected tag (repeatable)")->required();
    filter->add_option("--minus", request->minus, "a subtracted tag (repeatable)");
    filter->add_option("--name-contains", request->nameContains,
                       "only the names holding TEXT (letters compared without case)");
    filter->callback([request] { RunFilter(*request); });

    CLI::App* next = library->add_subcommand("next-name", "Print the name the Save dialog would give next");
    next->add_option("CORE", request->core, "core name (default vmrk), turned into lower case");
    next->callback([request] { RunNextName(*request); });

    library->add_subcommand("rebuild", "Reconstruct Tag Links: rewrite every tag file from the tag databases")
        ->callback([request] { RunRebuild(*request); });

    CLI::App* remove = library->add_subcommand(
        "delete", "Delete a behaviour with its thumbnail and tag database and unlink it from every tag");
    remove->add_option("NAME", request->name, "behaviour name (without .vmr)")->required();
    remove->callback([request] { RunDelete(*request); });

    for (const bool add : {true, false}) {
        CLI::App* retag = library->add_subcommand(
            add ? "tag" : "untag",
            add ? "Give a behaviour tags, as a click in Edit Tags does (tags are made as needed)"
                : "Take tags from a behaviour, as a click in Edit Tags does");
        retag->add_option("NAME", request->name, "behaviour name (without .vmr)")->required();
        retag->add_option("TAG", request->tagNames, "tag names")->required();
        retag->callback([request, add] { RunRetag(*request, add); });
    }
}

}  // namespace motivra::cli
