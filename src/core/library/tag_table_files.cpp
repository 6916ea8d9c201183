#include <algorithm>
#include <climits>

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
    CDiskObject disk;
    std::vector<std::string> files;
    disk.ListFiles("*.tag", tagFolder_, files, false);
    TextFile file;
    for (const std::string& fileName : files) {
        std::string name = fileName.substr(0, fileName.size() - kTagExtensionLength);
        if (!IsAcceptableTagName(name)) continue;
        std::vector<std::string> links;
        file.ReadLines(TagFilePath(tagFolder_, name), links);
        const int weight = static_cast<int>(std::min<std::size_t>(links.size(), INT_MAX));
        entries_.push_back(TagEntry{std::move(name), weight, TagState::Unselected, std::move(links)});
    }
    Reindex();
    RecountWeights();
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

bool TagTable::WriteTagFile(int index) {
    if (index < 0 || index >= Count() || tagFolder_.empty() || !FolderExists(tagFolder_)) return false;
    TagEntry& entry = entries_[static_cast<std::size_t>(index)];
    for (std::string& link : entry.links) link = TrimLink(std::move(link));
    return TextFile().WriteLines(TagFilePath(tagFolder_, entry.name), entry.links);
}

void TagTable::SaveAllTags() {
    if (tagFolder_.empty() || !FolderExists(tagFolder_)) return;
    for (int i = 0; i < Count(); ++i) WriteTagFile(i);
}

bool TagTable::WriteTagDb(const std::string& folder, const std::string& behaviour) const {
    if (!FolderExists(folder) || !IsAcceptableBehaviourName(behaviour)) return false;
    std::vector<std::string> names;
    for (const TagEntry& entry : entries_) {
        if (entry.state == TagState::Selected) names.push_back(entry.name);
    }
    return TextFile().WriteLines(folder + behaviour + ".tdb", names);
}

void TagTable::ReadTagDb(const std::string& path) {
    ClearStates();
    std::vector<std::string> names;
    if (!path.empty()) TextFile().ReadLines(path, names);
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
