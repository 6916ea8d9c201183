#pragma once

#include <array>
#include <string>

#include "core/colour_setup/swatch_library.h"
#include "gui/colour_setup/colour_cell_look.h"
#include "gui/data/program_location.h"
#include "gui/skin/grid_control.h"

namespace motivra {

// The "Available Interface Swatches" view of the colour setup, on the grid base: each saved UI swatch is a
// card of six colour bands, in slot order, each printed with its code. The owner decides what a click does
// (clicked() on every release, HitIndex() then); this view loads, saves and edits through its SwatchLibrary.
class SwatchList : public GridControl {
    Q_OBJECT

public:
    explicit SwatchList(QWidget* parent = nullptr);

    // No swatches, next id 0.
    void Reset();
    // The data folder called name ("swatches"), beside the program or in the folder above it.
    void SetFolder(const std::string& name, const std::string& programPath = DataProgramPath());
    // "test" names test.vmw.
    void SetFile(const std::string& name) { library_.SetFile(name); }
    void Load();
    // Writes a changed library over its file; false when it was changed and could not be written (there is
    // no library file, which is never created, or the write failed and the file is as it was), with *error
    // saying why.
    bool Save(std::string* error = nullptr);
    // folder/file of the library, "" without a folder.
    std::string FilePath() const { return library_.FilePath(); }

    // Appends a swatch of the six slot colours (scheme form) and scrolls to show it; false when the library
    // holds 255.
    bool Add(const std::array<SchemeColour, 6>& colours);
    // The swatch under the last press goes.
    bool DeleteHitSwatch();
    // The swatch under the last press; id kNoSwatchId and six zeros when none was hit.
    SwatchRecord SwatchAtHit() const { return library_.SwatchAt(HitIndex()); }
    // 21..99, from the dialog's swatch size slider; other sizes are ignored.
    bool SetItemSize(int size);

    const SwatchLibrary& Library() const { return library_; }
    // Delete-swatch mode tints the area behind the cards red; off, the scheme's colours come back.
    void SetDeleteLook(bool on);

protected:
    void PaintItem(QPainter& painter, int index, const QRect& cell) override;

private:
    void Show();

    SwatchLibrary library_;
    CodeFont codeFont_;
};

}  // namespace motivra
