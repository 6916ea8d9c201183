#include "core/library/load_behaviour_model.h"

#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"

namespace motivra {

bool LoadBehaviourModel::Filter(std::size_t shown) {
    if (shown > 0) return false;
    playing_ = false;
    return true;
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
