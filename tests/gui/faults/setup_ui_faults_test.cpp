// The Setup User Interface dialog under injected file-system faults: a palette, swatch library or settings
// file that cannot be written keeps its previous bytes, the user is told, and nothing picked is lost.
#include <QFileInfo>

#include <map>

#include "core/colour_setup/swatch_file.h"
#include "gui/colour_setup/colour_setup_support.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_test_support.h"
#include "support/fault_injection.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace setup_ui_id;

struct SetupUiFaultsTest : ::testing::Test, test::SetupUiHost {
    SetupUiFaultsTest() {
        test::ClearSettings();
        data.WritePalette("warm.vmp", {{200, 100, 50}, {10, 20, 30}});
        test::WriteBytes(data.swatches / "test.vmw",
                         test::colour::SwatchBytes(2, 3, {{1, {1, 2, 3, 4, 5, 6}}, {2, {6, 5, 4, 3, 2, 1}}}));
        WriteSchemeNumber(scheme::kDlgColour, 0x101010);  // the settings file exists, with a scheme
        settingsFolder = QFileInfo(QSettings("Velmora", "zenthar").fileName()).absolutePath().toStdString();
        palettes = test::FolderSnapshot(data.palettes);
        swatches = test::FolderSnapshot(data.swatches);
        Open();
    }
    ~SetupUiFaultsTest() override {
        dialog.reset();
        test::ClearSettings();
    }
    // Runs the action with the fault armed for folder and gives the message box it showed.
    static std::string Faulty(const std::string& fault, const fs::path& folder,
                              const std::function<void()>& action) {
        const test::FaultScope scope(fault, folder);
        return test::MessageBoxText(action).toStdString();
    }

    std::string settingsFolder;
    std::map<std::string, std::string> palettes;
    std::map<std::string, std::string> swatches;
};

TEST_F(SetupUiFaultsTest, APaletteLeftByTheBackCellUnderAFaultStaysOpenAndItsFileWhole) {
    ClickPaletteCell(0);
    test::Click(Get(kHueBar), QPoint(0, 5));
    Press(kColourToLibrary);
    Press(kDeleteColours);
    ClickPaletteCell(1);  // the first colour goes, the new red stays
    Press(kDeleteColours);
    PaletteList& list = *dialog->Controls().paletteList;
    ASSERT_EQ(list.GetCount(), 3);
    for (const std::string& fault : test::kSaveFaults) {
        const std::string told = Faulty(fault, data.palettes, [this] { ClickPaletteCell(0); });
        EXPECT_NE(told.find("The palette could not be saved"), std::string::npos) << fault << ": " << told;
        EXPECT_TRUE(list.Model().IsPaletteView()) << fault;
        EXPECT_EQ(list.GetCount(), 3) << fault;
        EXPECT_EQ(test::FolderSnapshot(data.palettes), palettes) << fault;
    }
    ClickPaletteCell(0);
    EXPECT_FALSE(list.Model().IsPaletteView());
    EXPECT_NE(test::ReadText(data.palettes / "warm.vmp"), palettes.at("warm.vmp"));
}

TEST_F(SetupUiFaultsTest, SwatchesAddedOrDeletedUnderAFaultKeepTheLibraryFileAndAreReported) {
    Press(kSwatchToLibrary);
    Press(kDeleteSwatch);
    ClickSwatchCard(0);
    ASSERT_EQ(dialog->Controls().swatchList->GetCount(), 2);
    const std::string told = Faulty("write", data.swatches, [this] { Press(kOk); });
    EXPECT_NE(told.find("The swatch library could not be saved"), std::string::npos) << told;
    EXPECT_NE(told.find("No space left on device"), std::string::npos) << told;
    EXPECT_EQ(test::FolderSnapshot(data.swatches), swatches);
}

TEST_F(SetupUiFaultsTest, ASchemeThatCannotBeWrittenLeavesTheSettingsAndTheDialogOpen) {
    Press(kDefaultSwatch);
    const auto settingsFile = fs::path(settingsFolder) / "zenthar.conf";
    const std::string before = test::ReadText(settingsFile);
    const std::string told = Faulty("write", settingsFolder, [this] { Press(kOk); });
    EXPECT_NE(told.find("The colour scheme could not be written"), std::string::npos) << told;
    EXPECT_TRUE(dialog->isVisible()) << "the colours picked are still there to be written";
    EXPECT_EQ(test::ReadText(settingsFile), before);
    EXPECT_EQ(ReadSchemeNumber(scheme::kDlgColour, 0), 0x101010u) << "the scheme in use stays";

    Press(kOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(ReadSchemeNumber(scheme::kDlgColour, 0), 0x323232u);
}

TEST_F(SetupUiFaultsTest, ACancelledSchemeLeavesNothingPendingAfterAFailedOk) {
    Press(kDefaultSwatch);
    Faulty("rename", settingsFolder, [this] { Press(kOk); });
    Press(kCancel);
    dialog.reset();
    WriteSchemeNumber(scheme::kTextColour, 0x202020);  // any later write of the settings
    EXPECT_EQ(ReadSchemeNumber(scheme::kDlgColour, 0), 0x101010u);
    const std::string file = test::ReadText(fs::path(settingsFolder) / "zenthar.conf");
    EXPECT_NE(file.find("DlgColour=1052688"), std::string::npos) << file;
    EXPECT_EQ(file.find("BGColour"), std::string::npos) << "the cancelled scheme never reaches the file";
}

}  // namespace
}  // namespace motivra
