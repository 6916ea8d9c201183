#pragma once

#include <optional>
#include <string>

namespace motivra {

// Where the editor's plain Save writes: the folder of the current path with its trailing separator, and the
// file name without its ".vmr". The thumbnail goes to folder + "thumbs/" under the same name.
struct SaveTarget {
    std::string folder;
    std::string name;

    bool operator==(const SaveTarget&) const = default;
};

// None when the path has no folder, does not end in ".vmr" or names no acceptable behaviour: a path the
// Load dialog or Save As gave always does, so Save never writes anywhere else than where the file came from.
std::optional<SaveTarget> PlainSaveTarget(const std::string& currentPath);

// Where Save may write without asking: the plain target while Save is enabled and its behaviour file is still
// there. None after Reset All, without a current file, and when the file was deleted since (in Edit Tags,
// or by another program): the Save dialog asks then, so a deleted behaviour never comes back under its old
// name and a reset one never overwrites what was saved before.
std::optional<SaveTarget> InPlaceSaveTarget(const std::string& currentPath, bool saveEnabled);

}  // namespace motivra
