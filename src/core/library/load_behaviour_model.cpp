#include "core/library/load_behaviour_model.h"

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"

namespace motivra {

LoadFilter LoadBehaviourModel::Filter(std::vector<std::string> names) {
    LoadFilter filter{std::move(names), false};
    if (filter.names.empty()) {
        filter.resetPreview = true;
        playing_ = false;
    }
    return filter;
}

LoadPick LoadBehaviourModel::Pick(const std::string& selectedName) {
    if (selectedName.empty()) {
        chosenPath_.clear();
        playing_ = false;
        return LoadPick::Cleared;
    }
    if (library_.empty() || !IsAcceptableBehaviourName(selectedName)) return LoadPick::Missing;
    const std::string path = BehaviourPath(library_, selectedName);
    if (playing_ && path == chosenPath_) return LoadPick::Kept;
    if (!FileExists(path) || FolderExists(path)) return LoadPick::Missing;
    chosenPath_ = path;
    playing_ = true;
    return LoadPick::Chosen;
}

}  // namespace motivra
