#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/library/library_folder.h"

namespace motivra {

// Every behaviour file of a library folder, recursively: the folder's own "*.vmr" files sorted byte-wise,
// then each subfolder's depth-first, each sorted among themselves. Nothing when the folder itself holds no
// behaviour file. Only bare names (without folder and ".vmr") are returned, so a behaviour in a subfolder
// is known by its bare name; names that cannot be written to a tag file are left out.
std::vector<std::string> ListBehaviourNames(const std::string& folder);

// What the behaviour grid knows and shows, without the drawing: the full list of names from the last Load
// and the shown subset, each shown position tied to its index in the full list. No fixed capacity.
class BehaviourList {
public:
    // Points the list at a library: name itself when it is a folder, else the grid's search beside the
    // program. The folder may end up empty (no library); Load then does nothing.
    void SetFolder(const std::string& name, const std::string& programPath);
    const std::string& Folder() const { return folder_; }

    // Lists the folder again and shows every behaviour.
    void Load();

    void ShowNone();
    void ShowAll();
    // For each element in order, every behaviour of that exact name, in full-list order; unknown names are
    // skipped and a name listed twice is shown twice.
    void ShowNames(const std::vector<std::string>& names);
    // Drops shown position k (ignored outside the shown range); the full list is unchanged.
    void RemoveShown(int k);

    int GetAllCount() const { return static_cast<int>(allNames_.size()); }
    const std::string& GetAllName(int i) const { return allNames_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& AllNames() const { return allNames_; }

    int ShownCount() const { return static_cast<int>(shownNames_.size()); }
    const std::vector<std::string>& ShownNames() const { return shownNames_; }
    // The full-list index of shown position k.
    int ShownToAll(int k) const { return shownToAll_.at(static_cast<std::size_t>(k)); }
    // The name at shown position k, or the empty text when k is not a shown position (no selection).
    std::string ShownName(int k) const;

private:
    std::string folder_;
    std::vector<std::string> allNames_;
    std::vector<std::string> shownNames_;
    std::vector<int> shownToAll_;
    // Full-list indexes of each name, ascending, so ShowNames costs one look-up per element.
    std::unordered_map<std::string, std::vector<int>> indexesByName_;
};

}  // namespace motivra
