#pragma once

#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/colour_setup/colour_file_bytes.h"
#include "gui/colour_setup/palette_list.h"
#include "gui/colour_setup/setup_ui_dialog.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/colour_setup/swatch_list.h"
#include "support/temp_dir.h"

namespace motivra::test {

// A program placed in a temporary folder, root/bin/motivra, with the data folders beside bin/ as an
// installed copy has them: root/palettes and root/swatches.
struct DataFolders {
    DataFolders() {
        for (const auto& folder : {root.Path() / "bin", palettes, swatches})
            std::filesystem::create_directories(folder);
    }
    std::string ProgramPath() const { return (root.Path() / "bin" / "motivra").string(); }
    void WritePalette(const std::string& name, const std::vector<colour::Rgb>& colours) const {
        // The count names the colours and the record after them, which readers drop.
        auto bytes = colour::PaletteBytes(static_cast<std::uint32_t>(colours.size() + 1), colours);
        bytes.resize(bytes.size() + 10, 0);
        WriteBytes(palettes / name, bytes);
    }

    TempDir root;
    const std::filesystem::path palettes = root.Path() / "palettes";
    const std::filesystem::path swatches = root.Path() / "swatches";
};

// The settings as a first run finds them: nothing written.
inline void ClearSettings() {
    QSettings settings("Velmora", "zenthar");
    settings.clear();
}

inline void Click(QWidget* control, QPoint at) { QTest::mouseClick(control, Qt::LeftButton, {}, at); }

// The Setup dialog over the data folders, shown once opened, its controls reached by id and clicked.
struct SetupUiHost {
    SetupUiDialog& Open() {
        dialog = std::make_unique<SetupUiDialog>(nullptr, data.ProgramPath());
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }
    template <class T = QWidget>
    T* Get(int id) const {
        return FindControl<T>(*dialog, id);
    }
    void Press(int id) const { Click(Get(id), Get(id)->rect().center()); }
    void ClickPaletteCell(int k) const {
        Click(Get(setup_ui_id::kPaletteView), dialog->Controls().paletteList->CellRect(k).center());
    }
    void ClickSwatchCard(int k) const {
        Click(Get(setup_ui_id::kSwatchLibrary), dialog->Controls().swatchList->CellRect(k).center());
    }

    DataFolders data;
    std::unique_ptr<SetupUiDialog> dialog;
};

}  // namespace motivra::test
