#include "cli/cli_library.h"

#include <cstdlib>

#include "cli/cli_error.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"
#include "core/library/user_data_copy.h"

namespace motivra::cli {

namespace {

// The user's data folder, as the editor finds it on this platform: $XDG_DATA_HOME or ~/.local/share, then
// Velmora/zenthar. Empty when neither is known.
std::string UserDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') return std::string(data) + "/Velmora/zenthar";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/share/Velmora/zenthar";
    return {};
}

}  // namespace

std::string LibraryFolderFor(const std::string& library, const std::string& argv0) {
    if (!library.empty()) {
        if (!FolderExists(library)) throw CliError(library + ": no such folder");
        std::string folder = library;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    // A system-wide install's library is read-only; the editor works on the user's copy of it, and so does
    // the tool. It never makes that copy itself: that is the editor's first start.
    const std::string program = RunningProgramPath(argv0);
    const std::string lookup = DataLookupPath(DataHomeProgramPath(program), UserDataFolder(), FolderAcceptsFiles);
    const std::string found = FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, lookup);
    if (found.empty()) {
        throw CliError(std::string("no \"") + kLibraryFolderName + "\" folder beside " +
                       (program.empty() ? argv0 : program) + " or above it; name one with --library DIR");
    }
    return found;
}

TagTable LoadTags(const std::string& library) {
    TagTable table = LoadLibraryTags(library);
    if (table.ExceedsLimits()) {
        throw CliError(TagFolderOf(library) + ": " + TagTable::LimitsText() +
                       "; Motivra works on libraries up to that size");
    }
    return table;
}

std::vector<std::string> TaggedBehaviours(const std::string& library,
                                          const std::vector<std::string>& selected,
                                          const std::vector<std::string>& subtracted) {
    TagTable table = LoadTags(library);
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
    mark(selected, TagState::Selected);
    mark(subtracted, TagState::Subtracted);
    table.CaptureSelection();
    return table.TagFilter();
}

}  // namespace motivra::cli
