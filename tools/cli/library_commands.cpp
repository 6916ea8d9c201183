#include "cli/library_commands.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/file_checks.h"
#include "core/library/library_change.h"
#include "core/library/library_folder.h"
#include "core/library/library_maintenance.h"
#include "core/library/library_names.h"
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
};

// The user's data folder, as the editor finds it on this platform: $XDG_DATA_HOME or ~/.local/share, then
// Velmora/zenthar. Empty when neither is known.
std::string UserDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') return std::string(data) + "/Velmora/zenthar";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/share/Velmora/zenthar";
    return {};
}

std::string LibraryFolder(const LibraryRequest& request) {
    if (!request.library.empty()) {
        if (!FolderExists(request.library)) throw CliError(request.library + ": no such folder");
        std::string folder = request.library;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    // A system-wide install's library is read-only; the editor works on the user's copy of it, and so does
    // the tool. It never makes that copy itself: that is the editor's first start.
    const std::string program = RunningProgramPath(request.argv0);
    const std::string lookup = DataLookupPath(program, UserDataFolder(), FolderAcceptsFiles);
    const std::string found = FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, lookup);
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

std::string JsonText(const std::string& text) {
    // Names are file names: bytes that are not UTF-8 are shown as replacement characters.
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The library's tag table; a library past the table's limits is refused as a whole, since any answer or
// change would rest on tags that were not read.
TagTable LoadTags(const std::string& library) {
    TagTable table = LoadLibraryTags(library);
    if (table.ExceedsLimits()) {
        throw CliError(TagFolderOf(library) + ": " + TagTable::LimitsText() +
                       "; Motivra works on libraries up to that size");
    }
    return table;
}

std::vector<std::string> UnreadableLines(const TagTable& table) {
    std::vector<std::string> lines;
    for (const int i : table.UnreadableTags()) {
        lines.push_back(TagFilePath(table.TagFolder(), table.Entry(i).name) +
                        ": cannot be read: " + table.ReadError(i));
    }
    return lines;
}

void RunList(const LibraryRequest& request) { PrintLines(ListBehaviourNames(LibraryFolder(request))); }

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
    TagTable table = LoadTags(LibraryFolder(request));
    const auto mark = [&](const std::vector<std::string>& names, TagState state) {
        for (const std::string& name : names) {
            const int index = table.FindTag(name);
            if (index < 0) throw CliError(name + ": no such tag");
            if (!table.IsReadable(index)) {
                throw CliError(TagFilePath(table.TagFolder(), name) +
                               ": cannot be read: " + table.ReadError(index));
            }
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

// A change that did not complete: what it did goes to standard output, each file left alone and the
// failure to standard error (as the lines of the error), and the command fails.
void ReportIncomplete(const LibraryChange& change, const std::string& outcome) {
    PrintLines(change.done);
    std::vector<std::string> lines = change.skipped;
    if (!change.failure.empty()) lines.push_back(change.failure + outcome);
    throw CliError(lines);
}

void RunRebuild(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    if (!FolderExists(TagFolderOf(library))) throw CliError(TagFolderOf(library) + ": no such folder");
    TagTable table = LoadTags(library);
    const std::vector<std::string> behaviours = ListBehaviourNames(library);
    const LibraryChange change = ReconstructTagLinks(table, library, behaviours);
    if (!change.Complete()) {
        ReportIncomplete(change, change.refused ? std::string()
                                                : "; rewrote " + std::to_string(change.done.size()) +
                                                      " tag files before it, the others are as they were");
    }
    std::cout << "rebuilt " << change.done.size() << " tag files from " << behaviours.size()
              << " behaviours\n";
}

void RunDelete(const LibraryRequest& request) {
    const std::string library = LibraryFolder(request);
    if (!IsAcceptableBehaviourName(request.name)) {
        throw CliError("\"" + request.name + "\": not a behaviour name (no '/', '..' or line breaks)");
    }
    if (!FileExists(BehaviourPath(library, request.name))) {
        throw CliError(request.name + ": no such behaviour in " + library);
    }
    TagTable table = LoadTags(library);
    const LibraryChange change = RemoveBehaviour(table, library, request.name);
    if (!change.Complete()) {
        const bool kept = !change.refused && FileExists(BehaviourPath(library, request.name));
        ReportIncomplete(change, kept ? "; " + request.name + " was not deleted" : std::string());
    }
    PrintLines(change.done);
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
