#include "core/library/behaviour_list.h"

#include "core/library/disk_object.h"
#include "core/library/library_names.h"

namespace motivra {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".vmr"

}  // namespace

std::vector<std::string> ListBehaviourNames(const std::string& folder) {
    DiskObject disk;
    std::vector<std::string> names;
    disk.ListFilesRecursive("*.vmr", folder, names, false);
    for (std::string& name : names) name.resize(name.size() - kExtensionLength);
    std::erase_if(names, [](const std::string& name) { return !IsAcceptableBehaviourName(name); });
    return names;
}

void BehaviourList::SetFolder(const std::string& name, const std::string& programPath) {
    folder_ = ResolveLibraryFolder(name, LibrarySearch::Grid, programPath);
}

void BehaviourList::Load() {
    if (folder_.empty()) return;
    allNames_ = ListBehaviourNames(folder_);
    indexesByName_.clear();
    for (std::size_t i = 0; i < allNames_.size(); ++i) {
        indexesByName_[allNames_[i]].push_back(static_cast<int>(i));
    }
    ShowAll();
}

void BehaviourList::ShowNone() {
    shownNames_.clear();
    shownToAll_.clear();
}

void BehaviourList::ShowAll() {
    ShowNone();
    shownNames_ = allNames_;
    shownToAll_.resize(allNames_.size());
    for (std::size_t i = 0; i < allNames_.size(); ++i) shownToAll_[i] = static_cast<int>(i);
}

void BehaviourList::ShowNames(const std::vector<std::string>& names) {
    ShowNone();
    for (const std::string& name : names) {
        const auto found = indexesByName_.find(name);
        if (found == indexesByName_.end()) continue;
        for (const int j : found->second) {
            shownNames_.push_back(name);
            shownToAll_.push_back(j);
        }
    }
}

void BehaviourList::RemoveShown(int k) {
    if (k < 0 || k >= ShownCount()) return;
    shownNames_.erase(shownNames_.begin() + k);
    shownToAll_.erase(shownToAll_.begin() + k);
}

std::string BehaviourList::ShownName(int k) const {
    if (k < 0 || k >= ShownCount()) return {};
    return allNames_[static_cast<std::size_t>(shownToAll_[static_cast<std::size_t>(k)])];
}

}  // namespace motivra
