#pragma once

#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/colour_setup/colour_file_bytes.h"
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

}  // namespace motivra::test
