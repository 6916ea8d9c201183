#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour_setup/item_size.h"
#include "core/colour_setup/swatch_file.h"

namespace motivra {

// The library of saved UI swatches behind the "Available Interface Swatches" view: one ".vmw" file in the
// swatches folder, loaded when the dialog opens and written back, if changed, when it closes. The widget lays
// the swatches out, hit-tests them and passes the hit swatch's index here.
class SwatchLibrary {
public:
    static constexpr int kMinItemSize = 21;
    static constexpr int kMaxItemSize = 99;
    static constexpr int kDefaultItemSize = 45;

    // No swatches, next id 0, not changed.
    void Reset();
    // The swatches folder, already found by the grid's data-folder lookup; empty when there is none.
    void SetFolder(const std::string& folder) { folder_ = folder; }
    // The library file: ".vmw" appended unless the name already ends with it (either case); the case of the
    // name is kept ("test" gives "test.vmw"). A name that could leave the folder is refused: false, and the
    // file name becomes empty, so nothing is loaded or saved.
    bool SetFile(const std::string& name);
    // Replaces the library with the file's swatches (at most 255) and next id. Nothing happens without a
    // folder, a file name, or a readable library file.
    void Load();
    // Writes a changed library over its file; the file is never created, so without one the changes last only
    // while the program runs. True when the file was written.
    bool Save(std::string* error = nullptr);

    // Appends a swatch of six colours (slot order) under the next id, unless the library holds 255.
    bool Add(const std::array<SchemeColour, 6>& colours);
    // Removes the swatch at index; the others keep their ids and the next id stays.
    bool Delete(int index);
    // The swatch at index, or id kNoSwatchId with six zero colours outside the library.
    SwatchRecord SwatchAt(int index) const;

    // Accepted for kMinItemSize <= size <= kMaxItemSize; an item is size wide and trunc(size / 40 * 80) high.
    bool SetItemSize(int size);
    ItemSize GetItemSize() const { return {itemSize_, itemSize_ * 80 / 40}; }

    int Count() const { return static_cast<int>(swatches_.size()); }
    const std::vector<SwatchRecord>& Swatches() const { return swatches_; }
    std::uint32_t NextId() const { return nextId_; }
    bool IsChanged() const { return changed_; }
    const std::string& Folder() const { return folder_; }
    const std::string& FileName() const { return fileName_; }
    // folder/file name, or empty when either is missing.
    std::string FilePath() const;

private:
    std::string folder_;
    std::string fileName_;
    std::vector<SwatchRecord> swatches_;
    std::uint32_t nextId_ = 0;
    bool changed_ = false;
    int itemSize_ = kDefaultItemSize;
};

}  // namespace motivra
