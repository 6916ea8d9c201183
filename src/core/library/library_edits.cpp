#include "core/library/library_edits.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "core/io/file_io.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/disk_object.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "core/library/library_names.h"
#include "core/library/library_subfolders.h"
#include "core/library/line_edit.h"
#include "core/library/tag_entry.h"
#include "core/library/tag_table.h"
#include "core/library/text_file.h"

namespace motivra {

namespace {

LibraryChange Refused(UserText why) {
    LibraryChange change;
    change.failure = std::move(why);
    return change;
}

// A file's content as the change sees it: what is staged for it, else what the disk holds.
struct Content {
    bool exists = false;
    std::string bytes;
};

// Reads the files a change rests on, counting them against the tag table's limits, so a hostile library
// costs no more memory than a library may hold.
class Reader {
public:
    explicit Reader(const LibraryTransaction& change) : change_(change) {}

    std::optional<Content> Read(const std::string& path, UserText* why) {
        if (const auto* staged = change_.Staged(path))
            return Content{staged->has_value(), staged->value_or("")};
        if (!FileExists(path)) return Content{};
        std::string reason;
        const auto bytes = ReadWholeFile(path, TextFile::kMaxTextFileBytes, &reason);
        if (!bytes) {
            *why = UiText("Library", "%1: cannot be read: %2").Arg(path).Arg(reason);
            return std::nullopt;
        }
        total_ += bytes->size();
        if (total_ > TagTable::kMaxTotalTagBytes) {
            *why = UiText("Library", "%1: cannot be read: %2").Arg(path).Arg(TagTable::LimitsText());
            return std::nullopt;
        }
        return Content{true, std::string(bytes->begin(), bytes->end())};
    }

private:
    const LibraryTransaction& change_;
    std::uintmax_t total_ = 0;
};

std::vector<std::string> LinesOf(const std::string& bytes) { return DecodeLines(bytes); }

// Stages path's new content when it differs from what is there.
void Stage(LibraryTransaction& change, const std::string& path, const Content& before, std::string after) {
    if (!before.exists || after != before.bytes) change.Write(path, std::move(after));
}

// The tag file gains a link to the behaviour, unless a link names it already.
bool Link(LibraryTransaction& change, Reader& reader, const std::string& path, const std::string& behaviour,
          UserText* why) {
    const auto content = reader.Read(path, why);
    if (!content) return false;
    const std::vector<std::string> links = LinesOf(content->bytes);
    if (content->exists && std::any_of(links.begin(), links.end(),
                                       [&](const std::string& link) { return LinkNames(link, behaviour); })) {
        return true;
    }
    Stage(change, path, *content, AppendLine(content->bytes, TrimLink(behaviour)));
    return true;
}

// The tag file loses every link that names the behaviour.
bool Unlink(LibraryTransaction& change, Reader& reader, const std::string& path, const std::string& behaviour,
            UserText* why) {
    const auto content = reader.Read(path, why);
    if (!content) return false;
    if (!content->exists) return true;
    Stage(change, path, *content,
          RemoveLines(content->bytes, [&](std::string_view link) { return LinkNames(link, behaviour); }));
    return true;
}

// Each file loses its lines that match; a file that cannot be read stays as it is and is named in skipped.
template <class Matches>
void RemoveMatchingLines(LibraryTransaction& change, Reader& reader, const std::vector<std::string>& paths,
                         const Matches& matches, std::vector<std::string>& skipped) {
    for (const std::string& path : paths) {
        UserText why;
        const auto content = reader.Read(path, &why);
        if (!content) {
            skipped.push_back(English(why));
        } else if (content->exists) {
            Stage(change, path, *content, RemoveLines(content->bytes, matches));
        }
    }
}

LibraryChange CommitChange(LibraryTransaction& change) {
    LibraryChange result;
    std::string why;
    if (!change.Commit(&why)) return Refused(DataText(why));
    result.done = change.Description();
    return result;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> files;
    if (FolderExists(folder)) DiskObject().ListFiles(pattern, folder, files, false);
    return files;
}

std::string WithoutExtension(const std::string& file) { return file.substr(0, file.size() - 4); }

UserText Counted(int count, UserText one, UserText more) {
    return (count == 1 ? std::move(one) : std::move(more)).Arg(std::to_string(count));
}

}  // namespace

UserText RebuildCounts::Text() const {
    return UiText("Library", "%1 with %2, from the tag databases of %3")
        .Arg(Counted(tagFiles, UiText("Library", "%1 tag file"), UiText("Library", "%1 tag files")))
        .Arg(Counted(links, UiText("Library", "%1 link"), UiText("Library", "%1 links")))
        .Arg(Counted(behaviours, UiText("Library", "%1 behaviour"), UiText("Library", "%1 behaviours")));
}

LibraryChange SaveNewBehaviour(const std::string& library, const NewBehaviour& behaviour, std::string* name) {
    if (!IsAcceptableCoreName(behaviour.core))
        return Refused(UiText("Library", "\"%1\": not a core name").Arg(behaviour.core));
    for (const std::string& tag : behaviour.tags) {
        if (!IsAcceptableTagName(tag)) return Refused(UiText("Library", "\"%1\": not a tag name").Arg(tag));
    }
    UserText why;
    const auto lock = LibraryLock::Take(library, &why);
    if (!lock) return Refused(why);
    if (why = EnsureLibrarySubfolders(library); !why.empty()) return Refused(why);
    const std::string chosen = NextFreeBehaviourName(behaviour.core, library);
    if (chosen.empty())
        return Refused(
            UiText("Library", "no numbered name is left for the core name \"%1\"").Arg(behaviour.core));

    LibraryTransaction change(library);
    Reader reader(change);
    change.Write(BehaviourPath(library, chosen), behaviour.behaviourFile);
    change.Write(ThumbnailPath(library, chosen), behaviour.thumbnail);
    change.Write(TagDbPath(library, chosen), EncodeLines(behaviour.tags, "\n"));
    for (const std::string& tag : behaviour.tags) {
        if (!Link(change, reader, TagFilePath(TagFolderOf(library), tag), chosen, &why)) return Refused(why);
    }
    LibraryChange result = CommitChange(change);
    if (result.failure.empty() && name != nullptr) *name = chosen;
    return result;
}

LibraryChange ResaveBehaviour(const std::string& folder, const std::string& name,
                              const std::string& behaviourFile, const std::string& thumbnail) {
    if (!IsAcceptableBehaviourName(name))
        return Refused(UiText("Library", "\"%1\": not a behaviour name").Arg(name));
    UserText why;
    const auto lock = LibraryLock::Take(folder, &why);
    if (!lock) return Refused(why);
    LibraryTransaction change(folder);
    change.Write(BehaviourPath(folder, name), behaviourFile);
    if (FolderExists(ThumbsFolder(folder))) change.Write(ThumbnailPath(folder, name), thumbnail);
    return CommitChange(change);
}

LibraryChange RetagBehaviour(const std::string& library, const std::string& behaviour,
                             const std::vector<std::string>& add, const std::vector<std::string>& remove) {
    if (!IsAcceptableBehaviourName(behaviour))
        return Refused(UiText("Library", "\"%1\": not a behaviour name").Arg(behaviour));
    for (const auto* tags : {&add, &remove}) {
        for (const std::string& tag : *tags) {
            if (!IsAcceptableTagName(tag))
                return Refused(UiText("Library", "\"%1\": not a tag name").Arg(tag));
        }
    }
    UserText why;
    const auto lock = LibraryLock::Take(library, &why);
    if (!lock) return Refused(why);
    // A link that trims to another name, or to nothing, would tag a behaviour that is not this one.
    if (!FileExists(BehaviourPath(library, behaviour)) || TrimLink(behaviour) != behaviour)
        return Refused(UiText("Library", "%1: no such behaviour in %2").Arg(behaviour).Arg(library));
    if (why = EnsureLibrarySubfolders(library); !why.empty()) return Refused(why);

    LibraryTransaction change(library);
    Reader reader(change);
    const std::string tagDb = TagDbPath(library, behaviour);
    const auto names = reader.Read(tagDb, &why);
    if (!names) return Refused(why);
    std::string bytes = RemoveLines(names->bytes, [&](std::string_view line) {
        return std::find(remove.begin(), remove.end(), line) != remove.end();
    });
    for (const std::string& tag : add) {
        const std::vector<std::string> lines = LinesOf(bytes);
        if (std::find(lines.begin(), lines.end(), tag) == lines.end())
            bytes = AppendLine(std::move(bytes), tag);
    }
    Stage(change, tagDb, *names, std::move(bytes));
    const std::string tagFolder = TagFolderOf(library);
    for (const std::string& tag : remove) {
        if (!Unlink(change, reader, TagFilePath(tagFolder, tag), behaviour, &why)) return Refused(why);
    }
    for (const std::string& tag : add) {
        if (!Link(change, reader, TagFilePath(tagFolder, tag), behaviour, &why)) return Refused(why);
    }
    return CommitChange(change);
}

LibraryChange RemoveBehaviour(const std::string& library, const std::string& behaviour) {
    if (!IsAcceptableBehaviourName(behaviour))
        return Refused(UiText("Library", "\"%1\": not a behaviour name").Arg(behaviour));
    UserText why;
    const auto lock = LibraryLock::Take(library, &why);
    if (!lock) return Refused(why);
    if (!FileExists(BehaviourPath(library, behaviour)))
        return Refused(UiText("Library", "%1: no such behaviour in %2").Arg(behaviour).Arg(library));

    LibraryTransaction change(library);
    Reader reader(change);
    std::vector<std::string> tagFiles;
    const std::string tagFolder = TagFolderOf(library);
    for (const std::string& file : ListFiles(tagFolder, "*.tag")) {
        if (IsAcceptableTagName(WithoutExtension(file))) tagFiles.push_back(tagFolder + file);
    }
    std::vector<std::string> skipped;
    RemoveMatchingLines(
        change, reader, tagFiles, [&](std::string_view link) { return LinkNames(link, behaviour); }, skipped);
    for (const std::string& path : {BehaviourPath(library, behaviour), TagDbPath(library, behaviour),
                                    ThumbnailPath(library, behaviour)}) {
        if (FileExists(path) && !FolderExists(path)) change.Remove(path);
    }
    LibraryChange result = CommitChange(change);
    result.skipped = std::move(skipped);
    return result;
}

LibraryChange AddLibraryTag(const std::string& library, const std::string& tag) {
    if (!IsAcceptableTagName(tag)) return Refused(UiText("Library", "\"%1\": not a tag name").Arg(tag));
    UserText why;
    const auto lock = LibraryLock::Take(library, &why);
    if (!lock) return Refused(why);
    if (why = EnsureTagFolder(library); !why.empty()) return Refused(why);
    const std::string path = TagFilePath(TagFolderOf(library), tag);
    LibraryTransaction change(library);
    if (!FileExists(path)) change.Write(path, {});
    return CommitChange(change);
}

LibraryChange DeleteLibraryTag(const std::string& library, const std::string& tag) {
    if (!IsAcceptableTagName(tag)) return Refused(UiText("Library", "\"%1\": not a tag name").Arg(tag));
    UserText why;
    const auto lock = LibraryLock::Take(library, &why);
    if (!lock) return Refused(why);

    LibraryTransaction change(library);
    Reader reader(change);
    std::vector<std::string> tagDbs;
    const std::string tagDbFolder = TagDbFolder(library);
    for (const std::string& file : ListFiles(tagDbFolder, "*.tdb")) tagDbs.push_back(tagDbFolder + file);
    std::vector<std::string> skipped;
    RemoveMatchingLines(
        change, reader, tagDbs, [&](std::string_view line) { return line == tag; }, skipped);
    const std::string path = TagFilePath(TagFolderOf(library), tag);
    if (FileExists(path) && !FolderExists(path)) change.Remove(path);
    LibraryChange result = CommitChange(change);
    result.skipped = std::move(skipped);
    return result;
}

LibraryChange RebuildTagLinks(const std::string& library, RebuildCounts* counts) {
    UserText why;
    const auto lock = LibraryLock::Take(library, &why);
    if (!lock) return Refused(why);
    if (why = EnsureTagFolder(library); !why.empty()) return Refused(why);

    TagTable table;
    table.SetTagFolder(TagFolderOf(library));
    table.LoadTags();
    if (table.ExceedsLimits())
        return Refused(UiText("Library", "%1: %2").Arg(table.TagFolder()).Arg(TagTable::LimitsText()));
    if (const std::vector<int> unreadable = table.UnreadableTags(); !unreadable.empty()) {
        const TagEntry& entry = table.Entry(unreadable.front());
        return Refused(UiText("Library", "%1: cannot be read: %2")
                           .Arg(TagFilePath(table.TagFolder(), entry.name))
                           .Arg(table.ReadError(unreadable.front())));
    }
    LibraryTransaction change(library);
    Reader reader(change);
    // The links each tag will hold, in the order of the behaviour listing.
    std::map<std::string, std::vector<std::string>> links;
    for (const TagEntry& entry : table.Entries()) links[entry.name];
    RebuildCounts made;
    for (const std::string& behaviour : ListBehaviourNames(library)) {
        const std::string path = TagDbPath(library, behaviour);
        if (FolderExists(path)) continue;
        const auto names = reader.Read(path, &why);
        if (!names) return Refused(why);
        if (!names->exists) continue;
        ++made.behaviours;
        std::set<std::string> seen;
        for (const std::string& tag : LinesOf(names->bytes)) {
            if (IsAcceptableTagName(tag) && seen.insert(tag).second) links[tag].push_back(behaviour);
        }
    }
    for (const auto& [tag, names] : links) {
        const int index = table.FindTag(tag);
        std::vector<std::string> trimmed;
        for (const std::string& name : names) trimmed.push_back(TrimLink(name));
        if (index >= 0 && table.Entry(index).links == trimmed) continue;
        change.Write(TagFilePath(table.TagFolder(), tag), EncodeLines(trimmed, "\n"));
        ++made.tagFiles;
        made.links += static_cast<int>(trimmed.size());
    }
    LibraryChange result = CommitChange(change);
    if (result.failure.empty() && counts != nullptr) *counts = made;
    return result;
}

}  // namespace motivra
