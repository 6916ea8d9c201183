#pragma once

#include <cstdint>
#include <string>

#include "core/colour_setup/palette_header.h"
#include "core/colour_setup/palette_model.h"
#include "gui/colour_setup/colour_cell_look.h"
#include "gui/data/program_location.h"
#include "gui/skin/grid_control.h"

namespace motivra {

// The palette view of the colour setup, on the grid base. In its folder view each file of the palettes
// folder is a cell with its first four colours and its name; in its palette view the first cell leads back
// and the others are the open palette's colours, each over its code. The owner decides what a click does
// (clicked() on every release, HitIndex() then); this view opens, saves and edits through its PaletteModel.
class PaletteList : public GridControl {
    Q_OBJECT

public:
    explicit PaletteList(QWidget* parent = nullptr);

    // Nothing open, nothing shown.
    void Reset();
    // The data folder called name ("palettes"), beside the program or in the folder above it.
    void SetFolder(const std::string& name, const std::string& programPath = DataProgramPath());
    // Resets and names the palette the next Open loads; "" for the folder view.
    void SetPalette(const std::string& name);
    // Loads the named palette, or lists the folder when no palette is named, and shows it from the top.
    void Open();
    // Writes a changed palette (an ".aco" one as ".vmp"); false when it was changed and could not be written,
    // with *error saying why.
    bool Save(std::string* error = nullptr);
    std::string SavePath() const;

    // A colour given as 0x00RRGGBB joins the open palette, and the view scrolls to show it.
    bool AddColour(RgbColour rgb);
    // The colour under the last press goes, unless it is the back cell.
    bool DeleteHitColour();
    // 11..54, from the dialog's palette size slider; other sizes are ignored.
    bool SetCellSize(int size);

    // What the last press hit: a file's name in the folder view ("" for none), the back cell, a colour (black
    // for none).
    std::string HitName() const { return model_.NameAt(HitIndex()); }
    bool IsBackCellHit() const { return model_.IsBackCell(HitIndex()); }
    SchemeColour ColourAtHit() const { return model_.ColourAt(HitIndex()); }

    PaletteHeader Header() const { return PaletteHeaderFor(model_); }
    const PaletteModel& Model() const { return model_; }
    // Delete-colours mode tints the area behind the cells red; off, the scheme's colours come back.
    void SetDeleteLook(bool on);

protected:
    void PaintItem(QPainter& painter, int index, const QRect& cell) override;

private:
    void Show();
    void PaintColour(QPainter& painter, int index, const QRect& item);
    void PaintBack(QPainter& painter, const QRect& item);
    void PaintFile(QPainter& painter, int index, const QRect& item);

    PaletteModel model_;
    CodeFont codeFont_;
};

}  // namespace motivra
