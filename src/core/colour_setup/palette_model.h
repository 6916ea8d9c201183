#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/colour_setup/item_size.h"
#include "core/colour_setup/palette_file.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

// The model behind the palette view of the Setup User Interface dialog. In its folder view every file of the
// palettes folder is one item with a preview of its first four colours; in its palette view item 0 is the
// back cell and items 1.. are the open palette's colours. The widget lays the items out, hit-tests them and
// passes the hit item's index here.
class PaletteModel {
public:
    // Bare file names of a folder, as the grid lists them (files only, sorted).
    using FolderLister = std::function<std::vector<std::string>(const std::string& folder)>;

    static constexpr int kMinCellSize = 11;
    static constexpr int kMaxCellSize = 54;
    static constexpr int kDefaultCellSize = 35;

    // Nothing open, no items, not changed.
    void Reset();
    // The palettes folder, already found by the grid's data-folder lookup; empty when there is none.
    void SetFolder(const std::string& folder) { folder_ = folder; }
    // Resets and names the palette to open: ".vmp" is appended unless the name ends with ".vmp" or ".aco"
    // (either case); the case of the name is kept. An empty name means the folder view. A name that could
    // leave the folder is refused: false, and the name becomes empty.
    bool SetPalette(const std::string& name);
    // Loads the named palette when it is a file of the folder; with no name, builds the folder view from the
    // folder's listing. Nothing happens without a folder.
    void Open(const FolderLister& listFolder);
    // Loads a palette file into the palette view. A file that cannot be read loads as an empty palette.
    void Load(const std::string& path);
    // The folder view over these bare names of files in the folder, with their previews.
    void BuildFolderView(const std::vector<std::string>& names);
    // Writes a changed palette into the folder: an ".aco" name is first turned into the same name ending in
    // ".vmp", so the Adobe file is never written. True when the file was written; otherwise the previous
    // file stays as it was and *error says why.
    bool Save(std::string* error = nullptr);

    // Appends a colour given as 0x00RRGGBB to the open palette, unless a colour with the same three bytes is
    // already there or the palette holds 511 items. True when it was added.
    bool AddColour(RgbColour rgb);
    // Removes the colour at item index (1 .. ItemCount() - 1) of the open palette; the back cell stays.
    bool DeleteColour(int index);

    // Accepted for kMinCellSize <= size <= kMaxCellSize; other sizes leave the cells as they were.
    bool SetCellSize(int size);
    int CellSize() const { return cellSize_; }
    // Palette view: size wide, trunc(size / 35 * 40) high; folder view: twice as wide, trunc(2 size / 70 *
    // 60) high.
    ItemSize GetItemSize() const;

    int ItemCount() const;
    bool IsPaletteView() const { return paletteView_; }
    bool IsChanged() const { return changed_; }
    const std::string& Folder() const { return folder_; }
    const std::string& PaletteName() const { return paletteName_; }

    // Palette view: whether the item is the back cell, and an item's colour in scheme form (0 for the back
    // cell and for an index outside the items).
    bool IsBackCell(int index) const;
    SchemeColour ColourAt(int index) const;
    // The open palette's colours as shown, in order (items 1..).
    std::vector<PaletteRecord> Colours() const;

    // Folder view: the file name of an item (empty outside the items) and its four preview colours.
    std::string NameAt(int index) const;
    std::array<std::uint32_t, kPalettePreviewColours> PreviewAt(int index) const;

private:
    bool HasItem(int index) const { return index >= 0 && index < ItemCount(); }

    std::string folder_;
    std::string paletteName_;
    std::vector<PaletteRecord> items_;  // palette view: the back cell, then the colours
    std::vector<std::string> names_;    // folder view
    std::vector<std::array<std::uint32_t, kPalettePreviewColours>> previews_;
    bool paletteView_ = false;
    bool changed_ = false;
    int cellSize_ = kDefaultCellSize;
};

}  // namespace motivra
