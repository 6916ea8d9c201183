#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

#include "core/io/file_io.h"
#include "core/library/disk_object.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"
#include "core/library/tag_table.h"
#include "core/library/text_file.h"

namespace motivra {

namespace {

constexpr std::size_t kTagExtensionLength = 4;  // ".tag"

}  // namespace

void TagTable::SetFolder(const std::string& name, const std::string& programPath) {
    tagFolder_ = TagFolderOf(ResolveLibraryFolder(name, LibrarySearch::TagList, programPath));
}

void TagTable::LoadTags() {
    if (tagFolder_.empty() || !FolderExists(tagFolder_)) return;
    entries_.clear();
    readErrors_.clear();
    exceedsLimits_ = false;
    CDiskObject disk;
    std::vector<std::string> files;
    disk.ListFiles("*.tag", tagFolder_, files, false);
    TextFile file;
    std::uintmax_t bytes = 0;
    std::size_t links = 0;
    for (const std::string& fileName : files) {
        std::string name = fileName.substr(0, fileName.size() - kTagExtensionLength);
        if (!IsAcceptableTagName(name)) continue;
        const std::string path = TagFilePath(tagFolder_, name);
        TagEntry entry{std::move(name), 0, TagState::Unselected, {}};
        std::string readError;
        // The sizes of the files to be read count against the library's limit before any is read; a file too
        // large for a line file is refused on its own and not read at all.
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(path, ec);
        if (!ec && size <= TextFile::kMaxTextFileBytes) bytes += size;
        if (exceedsLimits_ || bytes > kMaxTotalTagBytes) {
            exceedsLimits_ = true;
        } else if (!file.ReadLines(path, entry.links, kMaxTotalLinks - links)) {
            exceedsLimits_ = file.TooManyLines();
            readError = file.ErrorText();
        }
        if (exceedsLimits_) readError = LimitsText();
        if (!readError.empty()) readErrors_.emplace(entry.name, std::move(readError));
        links += entry.links.size();
        entry.weight = static_cast<int>(std::min<std::size_t>(entry.links.size(), INT_MAX));
        entries_.push_back(std::move(entry));
    }
    Reindex();
    RecountWeights();
}

std::string TagTable::LimitsText() {
    return "the library's tag files hold more than " + std::to_string(kMaxTotalTagBytes >> 20) + " MiB or " +
           std::to_string(kMaxTotalLinks) + " links together";
}

const std::string& TagTable::ReadError(int index) const {
    static const std::string kNone;
    const auto found = readErrors_.find(Entry(index).name);
    return found == readErrors_.end() ? kNone : found->second;
}

std::vector<int> TagTable::UnreadableTags() const {
    std::vector<int> unreadable;
    for (int i = 0; i < Count(); ++i) {
        if (!IsReadable(i)) unreadable.push_back(i);
    }
    return unreadable;
}

void TagTable::RemoveTag(int index) {
    if (index < 0 || index >= Count()) return;
    if (!tagFolder_.empty())
        DeleteFileIfPresent(TagFilePath(tagFolder_, entries_[static_cast<std::size_t>(index)].name));
    entries_.erase(entries_.begin() + index);
    Reindex();
    RecountWeights();
}

void TagTable::RemoveMarkedTags() {
    const auto marked = [](const TagEntry& entry) { return entry.state != TagState::Unselected; };
    if (!tagFolder_.empty()) {
        for (const TagEntry& entry : entries_) {
            if (marked(entry)) DeleteFileIfPresent(TagFilePath(tagFolder_, entry.name));
        }
    }
    std::erase_if(entries_, marked);
    Reindex();
    RecountWeights();
}

bool TagTable::WriteTagFile(int index, std::string* error) {
    const auto fail = [error](std::string why) {
        if (error != nullptr) *error = std::move(why);
        return false;
    };
    if (index < 0 || index >= Count()) return fail("no such tag");
    if (tagFolder_.empty() || !FolderExists(tagFolder_)) return fail("no tag folder");
    TagEntry& entry = entries_[static_cast<std::size_t>(index)];
    if (!IsReadable(index)) return fail("skipped, it could not be read: " + ReadError(index));
    for (std::string& link : entry.links) link = TrimLink(std::move(link));
    const std::string path = TagFilePath(tagFolder_, entry.name);
    // A file that already holds exactly these lines is left alone: rewriting and syncing it to disk would
    // change nothing but its time, and saving every tag of a large library would take seconds.
    TextFile file;
    const std::string bytes = EncodeLines(entry.links, file.LineEnd());
    const auto current = ReadFilePrefix(path, bytes.size() + 1);
    if (current && std::equal(current->begin(), current->end(), bytes.begin(), bytes.end())) return true;
    return file.WriteLines(path, entry.links) || fail(file.ErrorText());
}

std::vector<std::pair<std::string, std::string>> TagTable::SaveAllTags() {
    std::vector<std::pair<std::string, std::string>> failures;
    if (tagFolder_.empty() || !FolderExists(tagFolder_)) return failures;
    for (int i = 0; i < Count(); ++i) {
        std::string why;
        if (!WriteTagFile(i, &why)) failures.emplace_back(Entry(i).name, why);
    }
    return failures;
}

bool TagTable::WriteTagDb(const std::string& folder, const std::string& behaviour, std::string* error) const {
    const auto fail = [error](std::string why) {
        if (error != nullptr) *error = std::move(why);
        return false;
    };
    if (!FolderExists(folder)) return fail("no such folder");
    if (!IsAcceptableBehaviourName(behaviour)) return fail("not a behaviour name");
    std::vector<std::string> names;
    for (const TagEntry& entry : entries_) {
        if (entry.state == TagState::Selected) names.push_back(entry.name);
    }
    TextFile file;
    return file.WriteLines(folder + behaviour + ".tdb", names) || fail(file.ErrorText());
}

bool TagTable::ReadTagDb(const std::string& path, std::string* error) {
    std::vector<std::string> names;
    TextFile file;
    // One tag database never holds more lines than the whole library may hold links.
    const bool read = path.empty() || file.ReadLines(path, names, kMaxTotalLinks);
    if (!read && error != nullptr) *error = file.ErrorText();
    SelectNames(names);
    return read;
}

void TagTable::SelectNames(const std::vector<std::string>& names) {
    ClearStates();
    for (const std::string& name : names) {
        const int index = FindTag(name);
        if (index >= 0) {
            SetState(index, TagState::Selected);
        } else if (AddTag(name)) {
            SetState(Count() - 1, TagState::Selected);
        }
    }
}

}  // namespace motivra
