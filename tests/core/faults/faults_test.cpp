// Every writer of the program under every injected file-system fault: the save reports failure with the
// failing step, the previous file keeps its bytes and no temporary file is left beside it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/colour_setup/palette_model.h"
#include "core/colour_setup/swatch_library.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/bitmap_file.h"
#include "core/engine/track_store.h"
#include "core/library/library_edits.h"
#include "core/library/library_fixture.h"
#include "core/library/library_lock.h"
#include "core/library/text_file.h"
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
    const PaletteRecord red = PaletteRecord::FromRgb(RgbColour(0xC00000));
    return {{"behaviour", "b.vmr", Bytes("previous behaviour"),
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
                 return palette.AddColour(RgbColour(0x00FF00)) && palette.Save(error);
             }},
            {"swatch library", "s.vmw", EncodeSwatchFile({}, 7),
             [](const test::TempDir& dir, std::string* error) {
                 SwatchLibrary library;
                 library.SetFolder(dir.Path().string());
                 library.SetFile("s");
                 library.Load();
                 return library.Add({SchemeColour(1), SchemeColour(2), SchemeColour(3), SchemeColour(4),
                                     SchemeColour(5), SchemeColour(6)}) &&
                        library.Save(error);
             }}};
}

// Without a fault ("") and under a failed folder sync the file is replaced (after the rename the previous
// content is gone for good, and the save says it may not survive a crash); under any other fault the previous
// file keeps its bytes. Every reason names the failing step. Without a fault here one is armed for another
// folder, so the shim cannot hide a writer's own bug by breaking calls it should leave alone.
TEST(WriterFaults, EveryWriterKeepsThePreviousFileUnderEveryFaultAndSaysWhy) {
    const std::map<std::string, std::string> reasons = {
        {"", ""},
        {"write", "write: No space left on device"},
        {"flush", "sync to disk: Input/output error"},
        {"close", "close: Input/output error"},
        {"fsync", "sync to disk: Input/output error"},
        {"rename", "rename: Input/output error"},
        {"foldersync", "saved, but the folder could not be synced to disk: Input/output error"}};
    for (const std::string& fault : test::kSaveFaults) ASSERT_TRUE(reasons.contains(fault)) << fault;
    for (const Writer& writer : Writers()) {
        for (const auto& [fault, reason] : reasons) {
            test::TempDir dir, other;
            test::WriteBytes(dir.Path() / writer.file, writer.previous);
            std::string error;
            bool saved = false;
            {
                const test::FaultScope scope(fault.empty() ? "write" : fault,
                                             (fault.empty() ? other : dir).Path());
                saved = writer.save(dir, &error);
            }
            const std::string where = writer.name + " under " + (fault.empty() ? "no fault" : fault);
            EXPECT_EQ(saved, fault.empty()) << where << ": " << error;
            EXPECT_EQ(error, reason) << where;
            const bool replaced = fault.empty() || fault == "foldersync";
            EXPECT_EQ(test::ReadBytes(dir.Path() / writer.file) != writer.previous, replaced) << where;
            EXPECT_EQ(test::TreeOf(dir.Path()), std::vector<std::string>{writer.file}) << where;
        }
    }
}

// A library change under a fault at each of its file calls in turn leaves the library byte for byte as it
// was; a change killed at any moment is finished or undone the next time the library is locked.

TEST(LibraryChangeFaults, AChangeFailingAtAnyStepLeavesTheLibraryAsItWas) {
    for (const test::SampleChange& c : test::SampleChanges()) {
        for (const std::string fault : {"write", "flush", "close", "rename", "foldersync"}) {
            int failures = 0;
            for (long n = 1;; ++n) {
                const test::SampleLibrary sample;
                ASSERT_TRUE(
                    LibraryLock::Take(sample.Library()));  // made before, so its calls are not counted
                const auto before = sample.Snapshot();
                LibraryChange result;
                long calls = 0;
                {
                    const test::FaultScope scope(fault, sample.root.Path(), n);
                    result = c.change(sample.Library());
                    calls = motivra_fault_calls();
                }
                const std::string where = std::string(c.name) + ", " + fault + " #" + std::to_string(n);
                if (!result.failure.empty()) {
                    ++failures;
                    const std::string why = English(result.failure);
                    EXPECT_EQ(sample.Snapshot(), before) << where << ": " << why;
                    EXPECT_TRUE(why.ends_with("Input/output error") ||
                                why.ends_with("No space left on device"))
                        << where << ": " << why;
                }
                if (calls < n) break;
            }
            EXPECT_GT(failures, 0) << c.name << ", " << fault;
        }
    }
}

// Every behaviour the saves made (named k-) with its file, thumbnail, tag database and one link in each of
// its tags, or none of them; nothing temporary left.
void ExpectWholeOrAbsent(const fs::path& library) {
    std::map<std::string, std::vector<std::string>> links;
    for (const char* tag : {"wave", "new"})
        TextFile().ReadLines((library / "tags" / (std::string(tag) + ".tag")).string(), links[tag]);
    for (const auto& entry : fs::recursive_directory_iterator(library)) {
        const std::string file = entry.path().filename().string(), name = entry.path().stem().string();
        EXPECT_TRUE(file == ".motivra-lock" || !file.starts_with(".")) << entry.path();
        if (!name.starts_with("k-")) continue;
        EXPECT_TRUE(fs::exists(library / (name + ".vmr")) &&
                    fs::exists(library / "thumbs" / (name + ".bmp")) &&
                    fs::exists(library / "tagdb" / (name + ".tdb")))
            << name;
        for (const auto& [tag, lines] : links)
            EXPECT_EQ(std::count(lines.begin(), lines.end(), name), 1) << tag;
    }
    for (const auto& [tag, lines] : links)
        EXPECT_EQ(lines.size(), std::set<std::string>(lines.begin(), lines.end()).size()) << tag;
}

TEST(LibraryChangeFaults, ASaveKilledAtAnyMomentIsFinishedOrUndoneAtTheNextLock) {
    const test::SampleLibrary sample;
    const std::string library = sample.Library();
    std::mt19937 random(20261207);
    for (int round = 0; round < 30; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            motivra_fault_delay(3);
            motivra_fault_arm("slow", sample.root.Path().c_str());
            for (;;) SaveNewBehaviour(library, {"k", "v", "b", {"wave", "new"}}, nullptr);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 200));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ASSERT_TRUE(LibraryLock::Take(library));
        ExpectWholeOrAbsent(library);
    }
}

// The per-user copy of a read-only installation's data folders under injected file-system faults: a copy
// that fails part way leaves no folder that could be taken for the user's data, the program keeps reading
// the installation, and the next start makes the whole copy.
using test::Names;
using test::TreeOf;

struct UserCopyFaultsTest : ::testing::Test, test::InstalledData {
    UserCopyFaultsTest() { fs::create_directories(user); }
};

TEST_F(UserCopyFaultsTest, ACopyThatFailsLeavesNoFolderForTheUsersDataAndTheNextStartCompletesIt) {
    // The installation's data folders, without the program and its help.
    Names whole = TreeOf(prefix);
    std::erase_if(whole, [](const std::string& f) { return f.starts_with("bin") || f.starts_with("help"); });
    // Faults at the rename are of the folder's own rename too, so every step of the copy is met.
    for (const std::string& fault : test::kSaveFaults) {
        SCOPED_TRACE(fault);
        fs::remove_all(user);
        fs::create_directories(user);
        std::string lookup;
        {
            const test::FaultScope scope(fault, user);
            lookup = Prepare();
        }
        EXPECT_EQ(lookup, Program()) << "the installation is read as it is";
        EXPECT_EQ(TreeOf(user), Names{}) << "nothing half made is left";
        EXPECT_EQ(Prepare(), (user / "bin/motivra").string());
        EXPECT_EQ(TreeOf(user), whole);
        EXPECT_EQ(test::ReadText(user / "behaviours/tags/spin.tag"), "vmrk-0000\r\n");
    }
}

// A folder of the copy holding no file is synced on its own, or a crash could lose it after the rename.
TEST_F(UserCopyFaultsTest, AnEmptyFolderOfTheCopyMustReachTheDiskToo) {
    fs::remove(prefix / "palettes/warm.vmp");
    {
        const test::FaultScope scope("foldersync", user);
        EXPECT_EQ(Prepare(), Program());
    }
    EXPECT_EQ(TreeOf(user), Names{});
    EXPECT_EQ(Prepare(), (user / "bin/motivra").string());
    EXPECT_TRUE(fs::is_directory(user / "palettes"));
}

}  // namespace
}  // namespace motivra
