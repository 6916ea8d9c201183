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
    DiskObject disk;
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

TagTable LoadLibraryTags(const std::string& library) {
    TagTable table;
    table.SetTagFolder(TagFolderOf(library));
    table.LoadTags();
    return table;
}

void TagTable::Refresh() {
    std::unordered_map<std::string, TagState> states;
    for (const TagEntry& entry : entries_) states.emplace(entry.name, entry.state);
    LoadTags();
    for (TagEntry& entry : entries_) {
        if (const auto found = states.find(entry.name); found != states.end()) entry.state = found->second;
    }
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
