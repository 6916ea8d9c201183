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

}  // namespace motivra
