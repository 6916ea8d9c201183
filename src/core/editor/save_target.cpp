#include "core/editor/save_target.h"

#include "core/engine/behaviour_file.h"
#include "core/library/file_checks.h"
#include "core/library/library_names.h"

namespace motivra {

std::optional<SaveTarget> PlainSaveTarget(const std::string& currentPath) {
    const auto cut = currentPath.find_last_of('/');
    const std::string extension = kBehaviourExtension;
    if (cut == std::string::npos || !currentPath.ends_with(extension)) return std::nullopt;
    const std::string file = currentPath.substr(cut + 1);
    SaveTarget target{currentPath.substr(0, cut + 1), file.substr(0, file.size() - extension.size())};
    if (!IsAcceptableBehaviourName(target.name)) return std::nullopt;
    return target;
}

std::optional<SaveTarget> InPlaceSaveTarget(const std::string& currentPath, bool saveEnabled) {
    std::optional<SaveTarget> target = PlainSaveTarget(currentPath);
    if (!saveEnabled || !target || !FileExists(currentPath) || FolderExists(currentPath)) return std::nullopt;
    return target;
}

}  // namespace motivra
