#include "cli/library_commands.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_maintenance.h"
#include "core/library/library_names.h"
#include "core/library/tag_table.h"

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
};

std::string LibraryFolder(const LibraryRequest& request) {
    if (!request.library.empty()) {
        if (!FolderExists(request.library)) throw CliError(request.library + ": no such folder");
        std::string folder = request.library;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    const std::string program = RunningProgramPath(request.argv0);
    const std::string found = FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, program);
    if (found.empty()) {
        throw CliError(std::string("no \"") + kLibraryFolderName + "\" folder beside " +
                       (program.empty() ? request.argv0 : program) +
                       " or above it; name one with --library DIR");
    }
    return found;
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::cout << line << '\n';
}

void RunList(const LibraryRequest& request) { PrintLines(ListBehaviourNames(LibraryFolder(request))); }

void RunTags(const LibraryRequest& request) {
    const TagTable table = LoadLibraryTags(LibraryFolder(request));
    Json tags = Json::array();
    for (const TagEntry& entry : table.Entries()) {
        tags.push_back({{"name", entry.name}, {"weight", entry.weight}, {"links", entry.links}});
    }
    // Names are file names: bytes that are not UTF-8 are shown as replacement characters.
    std::cout << tags.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void RunFilter(const LibraryRequest& request) {
    TagTable table = LoadLibraryTags(LibraryFolder(request));
    const auto mark = [&](const std::vector<std::string>& names, TagState state) {
        for (const std::string& name : names) {
            const int index = table.FindTag(name);
            if (index < 0) throw CliError(name + ": no such tag");
            table.SetState(index, state);
        }
    };
    mark(request.tags, TagState::Selected);
    mark(request.minus, TagState::Subtracted);
    table.CaptureSelection();
    PrintLines(table.TagFilter());
}

// The Save dialog turns the typed core name into lower case.
std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void RunNextName(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    const std::string core = LowerCase(request.core);
    const std::string name = NextBehaviourName(core, ThumbsFolder(library));
    if (!name.empty()) {
        std::cout << name << '\n';
        return;
    }
    if (!IsAcceptableCoreName(core)) {
        throw CliError("\"" + core +
                       "\": a core name must not be empty or hold '/', '\\', '..' or a line break");
    }
    if (!FolderExists(ThumbsFolder(library))) throw CliError(ThumbsFolder(library) + ": no such folder");
    throw CliError("no number follows the highest thumbnail number of " + core);
}

void RunRebuild(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    if (!FolderExists(TagFolderOf(library))) throw CliError(TagFolderOf(library) + ": no such folder");
    TagTable table = LoadLibraryTags(library);
    const std::vector<std::string> behaviours = ListBehaviourNames(library);
    ReconstructTagLinks(table, library, behaviours);
    std::cout << "rebuilt " << table.Count() << " tag files from " << behaviours.size() << " behaviours\n";
}

void RunDelete(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    if (!IsAcceptableBehaviourName(request.name)) {
        throw CliError("\"" + request.name + "\": not a behaviour name (no '/', '..' or line breaks)");
    }
    if (!FileExists(BehaviourPath(library, request.name))) {
        throw CliError(request.name + ": no such behaviour in " + library);
    }
    TagTable table = LoadLibraryTags(library);
    DeleteBehaviour(table, library, request.name);
    table.SaveAllTags();
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

    library->add_subcommand("list", "Print every behaviour name, in listing order")->callback([request] {
        RunList(*request);
    });
    library->add_subcommand("tags", "Print every tag with its weight and links as JSON")->callback([request] {
        RunTags(*request);
    });

    CLI::App* filter =
        library->add_subcommand("filter", "Print the behaviours of the chosen tags, one a line");
    filter->add_option("--tag", request->tags, "a selected tag (repeatable)")->required();
    filter->add_option("--minus", request->minus, "a subtracted tag (repeatable)");
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
}

}  // namespace motivra::cli
