#include "core/library/library_maintenance.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/io/file_io.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"
#include "core/library/text_file.h"

namespace motivra {

namespace {

LibraryChange Refuse(std::string why) {
    LibraryChange change;
    change.refused = true;
    change.failure = std::move(why) + "; nothing was changed";
    return change;
}

// The first tag file the table could not read, as "path: cannot be read: why"; empty when there is none.
std::string FirstUnreadable(const TagTable& table) {
    const std::vector<int> unreadable = table.UnreadableTags();
    if (unreadable.empty()) return {};
    const int first = unreadable.front();
    return TagFilePath(table.TagFolder(), table.Entry(first).name) +
           ": cannot be read: " + table.ReadError(first);
}

// "path: why" when path (an existing file, or the folder to create files in) is not writable.
std::string WriteProblem(const std::string& path) {
    std::string why;
    return CanWrite(path, &why) ? std::string() : path + ": " + why;
}

// The tag databases of the behaviours, in order; a behaviour without one has none. The first database that
// cannot be read, or that takes the library past the table's limits, is named in problem.
std::vector<std::pair<std::string, std::vector<std::string>>> ReadTagDbs(
    const std::string& library, const std::vector<std::string>& behaviours, std::string& problem) {
    std::vector<std::pair<std::string, std::vector<std::string>>> tagDbs;
    std::uintmax_t bytes = 0;
    std::size_t lines = 0;
    TextFile file;
    for (const std::string& behaviour : behaviours) {
        if (!IsAcceptableBehaviourName(behaviour)) continue;
        const std::string path = TagDbPath(library, behaviour);
        // A folder in the place of a tag database is none; anything else there must be read.
        if (!FileExists(path) || FolderExists(path)) continue;
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(path, ec);
        if (!ec && size <= TextFile::kMaxTextFileBytes) bytes += size;
        std::vector<std::string> names;
        if (bytes > TagTable::kMaxTotalTagBytes ||
            !file.ReadLines(path, names, TagTable::kMaxTotalLinks - lines)) {
            const bool tooLarge = bytes > TagTable::kMaxTotalTagBytes || file.TooManyLines();
            problem = path + ": cannot be read: " +
                      (tooLarge ? "the library's tag databases hold more than " +
                                      std::to_string(TagTable::kMaxTotalTagBytes >> 20) + " MiB or " +
                                      std::to_string(TagTable::kMaxTotalLinks) + " lines together"
                                : file.ErrorText());
            return {};
        }
        lines += names.size();
        tagDbs.emplace_back(behaviour, std::move(names));
    }
    return tagDbs;
}

// Writes the entries' tag files in order, stopping at the first failure.
void WriteTagFiles(TagTable& table, const std::vector<int>& indexes, LibraryChange& change) {
    for (const int index : indexes) {
        const std::string path = TagFilePath(table.TagFolder(), table.Entry(index).name);
        std::string why;
        if (!table.WriteTagFile(index, &why)) {
            change.failure = path + ": " + why;
            return;
        }
        change.done.push_back("rewrote " + path);
    }
}

}  // namespace

TagTable LoadLibraryTags(const std::string& library) {
    TagTable table;
    table.SetTagFolder(TagFolderOf(library));
    table.LoadTags();
    return table;
}

LibraryChange ReconstructTagLinks(TagTable& table, const std::string& library,
                                  const std::vector<std::string>& behaviours) {
    const std::string& tagFolder = table.TagFolder();
    if (tagFolder.empty() || !FolderExists(tagFolder)) return Refuse(tagFolder + ": no such folder");
    if (table.ExceedsLimits()) return Refuse(tagFolder + ": " + TagTable::LimitsText());
    if (std::string unreadable = FirstUnreadable(table); !unreadable.empty()) return Refuse(unreadable);

    std::string problem;
    const auto tagDbs = ReadTagDbs(library, behaviours, problem);
    if (!problem.empty()) return Refuse(problem);

    table.ClearAllLinks();
    for (const auto& [behaviour, names] : tagDbs) {
        table.SelectNames(names);
        table.LinkSelectedAll(behaviour);
    }
    std::vector<int> all;
    problem = WriteProblem(tagFolder);
    for (int i = 0; i < table.Count(); ++i) {
        all.push_back(i);
        const std::string path = TagFilePath(tagFolder, table.Entry(i).name);
        if (problem.empty() && FileExists(path)) problem = WriteProblem(path);
    }
    LibraryChange change;
    if (!problem.empty()) {
        change = Refuse(problem);
    } else {
        WriteTagFiles(table, all, change);
    }
    table.LoadTags();
    table.ClearStates();
    return change;
}

bool DeleteBehaviour(TagTable& table, const std::string& library, const std::string& name) {
    if (!IsAcceptableBehaviourName(name)) return false;
    DeleteFileIfPresent(BehaviourPath(library, name));
    DeleteFileIfPresent(TagDbPath(library, name));
    DeleteFileIfPresent(ThumbnailPath(library, name));
    table.UnlinkBehaviour(name);
    return true;
}

LibraryChange RemoveBehaviour(TagTable& table, const std::string& library, const std::string& name) {
    if (!IsAcceptableBehaviourName(name)) return Refuse("\"" + name + "\": not a behaviour name");
    const std::string behaviour = BehaviourPath(library, name);
    if (!FileExists(behaviour)) return Refuse(name + ": no such behaviour in " + library);
    if (table.ExceedsLimits()) return Refuse(table.TagFolder() + ": " + TagTable::LimitsText());

    // The tags that will lose links; the table itself changes only once everything has been checked.
    LibraryChange change;
    std::vector<int> changed;
    for (int i = 0; i < table.Count(); ++i) {
        const TagEntry& entry = table.Entry(i);
        const std::string path = TagFilePath(table.TagFolder(), entry.name);
        if (!table.IsReadable(i)) {
            change.skipped.push_back(path + ": skipped, it could not be read: " + table.ReadError(i));
        }
        if (std::any_of(entry.links.begin(), entry.links.end(),
                        [&](const std::string& link) { return LinkNames(link, name); })) {
            changed.push_back(i);
        }
    }

    // Everything that will be written or removed must be writable before anything is.
    std::vector<std::string> companions;
    for (const std::string& path : {behaviour, TagDbPath(library, name), ThumbnailPath(library, name)}) {
        if (FileExists(path) && !FolderExists(path)) companions.push_back(path);
    }
    std::string problem = changed.empty() ? std::string() : WriteProblem(table.TagFolder());
    for (const int i : changed) {
        if (problem.empty()) problem = WriteProblem(TagFilePath(table.TagFolder(), table.Entry(i).name));
    }
    for (const std::string& path : companions) {
        if (problem.empty()) problem = WriteProblem(std::filesystem::path(path).parent_path().string());
    }
    if (!problem.empty()) {
        LibraryChange refused = Refuse(problem);
        refused.skipped = std::move(change.skipped);
        return refused;
    }

    const TagTable before = table;
    table.UnlinkBehaviour(name);
    WriteTagFiles(table, changed, change);
    if (!change.failure.empty()) {
        // The behaviour stays, so its links stay in the table: a later save of the table (the Edit Tags
        // dialog's close) would otherwise unlink it from the tag files this write did not reach.
        table = before;
        return change;
    }
    for (const std::string& path : companions) {
        std::string why;
        if (!DeleteFileIfPresent(path, &why)) {
            change.failure = path + ": cannot be removed: " + why;
            return change;
        }
        change.done.push_back("removed " + path);
    }
    return change;
}

}  // namespace motivra
