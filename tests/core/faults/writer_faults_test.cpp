// Every writer of the program under every injected file-system fault: the save reports failure with the
// failing step, the previous file keeps its bytes and no temporary file is left beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/colour_setup/palette_model.h"
#include "core/colour_setup/swatch_library.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/bitmap_file.h"
#include "core/engine/track_store.h"
#include "support/fault_injection.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// One writer: the file it replaces in a folder, bytes its reader accepts as the previous file, and the save
// itself (false on failure, with the reason).
struct Writer {
    std::string name;
    std::string file;
    std::vector<std::uint8_t> previous;
    std::function<bool(const test::TempDir&, std::string*)> save;
};

std::vector<Writer> Writers() {
    const PaletteRecord red = PaletteRecord::FromRgb(0xC00000);
    return {
        {"behaviour", "b.vmr", Bytes("previous behaviour"),
         [](const test::TempDir& dir, std::string* error) {
             TrackStore store;
             return SaveBehaviourFile(store, dir.Folder(), "b", "text", {}, error);
         }},
        {"thumbnail", "b.bmp", Bytes("previous bitmap"),
         [](const test::TempDir& dir, std::string* error) {
             const std::vector<std::uint32_t> pixels(4, 0xFF102030);
             const auto bitmap = DeviceBitmapFromRgb32(2, 2, pixels);
             return SaveBitmapFile(dir.Path().string(), "b", *bitmap, error) == BitmapSaveResult::Written;
         }},
        {"palette", "p.vmp", EncodePaletteFile(std::vector<PaletteRecord>{red}),
         [](const test::TempDir& dir, std::string* error) {
             PaletteModel palette;
             palette.SetFolder(dir.Path().string());
             palette.SetPalette("p.vmp");
             palette.Open([](const std::string&) { return std::vector<std::string>{}; });
             return palette.AddColour(0x00FF00) && palette.Save(error);
         }},
        {"swatch library", "s.vmw", EncodeSwatchFile({}, 7),
         [](const test::TempDir& dir, std::string* error) {
             SwatchLibrary library;
             library.SetFolder(dir.Path().string());
             library.SetFile("s");
             library.Load();
             return library.Add({1, 2, 3, 4, 5, 6}) && library.Save(error);
         }},
    };
}

TEST(WriterFaults, EveryWriterKeepsThePreviousFileUnderEveryFault) {
    for (const Writer& writer : Writers()) {
        {
            // Without a fault the writer replaces the file, so the checks below can fail.
            test::TempDir dir;
            test::WriteBytes(dir.Path() / writer.file, writer.previous);
            std::string error;
            ASSERT_TRUE(writer.save(dir, &error)) << writer.name << ": " << error;
            EXPECT_NE(test::ReadBytes(dir.Path() / writer.file), writer.previous) << writer.name;
            EXPECT_EQ(test::TreeOf(dir.Path()), std::vector<std::string>{writer.file}) << writer.name;
        }
        for (const std::string& fault : test::kSaveFaults) {
            test::TempDir dir;
            test::WriteBytes(dir.Path() / writer.file, writer.previous);
            std::string error;
            bool saved = true;
            {
                const test::FaultScope scope(fault, dir.Path());
                saved = writer.save(dir, &error);
            }
            const std::string where = writer.name + " under " + fault;
            EXPECT_FALSE(saved) << where;
            EXPECT_FALSE(error.empty()) << where;
            EXPECT_EQ(test::ReadBytes(dir.Path() / writer.file), writer.previous) << where << ": " << error;
            EXPECT_EQ(test::TreeOf(dir.Path()), std::vector<std::string>{writer.file}) << where;
        }
    }
}

TEST(WriterFaults, EachFaultIsReportedWithItsStep) {
    const std::pair<std::string, std::string> cases[] = {
        {"write", "write: No space left on device"}, {"flush", "sync to disk: Input/output error"},
        {"close", "close: Input/output error"},      {"fsync", "sync to disk: Input/output error"},
        {"rename", "rename: Input/output error"},
    };
    const Writer writer = Writers().front();
    for (const auto& [fault, reason] : cases) {
        test::TempDir dir;
        std::string error;
        const test::FaultScope scope(fault, dir.Path());
        EXPECT_FALSE(writer.save(dir, &error));
        EXPECT_EQ(error, reason) << fault;
    }
}

// After the rename the previous content is gone for good; the save says it may not survive a crash.
TEST(WriterFaults, AFailedFolderSyncIsReportedAfterTheFileIsInPlace) {
    for (const Writer& writer : Writers()) {
        test::TempDir dir;
        test::WriteBytes(dir.Path() / writer.file, writer.previous);
        std::string error;
        bool saved = true;
        {
            const test::FaultScope scope("foldersync", dir.Path());
            saved = writer.save(dir, &error);
        }
        EXPECT_FALSE(saved) << writer.name;
        EXPECT_EQ(error, "saved, but the folder could not be synced to disk: Input/output error")
            << writer.name;
        EXPECT_NE(test::ReadBytes(dir.Path() / writer.file), writer.previous) << writer.name;
        EXPECT_EQ(test::TreeOf(dir.Path()), std::vector<std::string>{writer.file}) << writer.name;
    }
}

// A fault armed for one folder leaves saves elsewhere alone, so the shim cannot hide a writer's own bug.
TEST(WriterFaults, AFaultStaysInsideItsFolder) {
    test::TempDir faulty;
    test::TempDir other;
    const test::FaultScope scope("write", faulty.Path());
    std::string error;
    EXPECT_TRUE(Writers().front().save(other, &error)) << error;
}

}  // namespace
}  // namespace motivra
